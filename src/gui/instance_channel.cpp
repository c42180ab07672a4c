// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/instance_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// A request and a token are a line each; nothing longer is read.
constexpr qint64 kMaxRequest = 4096;
// Where Wayland's compositor looks for the right to take the focus.
constexpr auto kActivationToken = "XDG_ACTIVATION_TOKEN";
constexpr auto kTaken = "ok\n";

QString runtimeFile(const QString& name) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + u'/' + name;
}

}  // namespace

InstanceChannel::InstanceChannel(const QString& name, QObject* parent)
    : QObject(parent),
      lockPath_(runtimeFile(name + u".lock"_s)),
      socketPath_(runtimeFile(name + u".socket"_s)) {}

InstanceChannel::~InstanceChannel() {
    if (lockFile_ >= 0)
        ::close(lockFile_);
}

bool InstanceChannel::claim() {
    if (lockFile_ >= 0)
        return true;
    // Closed on exec: a program started from here (the help viewer) must
    // not hold the lock on after this process ends.
    const int file = lockPath_.isEmpty()
                         ? -1
                         : ::open(QFile::encodeName(lockPath_), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0)
        return true;  // no runtime folder: this process goes on alone
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(file);
        return !held;
    }
    lockFile_ = file;
    return true;
}

bool InstanceChannel::handOver(const QString& request, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    const auto remaining = [&] {
        return int(std::max<qint64>(0, limit.count() - clock.elapsed()));
    };
    QLocalSocket socket;
    // The first process listens once its window is up: it may be starting.
    for (;;) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(remaining()))
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(50);
    }
    socket.write(request.toUtf8() + '\n' + qgetenv(kActivationToken) + '\n');
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(remaining())) {
    }
    return socket.readLine() == kTaken;
}

bool InstanceChannel::listen() {
    if (server_)
        return server_->isListening();
    if (lockFile_ < 0)
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Left by a process that ended without removing it: the lock is ours.
    QLocalServer::removeServer(socketPath_);
    if (!server_->listen(socketPath_))
        return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readRequest(socket); });
        }
    });
    return true;
}

void InstanceChannel::readRequest(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kMaxRequest) {
        socket->abort();
        return;
    }
    const QByteArray data = socket->peek(kMaxRequest);
    if (data.count('\n') < 2)
        return;  // more to come
    const QList<QByteArray> lines = socket->readAll().split('\n');
    if (lines.at(1).isEmpty())
        qunsetenv(kActivationToken);
    else
        qputenv(kActivationToken, lines.at(1));
    Q_EMIT received(QString::fromUtf8(lines.at(0)));
    socket->write(kTaken);
    socket->disconnectFromServer();
}

void InstanceChannel::bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace pelicast
