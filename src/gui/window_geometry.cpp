// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window_geometry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

const QString kMaximized = u"maximized"_s;

struct Stored {
    QRect rect;
    bool maximized = false;
};

// "x,y,width,height[,maximized]"; anything else is no geometry.
std::optional<Stored> parse(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() < 4 || parts.size() > 5 || (parts.size() == 5 && parts[4] != kMaximized))
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool number = false;
        values[i] = parts[i].trimmed().toInt(&number);
        if (!number)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return Stored{QRect(values[0], values[1], values[2], values[3]), parts.size() == 5};
}

// The title bar and borders the desktop adds: known once the window was
// shown; before, as tall as the style draws a title bar.
QMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {0, title, 0, 0};
}

}  // namespace

WindowGeometry* WindowGeometry::keep(QWidget* window, SettingsKey key, QSize defaultSize) {
    return new WindowGeometry(window, key, defaultSize);
}

WindowGeometry::WindowGeometry(QWidget* window, SettingsKey key, QSize defaultSize)
    : QObject(window), window_(window), key_(key) {
    // Now, so that a caller may still resize it, and a dialog is centred
    // over its parent in this size.
    if (!defaultSize.isEmpty())
        window->resize(defaultSize);
    window->installEventFilter(this);
    // The program ends without hiding its windows.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (window_->isVisible())
            save();
    });
}

QRect WindowGeometry::fitted(QRect rect, const QRect& available, const QMargins& frame,
                             const QSize& minimum) {
    const QRect room = available.marginsRemoved(frame);
    rect.setWidth(std::max(std::min(rect.width(), room.width()), minimum.width()));
    rect.setHeight(std::max(std::min(rect.height(), room.height()), minimum.height()));
    // Right and bottom first: a window that cannot fit keeps its title bar
    // on the screen.
    rect.moveRight(std::min(rect.right(), room.right()));
    rect.moveBottom(std::min(rect.bottom(), room.bottom()));
    rect.moveLeft(std::max(rect.left(), room.left()));
    rect.moveTop(std::max(rect.top(), room.top()));
    return rect;
}

bool WindowGeometry::eventFilter(QObject* watched, QEvent* event) {
    // Shown: before the window reaches the screen, so it appears in place.
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous())
        restore();
    else if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous())
        save();
    return false;
}

void WindowGeometry::restore() {
    const bool first = !std::exchange(restored_, true);
    const std::optional<Stored> stored =
        first ? parse(settings_.value(key_)) : std::optional<Stored>();
    // A dialog is placed over its parent before it is shown; a window of its
    // own is placed by the desktop unless it remembers a place.
    const bool placed = stored || window_->testAttribute(Qt::WA_Moved);
    const QRect rect = stored ? stored->rect : window_->geometry();
    QScreen* screen = placed ? QGuiApplication::screenAt(rect.center()) : nullptr;
    if (!screen)
        screen = window_->screen();
    const QSize minimum = window_->minimumSizeHint().expandedTo(window_->minimumSize());
    const QRect fit =
        fitted(placed ? rect : QRect(screen->availableGeometry().topLeft(), rect.size()),
               screen->availableGeometry(), frameOf(window_), minimum);
    if (placed)
        window_->setGeometry(fit);
    else
        window_->resize(fit.size());
    if (stored && stored->maximized)
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
}

void WindowGeometry::save() {
    if (!restored_)
        return;
    const QRect rect = window_->normalGeometry();
    if (!rect.isValid())
        return;
    QString text =
        u"%1,%2,%3,%4"_s.arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    if (window_->isMaximized())
        text += u',' + kMaximized;
    // A failed write loses a window's place, nothing the user is told of.
    settings_.setValue(key_, text);
}

}  // namespace pelicast
