#include "platform/layout.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace pelicast::layout {

namespace {
constexpr double kDesignDpi = 96.0;

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kDesignDpi;
}

int scaled(int pixels, double factor) {
    return static_cast<int>(std::lround(pixels * factor));
}
}  // namespace

int Twips(int twips) {
    return static_cast<int>(std::lround(twips * screenDpi() / 1440.0));
}

void UseDesignFont(QWidget* window) {
    QFont font = window->font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed"),
                      font.family()});
    font.setPointSize(8);
    window->setFont(font);
}

void ScaleToScreen(QWidget* container) {
    const double factor = screenDpi() / kDesignDpi;
    if (std::abs(factor - 1.0) < 0.01)
        return;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = child->geometry();
        child->setGeometry(scaled(g.x(), factor), scaled(g.y(), factor), scaled(g.width(), factor),
                           scaled(g.height(), factor));
        // Containers hold placed controls of their own; composite controls
        // lay out their insides themselves.
        const QByteArray kind = child->metaObject()->className();
        if (kind == "QWidget" || kind == "QFrame" || kind == "QGroupBox")
            ScaleToScreen(child);
    }
}

}  // namespace pelicast::layout
