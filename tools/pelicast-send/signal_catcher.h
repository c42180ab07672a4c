// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace pelicast {

// Turns SIGINT, SIGTERM and SIGHUP into caught() in the event loop while it
// lives: the handler only writes the signal's number into a pipe, which a
// QSocketNotifier reads. One at a time; the default actions come back when
// it is destroyed.
class SignalCatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalCatcher(QObject* parent = nullptr);
    ~SignalCatcher() override;

    // "SIGINT", "SIGTERM" or "SIGHUP".
    static QString nameOf(int signal);
    // Ends the process as `signal` ends a program that does not catch it.
    [[noreturn]] static void endBy(int signal);

Q_SIGNALS:
    void caught(int signal);

private:
    void read();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pelicast
