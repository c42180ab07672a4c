// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace pelicast {

// A notice on the desktop, for work that ends while the user looks at
// another window (a batch sent, a scheduled send done): through the desktop's
// notification service (org.freedesktop.Notifications on the session bus).
// The bus is first touched by the first notice, and nothing waits for it:
// without a bus or a service, no notice is shown and nothing else happens.
// Texts are plain; where the service reads markup, they are escaped.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    // Shows `summary` and `body`, in place of this notifier's last notice
    // where that is still shown.
    void notify(const QString& summary, const QString& body);
    // notify(), unless a window of the program is the active one: there the
    // user sees the outcome already. Returns whether it notified.
    bool notifyUnlessActive(const QString& summary, const QString& body);

Q_SIGNALS:
    // The service took the notice (for tests and logs).
    void shown(uint id);

private:
    void send(const QString& summary, const QString& body);

    uint id_ = 0;  // the service's number of the last notice, 0 for none
};

}  // namespace pelicast
