// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/clickable_label.h"

#include <QMouseEvent>

namespace pelicast {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // A press dragged off the label before its release is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

}  // namespace pelicast
