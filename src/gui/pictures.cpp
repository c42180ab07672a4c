// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pictures.h"

#include <QGuiApplication>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace pelicast {

QPixmap picture(const char* name) {
    // Only the size the screen needs is read, by Qt's own PNG reader without
    // first loading every image plugin to ask it.
    const bool doubled = qApp->devicePixelRatio() > 1.0;
    QImageReader reader(
        u":/pelicast/"_s + QLatin1String(name) + (doubled ? u"@2x.png"_s : u".png"_s), "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return pixmap;
}

QIcon pictureIcon(const char* name) {
    return QIcon(picture(name));
}

}  // namespace pelicast
