#pragma once

#include <QString>

namespace pelicast {

// Mouse pointer values of the main window.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerArrow = 1;
inline constexpr int kPointerArrowHourglass = 13;

// What the recipient picker reaches of the main window: the recipients field,
// the status line and the mouse pointer.
class PickerHost {
public:
    virtual ~PickerHost() = default;
    virtual QString recipientsText() const = 0;
    virtual void setRecipientsText(const QString& text) = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void setMousePointer(int pointer) = 0;
};

}  // namespace pelicast
