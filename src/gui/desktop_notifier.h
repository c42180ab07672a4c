// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace pelicast {

// A notice on the desktop, for work that ends while the user looks at
// another window (a batch sent, a scheduled send done), as
// showDesktopNotice() shows it (core/schedule/desktop_notice.h), on a thread
// of its own: the window never waits for the session bus or the service.
// Without either, no notice is shown and nothing else happens.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    // Shows `summary` and `body`, plain texts.
    void notify(const QString& summary, const QString& body);
    // notify(), unless a window of the program is the active one: there the
    // user sees the outcome already. Returns whether it notified.
    bool notifyUnlessActive(const QString& summary, const QString& body);
};

}  // namespace pelicast
