#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace pelicast::platform {

inline constexpr unsigned HH_DISPLAY_TOPIC = 0x0000;
inline constexpr unsigned HH_HELP_CONTEXT = 0x000F;

// Shows compiled HTML help in its own window, which outlives the caller.
class HelpService {
public:
    virtual ~HelpService() = default;

    // `file` may carry a window definition as "file>window".
    virtual void HtmlHelp(QWidget* owner, const QString& file, unsigned command,
                          std::intptr_t data) = 0;
};

}  // namespace pelicast::platform
