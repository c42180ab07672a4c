// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSslConfiguration>
#include <QTcpServer>
#include <optional>

class QTcpSocket;

namespace pelicast::gateway {

class GatewayService;

// A small HTTP/1.1 server in front of the service: one request per
// connection, answered and closed. It holds up against clients that hog it:
// a request must come within a deadline and without long pauses; headers and
// body are refused from their announced size, before they are taken in; and
// when too many connections are open, the oldest one makes room for a new
// one.
class HttpFront : public QTcpServer {
    Q_OBJECT

public:
    static constexpr int kMaxConnections = 64;
    static constexpr int kIdleTimeoutMs = 5'000;
    static constexpr int kRequestDeadlineMs = 30'000;
    static constexpr qsizetype kMaxHeaderSize = 16 * 1024;

    HttpFront(GatewayService& service, QString label, QObject* parent = nullptr);
    ~HttpFront() override;

    // Serves HTTPS with `configuration` instead of plain HTTP.
    void useTls(const QSslConfiguration& configuration) { tls_ = configuration; }
    // Answers each request this long after the service handled it: a slow
    // gateway, which has acted on a request before its answer comes.
    void setReplyDelay(int milliseconds) { replyDelayMs_ = milliseconds; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Connection;

    void admit(QTcpSocket* socket);
    void readFrom(Connection* connection);
    bool readHeaders(Connection* connection);
    void respond(Connection* connection, int status, const QByteArray& contentType,
                 const QByteArray& body);
    void refuse(Connection* connection, int status, const char* why);
    void drop(Connection* connection);

    GatewayService& service_;
    QString label_;
    std::optional<QSslConfiguration> tls_;
    int replyDelayMs_ = 0;
    QList<Connection*> connections_;  // oldest first
};

}  // namespace pelicast::gateway
