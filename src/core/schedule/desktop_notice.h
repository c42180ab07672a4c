// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>

namespace pelicast {

// A notice on the desktop through its notification service
// (org.freedesktop.Notifications on the session bus), from a program that
// has no window to tell in: pelicast-send --run-due, run by the timer.
// Texts are plain; where the service reads markup they are escaped. Waits
// at most `limit` for the service; false when no notice was shown.
bool showDesktopNotice(const QString& summary, const QString& body,
                       std::chrono::milliseconds limit = std::chrono::seconds(2));

}  // namespace pelicast
