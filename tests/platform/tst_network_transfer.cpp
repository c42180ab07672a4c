#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include "fakes/loopback_http.h"
#include "platform/network_transfer.h"

using namespace pelicast::platform;
using pelicast::fakes::LoopbackHttpProxy;
using pelicast::fakes::LoopbackHttpServer;
using pelicast::fakes::TestCertificate;

namespace {

struct Outcome {
    int state = -1;
    QString reply;  // every chunk, joined
    QString error;
    int emitted = 0;  // StateChanged signals seen
};

QString collectReply(TransferComponent& transfer) {
    QString reply;
    for (QString chunk = transfer.GetChunk(1024, 0); !chunk.isEmpty();
         chunk = transfer.GetChunk(1024, 0))
        reply += chunk;
    return reply;
}

// Runs one request and waits for its outcome. The outcome must come from the
// event loop, never from inside Execute.
Outcome run(TransferComponent& transfer, const QString& url, const QString& operation = "POST ",
            const QString& body = {}, const QString& headers = {}) {
    QSignalSpy states(&transfer, &TransferComponent::StateChanged);
    transfer.Execute(url, operation, body, headers);
    Outcome outcome;
    if (!states.isEmpty() || !transfer.StillExecuting() || !states.wait(10'000))
        return outcome;
    QTest::qWait(20);  // a second signal would show here
    outcome.state = states.first().first().toInt();
    outcome.emitted = static_cast<int>(states.size());
    outcome.reply = collectReply(transfer);
    outcome.error = transfer.ErrorText();
    if (transfer.StillExecuting())
        outcome.state = -2;
    return outcome;
}

QString refusedAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

}  // namespace

class TestNetworkTransfer : public QObject {
    Q_OBJECT

private:
    TestCertificate certificate_;

private Q_SLOTS:
    void initTestCase() {
        certificate_ = TestCertificate::generate();
        QVERIFY(!certificate_.isNull());
    }

    void anyResponseCompletes_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, int status, const char* body, const QString& text,
                      const char* type = "text/plain") {
            QTest::newRow(name) << status << QByteArray(body) << QByteArray(type) << text;
        };
        row("200", 200, "OK. Credits Left: 87", "OK. Credits Left: 87");
        row("500 with a body", 500, "database down", "database down");
        row("404 empty", 404, "", "");
        row("302 not followed", 302, "moved", "moved");
        row("latin-1", 200,
            "Gr\xfc\xdf"
            "e",
            "Grüße", "text/plain; charset=iso-8859-1");
    }
    void anyResponseCompletes() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QString, text);
        LoopbackHttpServer server;
        auto response = LoopbackHttpServer::text(status, body, contentType);
        response.headers.append({"Location", server.url("/elsewhere").toEncoded()});
        server.respond(response);
        NetworkTransfer transfer;
        const Outcome outcome = run(transfer, server.url("/comsend.asp").toString());
        QCOMPARE(outcome.state, int(TransferComponent::icResponseCompleted));
        QCOMPARE(outcome.emitted, 1);
        QCOMPARE(outcome.reply, text);
        QCOMPARE(server.requests().size(), 1);
    }

    void sendsTheRequestAsGiven() {
        LoopbackHttpServer server;
        NetworkTransfer transfer;
        const QString body = QStringLiteral("user=ann&sms=Grüße €5");
        run(transfer, server.url("/comsend.asp").toString(), "POST ", body,
            "Content-Type: application/x-www-form-urlencoded\r\nX-Extra: one two");
        run(transfer, server.url("/page?x=1").toString(), "GET");
        const auto requests = server.requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].method + ' ' + requests[0].target, "POST /comsend.asp");
        QCOMPARE(requests[0].header("Content-Type"), "application/x-www-form-urlencoded");
        QCOMPARE(requests[0].header("X-Extra"), "one two");
        QCOMPARE(requests[0].body, body.toUtf8());
        QCOMPARE(requests[1].method + ' ' + requests[1].target, "GET /page?x=1");
    }

    void decodesWithTheReplyCharset_data() {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const char* type, const char* bytes, const QString& text) {
            QTest::newRow(name) << QByteArray(type) << QByteArray(bytes) << text;
        };
        row("latin-1", "text/plain; charset=ISO-8859-1", "caf\xe9", "café");
        row("quoted, other case", "text/html;Charset=\"windows-1251\"", "\xc4\xe0", "Да");
        row("none: utf-8", "text/plain", "caf\xc3\xa9", "café");
        row("unknown: utf-8", "text/plain; charset=x-no-such", "\xe2\x82\xac", "€");
        row("no type", "", "ok", "ok");
    }
    void decodesWithTheReplyCharset() {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeReply(bytes, contentType), text);
    }

    void handsOutTheReplyInChunks() {
        LoopbackHttpServer server;
        server.respond(LoopbackHttpServer::text(200, QByteArray(2500, 'a')));
        NetworkTransfer transfer;
        QSignalSpy states(&transfer, &TransferComponent::StateChanged);
        transfer.Execute(server.url().toString(), "POST ", {}, {});
        QVERIFY(states.wait(5000));
        QList<qsizetype> sizes;
        for (int i = 0; i < 5; ++i)
            sizes << transfer.GetChunk(1024, 0).size();
        QCOMPARE(sizes, (QList<qsizetype>{1024, 1024, 452, 0, 0}));
    }

    void failsWithAReason_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused") << refusedAddress() << "refused";
        QTest::newRow("not an address") << "not an address"
                                        << "not a web address";
        QTest::newRow("other scheme") << "ftp://127.0.0.1/file"
                                      << "not a web address";
    }
    void failsWithAReason() {
        QFETCH(QString, url);
        QFETCH(QString, reason);
        NetworkTransfer transfer;
        const Outcome outcome = run(transfer, url);
        QCOMPARE(outcome.state, int(TransferComponent::icError));
        QCOMPARE(outcome.emitted, 1);
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QCOMPARE(outcome.reply, QString());
    }

    void picksTheNamedProxy_data() {
        QTest::addColumn<int>("accessType");
        QTest::addColumn<QString>("proxyText");  // %1: the loopback proxy
        QTest::addColumn<int>("passages");       // -1: the request fails and nothing is sent
        QTest::newRow("one for all") << 2 << "%1" << 1;
        QTest::newRow("http entry") << 2 << "http=%1" << 1;
        QTest::newRow("among others") << 2 << "ftp=127.0.0.1:1  HTTP=%1 https=127.0.0.1:1" << 1;
        QTest::newRow("no http entry: direct") << 2 << "https=%1" << 0;
        QTest::newRow("direct access") << 1 << "%1" << 0;
        QTest::newRow("system: none here") << 0 << "%1" << 0;
        QTest::newRow("unusable text fails") << 2 << ":" << -1;
    }
    void picksTheNamedProxy() {
        QFETCH(int, accessType);
        QFETCH(QString, proxyText);
        QFETCH(int, passages);
        LoopbackHttpServer server;
        server.respond(LoopbackHttpServer::text(200, "reached"));
        LoopbackHttpProxy proxy;
        NetworkTransfer transfer;
        transfer.SetProxy(proxyText.arg(proxy.hostAndPort()));
        transfer.SetAccessType(accessType);
        const Outcome outcome = run(transfer, server.url("/comcredits.asp").toString());
        if (passages < 0) {
            QCOMPARE(outcome.state, int(TransferComponent::icError));
            QVERIFY2(outcome.error.contains(QLatin1String("\":\"")), qPrintable(outcome.error));
            QCOMPARE(server.requests().size() + proxy.passages().size(), 0);
            return;
        }
        QCOMPARE(outcome.state, int(TransferComponent::icResponseCompleted));
        QCOMPARE(outcome.reply, QStringLiteral("reached"));
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(proxy.passages().size(), passages);
        if (passages)
            QCOMPARE(proxy.passages().first().target, server.url("/comcredits.asp").toEncoded());
    }

    void propertyWritesApplyToTheNextRequest() {
        LoopbackHttpServer server;
        LoopbackHttpProxy proxy;
        NetworkTransfer transfer;
        QSignalSpy states(&transfer, &TransferComponent::StateChanged);
        transfer.Execute(server.url().toString(), "POST ", {}, {});
        transfer.SetProxy(proxy.hostAndPort());
        transfer.SetAccessType(TransferComponent::icNamedProxy);
        QVERIFY(states.wait(5000));
        QCOMPARE(proxy.passages().size(), 0);
        run(transfer, server.url().toString());
        QCOMPARE(proxy.passages().size(), 1);
    }

    void aNewRequestDropsTheOldOneSilently() {
        LoopbackHttpServer silent;
        LoopbackHttpServer::Response never;
        never.pace = LoopbackHttpServer::Pace::Never;
        silent.respond(never);
        LoopbackHttpServer server;
        server.respond(LoopbackHttpServer::text(200, "second"));
        NetworkTransfer transfer;
        QSignalSpy states(&transfer, &TransferComponent::StateChanged);
        transfer.Execute(silent.url().toString(), "POST ", {}, {});
        QTRY_COMPARE(silent.requests().size(), 1);
        const Outcome outcome = run(transfer, server.url().toString());
        QCOMPARE(outcome.emitted, 1);
        QCOMPARE(outcome.reply, QStringLiteral("second"));
        QCOMPARE(states.size(), 1);
    }

    void capsTheReply_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("state");
        QTest::newRow("1 MiB") << qint64(1024 * 1024)
                               << int(TransferComponent::icResponseCompleted);
        QTest::newRow("1 MiB + 1") << qint64(1024 * 1024 + 1) << int(TransferComponent::icError);
    }
    void capsTheReply() {
        QFETCH(qint64, size);
        QFETCH(int, state);
        LoopbackHttpServer server;
        server.respond(LoopbackHttpServer::text(200, QByteArray(size, 'x')));
        NetworkTransfer transfer;
        const Outcome outcome = run(transfer, server.url().toString());
        QCOMPARE(outcome.state, state);
        QCOMPARE(outcome.reply.size(), state == TransferComponent::icError ? 0 : size);
        if (state == TransferComponent::icError)
            QVERIFY2(outcome.error.contains(QLatin1String("larger than 1 MiB")),
                     qPrintable(outcome.error));
    }

    void incompleteReplyFails_data() {
        QTest::addColumn<int>("pace");
        QTest::addColumn<QString>("reason");
        QTest::newRow("silent server") << int(LoopbackHttpServer::Pace::Never) << "sent nothing";
        QTest::newRow("endless trickle") << int(LoopbackHttpServer::Pace::Trickle) << "within";
        QTest::newRow("broken off") << int(LoopbackHttpServer::Pace::AtOnce) << "broke off";
    }
    void incompleteReplyFails() {
        QFETCH(int, pace);
        QFETCH(QString, reason);
        LoopbackHttpServer server;
        LoopbackHttpServer::Response response = LoopbackHttpServer::text(200, QByteArray(500, 'x'));
        if (pace == int(LoopbackHttpServer::Pace::AtOnce))
            response.headers.append({"Content-Length", QByteArray("1000")});
        response.pace = static_cast<LoopbackHttpServer::Pace>(pace);
        response.pieceInterval = std::chrono::milliseconds(20);
        server.respond(response);
        using std::chrono::milliseconds;
        NetworkTransfer transfer({}, TransferLimits{milliseconds(150), milliseconds(400)});
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = run(transfer, server.url().toString());
        QCOMPARE(outcome.state, int(TransferComponent::icError));
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QVERIFY(clock.elapsed() < 2000);
    }

    void httpsWithTheExtraAuthority_data() {
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<bool>("throughProxy");
        QTest::newRow("trusted") << true << false;
        QTest::newRow("trusted, tunnelled") << true << true;
        QTest::newRow("not trusted") << false << false;
    }
    void httpsWithTheExtraAuthority() {
        QFETCH(bool, trusted);
        QFETCH(bool, throughProxy);
        LoopbackHttpServer server(certificate_.serverConfiguration());
        server.respond(LoopbackHttpServer::text(200, "secure"));
        LoopbackHttpProxy proxy;
        NetworkTransfer transfer(trusted ? QList{certificate_.certificate}
                                         : QList<QSslCertificate>{});
        if (throughProxy) {
            transfer.SetProxy(QStringLiteral("https=") + proxy.hostAndPort());
            transfer.SetAccessType(TransferComponent::icNamedProxy);
        }
        const Outcome outcome = run(transfer, server.url("/comsend.asp").toString());
        if (!trusted) {
            QCOMPARE(outcome.state, int(TransferComponent::icError));
            QVERIFY(!outcome.error.isEmpty());
            QCOMPARE(server.requests().size(), 0);
            return;
        }
        QCOMPARE(outcome.state, int(TransferComponent::icResponseCompleted));
        QCOMPARE(outcome.reply, QStringLiteral("secure"));
        QCOMPARE(proxy.passages().size(), throughProxy ? 1 : 0);
        if (throughProxy)
            QCOMPARE(proxy.passages().first().method, "CONNECT");
    }

    void readsTheProxyText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("proxy");  // "host:port", "direct" or "unusable"
        auto row = [](const char* name, const char* text, const char* scheme, const char* proxy) {
            QTest::newRow(name) << QString(text) << QString(scheme) << QString(proxy);
        };
        row("one for all", "p:3128", "https", "p:3128");
        row("scheme picks", "http=a:1 https=b:2", "https", "b:2");
        row("scheme case", "HTTP=a:1", "http", "a:1");
        row("no entry", "http=a:1", "https", "direct");
        row("entry beats catch-all", "c:3 http=a:1", "http", "a:1");
        row("empty", "", "http", "direct");
        row("ipv6", "[::1]:8080", "http", "::1:8080");
        row("empty parts", ":", "http", "unusable");
        row("no port", "p", "http", "unusable");
        row("port 0", "p:0", "http", "unusable");
        row("port too big", "p:65536", "http", "unusable");
        row("port not a number", "http=p:80x", "http", "unusable");
    }
    void readsTheProxyText() {
        QFETCH(QString, text);
        QFETCH(QString, scheme);
        QFETCH(QString, proxy);
        const std::optional<QNetworkProxy> named = NamedProxyFor(text, scheme);
        QString found = QStringLiteral("unusable");
        if (named && named->type() == QNetworkProxy::NoProxy)
            found = QStringLiteral("direct");
        else if (named && named->type() == QNetworkProxy::HttpProxy)
            found = named->hostName() + ':' + QString::number(named->port());
        QCOMPARE(found, proxy);
    }
};

QTEST_GUILESS_MAIN(TestNetworkTransfer)

#include "tst_network_transfer.moc"
