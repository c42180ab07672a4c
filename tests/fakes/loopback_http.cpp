#include "fakes/loopback_http.h"

#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QProcess>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

namespace pelicast::fakes {

namespace {

// The request line and headers at the start of `buffer`, once they are whole.
struct Head {
    QByteArray method;
    QByteArray target;
    HttpHeaders headers;
    qsizetype length = 0;  // bytes up to and including the empty line
};

std::optional<Head> parseHead(const QByteArray& buffer) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    Head head;
    head.method = requestLine.value(0);
    head.target = requestLine.value(1);
    head.length = end + 4;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            head.headers.append(
                {lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    return head;
}

QByteArray reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        case 502:
            return "Bad Gateway";
        default:
            return "Status";
    }
}

QByteArray responseHead(const LoopbackHttpServer::Response& response) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                      reasonPhrase(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (headerValue(response.headers, "Content-Length").isEmpty())
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

void sendPieces(QTcpSocket* socket, const LoopbackHttpServer::Response& response) {
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, response] {
        socket->write(response.body.mid(*sent, response.pieceSize));
        *sent += response.pieceSize;
        if (*sent >= response.body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(response.pieceInterval);
}

void answer(QTcpSocket* socket, const LoopbackHttpServer::Response& response) {
    switch (response.pace) {
        case LoopbackHttpServer::Pace::Never:
            return;
        case LoopbackHttpServer::Pace::AtOnce:
            socket->write(responseHead(response) + response.body);
            socket->disconnectFromHost();
            return;
        case LoopbackHttpServer::Pace::Trickle:
            socket->write(responseHead(response));
            sendPieces(socket, response);
            return;
    }
}

// Calls `onData` for every arrival of bytes on `socket`, including bytes that
// were already waiting when the connection was handed over.
template <typename F>
void onEveryArrival(QTcpSocket* socket, QObject* context, F onData) {
    QObject::connect(socket, &QTcpSocket::readyRead, context, onData);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(context, onData, Qt::QueuedConnection);
}

// `server` listening on a free loopback port, handing every connection to
// `handle`.
std::unique_ptr<QTcpServer> listenOnLoopback(std::unique_ptr<QTcpServer> server, QObject* context,
                                             std::function<void(QTcpSocket*)> handle) {
    QTcpServer* listener = server.get();
    QObject::connect(listener, &QTcpServer::pendingConnectionAvailable, context,
                     [listener, handle] {
                         while (QTcpSocket* socket = listener->nextPendingConnection())
                             handle(socket);
                     });
    listener->listen(QHostAddress::LocalHost, 0);
    return server;
}

std::unique_ptr<QTcpServer> tlsServer(const QSslConfiguration& tls) {
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    return server;
}

bool isLoopbackHost(const QString& host) {
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

// The request head as the proxy passes it on: the path instead of the absolute
// address, and one exchange per connection.
QByteArray originFormHead(const Head& head, const QUrl& target) {
    QByteArray forwarded = head.method + ' ' +
                           target.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) +
                           " HTTP/1.1\r\n";
    for (const auto& [name, value] : head.headers)
        if (!name.toLower().startsWith("proxy-") && name.toLower() != "connection")
            forwarded += name + ": " + value + "\r\n";
    return forwarded + "Connection: close\r\n\r\n";
}

constexpr char kRefused[] =
    "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
constexpr char kBadGateway[] =
    "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";

// Connects to `target` and pipes bytes both ways between it and `client`,
// starting with `pending`.
QTcpSocket* openUpstream(QTcpSocket* client, const QUrl& target,
                         std::shared_ptr<QByteArray> pending, bool tunnel) {
    auto* server = new QTcpSocket(client);
    QObject::connect(server, &QTcpSocket::connected, client, [client, server, pending, tunnel] {
        if (tunnel)
            client->write("HTTP/1.1 200 Connection established\r\n\r\n");
        server->write(std::exchange(*pending, {}));
    });
    QObject::connect(server, &QTcpSocket::readyRead, client,
                     [client, server] { client->write(server->readAll()); });
    QObject::connect(server, &QTcpSocket::errorOccurred, client, [client, server] {
        if (server->state() != QAbstractSocket::ConnectedState && client->bytesToWrite() == 0)
            client->write(kBadGateway);
        client->disconnectFromHost();
    });
    QObject::connect(server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
    QObject::connect(client, &QTcpSocket::disconnected, server, &QTcpSocket::disconnectFromHost);
    server->connectToHost(target.host(), static_cast<quint16>(target.port(80)));
    return server;
}

}  // namespace

QByteArray headerValue(const HttpHeaders& headers, const QByteArray& name) {
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

LoopbackHttpServer::Response LoopbackHttpServer::text(int status, const QByteArray& body,
                                                      const QByteArray& contentType) {
    Response response;
    response.status = status;
    response.headers.append({"Content-Type", contentType});
    response.body = body;
    return response;
}

LoopbackHttpServer::LoopbackHttpServer(QObject* parent)
    : LoopbackHttpServer(std::make_unique<QTcpServer>(), false, parent) {}

LoopbackHttpServer::LoopbackHttpServer(const QSslConfiguration& tls, QObject* parent)
    : LoopbackHttpServer(tlsServer(tls), true, parent) {}

LoopbackHttpServer::LoopbackHttpServer(std::unique_ptr<QTcpServer> server, bool tls,
                                       QObject* parent)
    : QObject(parent),
      server_(
          listenOnLoopback(std::move(server), this, [this](QTcpSocket* socket) { serve(socket); })),
      tls_(tls) {}

LoopbackHttpServer::~LoopbackHttpServer() = default;

quint16 LoopbackHttpServer::port() const {
    return server_->serverPort();
}

QUrl LoopbackHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(port())
                    .arg(path));
}

void LoopbackHttpServer::respond(const Response& response) {
    script_.enqueue(response);
}

void LoopbackHttpServer::serve(QTcpSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    onEveryArrival(socket, this, [this, socket, buffer] {
        *buffer += socket->readAll();
        const std::optional<Head> head = parseHead(*buffer);
        if (!head)
            return;
        const qsizetype bodyLength = headerValue(head->headers, "Content-Length").toLongLong();
        if (buffer->size() < head->length + bodyLength)
            return;
        requests_.append(
            {head->method, head->target, head->headers, buffer->mid(head->length, bodyLength)});
        buffer->clear();
        const Response response = script_.isEmpty() ? fallback_ : script_.dequeue();
        Q_EMIT requestReceived();
        answer(socket, response);
    });
}

LoopbackHttpProxy::LoopbackHttpProxy(QObject* parent)
    : QObject(parent),
      server_(listenOnLoopback(std::make_unique<QTcpServer>(), this,
                               [this](QTcpSocket* client) { pass(client); })) {}

LoopbackHttpProxy::~LoopbackHttpProxy() = default;

quint16 LoopbackHttpProxy::port() const {
    return server_->serverPort();
}

QString LoopbackHttpProxy::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void LoopbackHttpProxy::pass(QTcpSocket* client) {
    // Bytes from the client pile up here until the upstream connection is open;
    // `upstream` stays null until the request head has been read.
    auto pending = std::make_shared<QByteArray>();
    auto upstream = std::make_shared<QPointer<QTcpSocket>>();
    onEveryArrival(client, this, [this, client, pending, upstream] {
        *pending += client->readAll();
        if (*upstream) {
            if ((*upstream)->state() == QAbstractSocket::ConnectedState)
                (*upstream)->write(std::exchange(*pending, {}));
            return;
        }
        const std::optional<Head> head = parseHead(*pending);
        if (!head)
            return;
        passages_.append({head->method, head->target, head->headers});
        const bool tunnel = head->method == "CONNECT";
        const QUrl target = QUrl::fromEncoded((tunnel ? "//" : "") + head->target);
        if (!isLoopbackHost(target.host())) {
            client->write(kRefused);
            client->disconnectFromHost();
            return;
        }
        *pending =
            (tunnel ? QByteArray() : originFormHead(*head, target)) + pending->mid(head->length);
        *upstream = openUpstream(client, target, pending, tunnel);
    });
}

QSslConfiguration TestCertificate::serverConfiguration() const {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

TestCertificate TestCertificate::generate() {
    QTemporaryDir dir;
    const QString keyFile = dir.filePath(QStringLiteral("key.pem"));
    const QString certificateFile = dir.filePath(QStringLiteral("certificate.pem"));
    QProcess openssl;
    openssl.start(
        QStringLiteral("openssl"),
        {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
         "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
         "subjectAltName=IP:127.0.0.1,DNS:localhost", "-keyout", keyFile, "-out", certificateFile});
    if (!openssl.waitForFinished(30'000) || openssl.exitCode() != 0)
        return TestCertificate();
    QFile keyPem(keyFile);
    QFile certificatePem(certificateFile);
    if (!keyPem.open(QIODevice::ReadOnly) || !certificatePem.open(QIODevice::ReadOnly))
        return TestCertificate();
    return {QSslCertificate(certificatePem.readAll(), QSsl::Pem),
            QSslKey(keyPem.readAll(), QSsl::Ec, QSsl::Pem)};
}

}  // namespace pelicast::fakes
