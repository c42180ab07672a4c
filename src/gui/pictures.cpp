// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pictures.h"

#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace pelicast {

QPixmap picture(const char* name) {
    // Only the size the screen needs is read, and as PNG by name, so no image
    // plugin is asked to guess: this keeps the start fast.
    const bool doubled = qApp->devicePixelRatio() > 1.0;
    QPixmap pixmap(u":/pelicast/"_s + QLatin1String(name) + (doubled ? u"@2x.png"_s : u".png"_s),
                   "PNG");
    pixmap.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return pixmap;
}

QIcon pictureIcon(const char* name) {
    return QIcon(picture(name));
}

}  // namespace pelicast
