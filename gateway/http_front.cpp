// SPDX-License-Identifier: GPL-3.0-or-later
#include "http_front.h"

#include <QDeadlineTimer>
#include <QSslSocket>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "gateway_service.h"

namespace pelicast::gateway {

namespace {

constexpr auto kPlainText = "text/plain; charset=utf-8";
constexpr qint64 kReadBufferSize = 64 * 1024;

QByteArray reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 413:
            return "Content Too Large";
        case 431:
            return "Request Header Fields Too Large";
        case 500:
            return "Internal Server Error";
        case 501:
            return "Not Implemented";
        default:
            return "Status";
    }
}

bool isNumber(QByteArrayView text) {
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

// One client connection; it lives as long as its socket.
struct HttpFront::Connection : QObject {
    explicit Connection(QTcpSocket* owner) : QObject(owner), socket(owner) {}

    QTcpSocket* socket;
    QTimer timer;
    QDeadlineTimer deadline{kRequestDeadlineMs};
    QByteArray received;       // the headers, then the body
    qsizetype bodyStart = -1;  // known once the headers are complete
    qint64 bodySize = 0;
    QByteArray method;
    QString path;
    QByteArray contentType;
    bool answered = false;
    // After a refusal, what the client still sends is read and dropped (the
    // announced rest of the body, or, when unknown (-1), all until the client
    // closes or falls silent): closing on unread data would reset the answer
    // away before the client read it.
    qint64 toDiscard = 0;
};

HttpFront::HttpFront(GatewayService& service, QString label, QObject* parent)
    : QTcpServer(parent), service_(service), label_(std::move(label)) {}

HttpFront::~HttpFront() = default;

void HttpFront::incomingConnection(qintptr descriptor) {
    QTcpSocket* socket = tls_ ? new QSslSocket(this) : new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (tls_) {
        auto* ssl = static_cast<QSslSocket*>(socket);
        ssl->setSslConfiguration(*tls_);
        ssl->startServerEncryption();
    }
    admit(socket);
}

void HttpFront::admit(QTcpSocket* socket) {
    if (connections_.size() >= kMaxConnections)
        drop(connections_.first());
    auto* connection = new Connection(socket);
    connections_.append(connection);
    socket->setReadBufferSize(kReadBufferSize);
    connection->timer.setSingleShot(true);
    connect(&connection->timer, &QTimer::timeout, this, [this, connection] { drop(connection); });
    connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readFrom(connection); });
    connect(socket, &QTcpSocket::disconnected, this, [this, connection] { drop(connection); });
    connection->timer.start(kIdleTimeoutMs);
}

void HttpFront::readFrom(Connection* c) {
    c->timer.start(int(std::min<qint64>(kIdleTimeoutMs, c->deadline.remainingTime())));
    while (c->socket->bytesAvailable() > 0) {
        if (c->answered) {
            const qint64 skipped =
                c->socket->skip(c->toDiscard > 0 ? c->toDiscard : kReadBufferSize);
            if (skipped <= 0)
                break;
            if (c->toDiscard > 0 && (c->toDiscard -= skipped) == 0)
                c->socket->disconnectFromHost();
            continue;
        }
        if (c->bodyStart < 0) {
            c->received += c->socket->read(kMaxHeaderSize + 4 - c->received.size());
            const qsizetype end = c->received.indexOf("\r\n\r\n");
            if (end < 0) {
                if (c->received.size() > kMaxHeaderSize)
                    refuse(c, 431, "The headers are too long.");
                continue;
            }
            c->bodyStart = end + 4;
            if (!readHeaders(c))
                continue;
        }
        const qint64 missing = c->bodyStart + c->bodySize - c->received.size();
        if (missing > 0)
            c->received += c->socket->read(missing);
        if (c->received.size() < c->bodyStart + c->bodySize)
            continue;
        const Response response = service_.handle(c->method, c->path, c->contentType,
                                                  c->received.sliced(c->bodyStart, c->bodySize));
        if (replyDelayMs_ > 0) {
            c->answered = true;  // handled once, whatever else comes
            c->timer.stop();
            QTimer::singleShot(replyDelayMs_, c, [this, c, response] {
                respond(c, response.status, response.contentType, response.body);
            });
            return;
        }
        respond(c, response.status, response.contentType, response.body);
    }
}

// Takes what the headers say; false when the request was refused for them.
bool HttpFront::readHeaders(Connection* c) {
    const QList<QByteArray> lines = c->received.first(c->bodyStart - 4).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1.")) {
        refuse(c, 400, "Malformed request line.");
        return false;
    }
    c->method = requestLine[0];
    const QUrl target(QString::fromLatin1(requestLine[1]));
    c->path = target.path();
    qint64 length = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.first(std::max<qsizetype>(colon, 0));
        if (colon <= 0 || name.contains(' ') || name.contains('\t')) {
            refuse(c, 400, "Malformed header.");
            return false;
        }
        const QByteArray value = line.sliced(colon + 1).trimmed();
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            // Lengths that differ would let two readers of the request see two requests.
            for (const QByteArray& each : value.split(',')) {
                const QByteArray number = each.trimmed();
                if (!isNumber(number) || (length >= 0 && number.toLongLong() != length)) {
                    refuse(c, 400, "Missing, malformed or conflicting Content-Length.");
                    return false;
                }
                length = number.toLongLong();
            }
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            refuse(c, 501, "Transfer encodings are not supported; send a Content-Length.");
            return false;
        } else if (name.compare("Content-Type", Qt::CaseInsensitive) == 0) {
            c->contentType = value;
        }
    }
    if (!target.isValid()) {
        refuse(c, 400, "Malformed request target.");
        return false;
    }
    if (length > GatewayService::kMaxBodySize) {
        c->toDiscard = length - (c->received.size() - c->bodyStart);
        refuse(c, 413, "The body is larger than the pages take.");
        return false;
    }
    c->bodySize = std::max<qint64>(length, 0);
    return true;
}

void HttpFront::respond(Connection* c, int status, const QByteArray& contentType,
                        const QByteArray& body) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                      "\r\nContent-Type: " + contentType +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n";
    c->socket->write(head + body);
    c->answered = true;
    if (c->toDiscard == 0)
        c->socket->disconnectFromHost();
    QTextStream(stderr) << label_ << ' ' << c->method << ' ' << c->path << ' ' << status
                        << Qt::endl;
}

void HttpFront::refuse(Connection* c, int status, const char* why) {
    if (c->toDiscard <= 0)
        c->toDiscard = -1;
    respond(c, status, kPlainText, QByteArray("Bad request. ") + why);
}

void HttpFront::drop(Connection* c) {
    if (!connections_.removeOne(c))
        return;
    c->timer.stop();
    c->socket->disconnect(this);
    c->socket->abort();
    c->socket->deleteLater();
}

}  // namespace pelicast::gateway
