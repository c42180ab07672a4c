// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include "core/settings/settings.h"

class QWidget;

namespace pelicast {

// Keeps the size and place of a resizable window between runs in the
// settings file (keys::windows) and opens it inside the available part of
// its screen, whatever the scale: a remembered place on a screen that is
// gone, or a size the screen no longer has room for at a larger scale, is
// moved and shrunk to fit, never below the window's minimum size.
class WindowGeometry : public QObject {
    Q_OBJECT
public:
    // Watches `window` (as its child), resized to `defaultSize` unless that
    // is empty: the first time it is shown it gets its remembered geometry,
    // else keeps its own; each time, fitted into the screen. Hidden, closed
    // or at the program's end, its geometry is stored under `key`.
    static WindowGeometry* keep(QWidget* window, SettingsKey key, QSize defaultSize = {});

    // `rect` moved, and shrunk where it must be (never below `minimum`), to
    // lie inside `available` once `frame` (the window's title bar and
    // borders: left, top, right, bottom) is added around it.
    static QRect fitted(QRect rect, const QRect& available, const QMargins& frame,
                        const QSize& minimum = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowGeometry(QWidget* window, SettingsKey key, QSize defaultSize);
    void restore();
    void save();

    QWidget* window_;
    SettingsKey key_;
    Settings settings_;
    bool restored_ = false;
};

}  // namespace pelicast
