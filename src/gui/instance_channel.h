// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <chrono>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace pelicast {

// One process of a program per user. The first to start holds a lock in the
// user's runtime folder ($XDG_RUNTIME_DIR) and, once its window is up,
// listens on a local socket beside it; a later one hands its request over
// through the socket and ends. The lock is the kernel's (flock), so it ends
// with its process however that ends, and the next first process removes
// the socket left behind. Needs the application object.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // `name` names the lock ("NAME.lock") and the socket ("NAME.socket").
    explicit InstanceChannel(const QString& name, QObject* parent = nullptr);
    ~InstanceChannel() override;

    // True when this process is the first: it holds the lock from now on.
    bool claim();
    // Hands `request` to the first process, trying while it is still
    // starting, for at most `limit`; true once that process has taken it.
    // The desktop's activation token goes along, so that it may come to
    // the front.
    bool handOver(const QString& request,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(3000));
    // Listens for the requests of later processes (received()); only after
    // claim(). False when the socket cannot be set up: later processes then
    // start on their own.
    bool listen();

    // Shows `window` in front, unminimised, with the activation token the
    // last request brought.
    static void bringToFront(QWidget* window);

Q_SIGNALS:
    void received(const QString& request);

private:
    void readRequest(QLocalSocket* socket);

    QString lockPath_;
    QString socketPath_;
    int lockFile_ = -1;
    QLocalServer* server_ = nullptr;
};

}  // namespace pelicast
