#pragma once

// Real HTTP servers on 127.0.0.1 for tests that exercise a network stack:
//
//   LoopbackHttpServer server;                 // or server(tlsConfiguration)
//   server.respond(LoopbackHttpServer::text(500, "broken"));
//   transfer.Execute(server.url("/comsend.asp").toString(), "POST ", body, headers);
//   ... wait for the outcome ...
//   QCOMPARE(server.requests().first().method, "POST");
//
//   LoopbackHttpProxy proxy;                   // forwards to loopback only
//   transfer.SetProxy(proxy.hostAndPort());
//   ... QCOMPARE(proxy.passages().size(), 1);
//
// Both listen on a free port chosen by the system, answer from the event loop
// of the thread they live in and close every connection after one exchange.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QUrl>
#include <chrono>
#include <memory>

class QTcpServer;
class QTcpSocket;

namespace pelicast::fakes {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// The first value of the header `name` (letter case ignored), or "".
QByteArray headerValue(const HttpHeaders& headers, const QByteArray& name);

// An HTTP/1.1 server that answers each request with the next scripted response
// and records every request it got.
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray target;  // as sent on the request line: "/page?x=1"
        HttpHeaders headers;
        QByteArray body;

        QByteArray header(const QByteArray& name) const { return headerValue(headers, name); }
    };

    enum class Pace {
        AtOnce,   // the whole response in one write
        Trickle,  // status line and headers, then the body piece by piece
        Never,    // read the request, then stay silent with the connection open
    };

    struct Response {
        int status = 200;
        // Sent as given; "Content-Length" (unless given here) and
        // "Connection: close" are added.
        HttpHeaders headers;
        QByteArray body;
        Pace pace = Pace::AtOnce;
        int pieceSize = 1;                            // bytes per piece when trickling
        std::chrono::milliseconds pieceInterval{50};  // pause before each piece
    };

    // A response with the body `body` and the given content type.
    static Response text(int status, const QByteArray& body,
                         const QByteArray& contentType = "text/plain; charset=utf-8");

    // Plain HTTP.
    explicit LoopbackHttpServer(QObject* parent = nullptr);
    // HTTPS with the certificate and key of `tls` (see TestCertificate).
    explicit LoopbackHttpServer(const QSslConfiguration& tls, QObject* parent = nullptr);
    ~LoopbackHttpServer() override;

    quint16 port() const;
    // "http://127.0.0.1:<port><path>", or https for a TLS server.
    QUrl url(const QString& path = QStringLiteral("/")) const;

    // Queues the response for the next request that has none yet.
    void respond(const Response& response);
    // The response for requests beyond the queue: 200 with an empty body unless
    // set otherwise.
    void setFallback(const Response& response) { fallback_ = response; }

    const QList<Request>& requests() const { return requests_; }

Q_SIGNALS:
    // A whole request arrived; it is the last of requests().
    void requestReceived();

private:
    LoopbackHttpServer(std::unique_ptr<QTcpServer> server, bool tls, QObject* parent);
    void serve(QTcpSocket* socket);

    std::unique_ptr<QTcpServer> server_;
    bool tls_ = false;
    QQueue<Response> script_;
    Response fallback_;
    QList<Request> requests_;
};

// An HTTP forward proxy: plain requests in absolute form ("GET http://host/...")
// are passed to the server they name, CONNECT opens a tunnel. It reaches
// loopback addresses only and refuses every other target with 403.
class LoopbackHttpProxy : public QObject {
    Q_OBJECT

public:
    struct Passage {
        QByteArray method;  // "GET", "POST", "CONNECT", ...
        QByteArray target;  // "http://127.0.0.1:4711/page" or, for CONNECT, "127.0.0.1:4712"
        HttpHeaders headers;
    };

    explicit LoopbackHttpProxy(QObject* parent = nullptr);
    ~LoopbackHttpProxy() override;

    quint16 port() const;
    QString hostAndPort() const;  // "127.0.0.1:<port>"

    const QList<Passage>& passages() const { return passages_; }

private:
    void pass(QTcpSocket* client);

    std::unique_ptr<QTcpServer> server_;
    QList<Passage> passages_;
};

// A self-signed certificate for 127.0.0.1 and "localhost", made for the test
// run with the openssl command-line tool.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;

    bool isNull() const { return certificate.isNull() || key.isNull(); }
    // A server configuration presenting this certificate.
    QSslConfiguration serverConfiguration() const;
    // Null when openssl is missing or fails.
    static TestCertificate generate();
};

}  // namespace pelicast::fakes
