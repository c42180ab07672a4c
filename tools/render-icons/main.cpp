// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG pictures to PNG at build time, so that the
// program itself needs no SVG engine to start.
//   pelicast-render-icons OUTPUT_DIR SVG:WIDTHxHEIGHT...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: pelicast-render-icons OUTPUT_DIR SVG:WIDTHxHEIGHT...\n", stderr);
        return 2;
    }
    const QDir output(arguments.at(1));
    output.mkpath(u"."_s);
    for (const QString& item : arguments.mid(2)) {
        const qsizetype colon = item.lastIndexOf(QLatin1Char(':'));
        const QStringList size = item.mid(colon + 1).split(QLatin1Char('x'));
        const QString svg = item.left(colon);
        QSvgRenderer renderer(svg);
        if (colon < 0 || size.size() != 2 || !renderer.isValid()) {
            std::fprintf(stderr, "cannot render %s\n", qPrintable(item));
            return 1;
        }
        // Twice the size, for screens with two device pixels to a pixel.
        for (int scale : {1, 2}) {
            QImage image(size.at(0).toInt() * scale, size.at(1).toInt() * scale,
                         QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            const QString name =
                QFileInfo(svg).completeBaseName() + (scale == 2 ? u"@2x.png"_s : u".png"_s);
            if (!image.save(output.filePath(name))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}
