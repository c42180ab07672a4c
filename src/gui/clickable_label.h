// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pelicast {

// A label or picture that reacts to a click of the left mouse button.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pelicast
