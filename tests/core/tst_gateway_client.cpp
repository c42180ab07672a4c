// SPDX-License-Identifier: GPL-3.0-or-later
// GatewayClient over real loopback HTTP and HTTPS against a hostile scripted
// server: what a sound gateway never answers. The send through the stand-in
// is the main window's test.
#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <memory>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/message/send_estimate.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using testing::GatewayProcess;

namespace {

const FormFields kCreditCheck = creditCheckFields(u"anna"_s, u"s3cret"_s);

// Answers every request as told (a body of "silent": not at all) and keeps what came.
class ScriptedServer : public QAbstractHttpServer {
public:
    ScriptedServer(int status, const QByteArray& type, const QByteArray& body)
        : status(status), contentType(type), body(body) {}
    const int status;
    const QByteArray contentType;
    const QByteArray body;
    QByteArray lastRequest;  // "POST <path> <content type>\n<body>"

    QString base() { return u"http://127.0.0.1:%1/"_s.arg(listen(QHostAddress::LocalHost)); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        lastRequest = (request.method() == QHttpServerRequest::Method::Post ? "POST " : "other ") +
                      request.url().path().toUtf8() + ' ' + request.value("Content-Type") + '\n' +
                      request.body();
        if (body == "silent")
            return true;
        QHttpServerResponder responder = makeResponder(request, socket);
        responder.writeStatusLine(QHttpServerResponder::StatusCode(status));
        responder.writeHeader("Content-Type", contentType);
        responder.writeHeader("Content-Length", QByteArray::number(body.size()));
        responder.writeHeader("Location", "/quillo/elsewhere");
        responder.writeBody(body);
        return true;
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket*) override {}
};

std::unique_ptr<GatewayClient> clientFor(const QString& base, const QString& proxyPort = {}) {
    auto client = std::make_unique<GatewayClient>(GatewayLocation{base, base, u"quillo"_s});
    using Proxy = ConnectionSettings::Proxy;
    client->setConnection(
        {true, proxyPort.isNull() ? Proxy::Direct : Proxy::Custom, u"127.0.0.1"_s, proxyPort});
    return client;
}

// The reply, or "!" and the failure message.
QString run(GatewayClient& client, const char* page, const FormFields& fields) {
    QSignalSpy replied(&client, &GatewayClient::replied);
    QSignalSpy failed(&client, &GatewayClient::failed);
    if (!client.post(QLatin1String(page), fields) || !replied.isEmpty() || !failed.isEmpty())
        return u"<not posted, or answered inside post()>"_s;
    if (!QTest::qWaitFor([&] { return !client.isBusy(); }, 20'000) ||
        replied.size() + failed.size() != 1)
        return u"<not one outcome>"_s;
    return replied.isEmpty() ? u"!"_s + failed.first().first().toString()
                             : replied.first().first().toString();
}

}  // namespace

class TestGatewayClient : public QObject {
    Q_OBJECT

    GatewayProcess gateway_;
    QSslConfiguration systemTls_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}),
                 qPrintable(gateway_.errorString()));
        systemTls_ = QSslConfiguration::defaultConfiguration();
        QSslConfiguration::setDefaultConfiguration(GatewayProcess::sslConfiguration());
    }

    void answers_data() {
        QTest::addColumn<QString>("base");       // null: the scripted server
        QTest::addColumn<QString>("proxyPort");  // not null: a typed proxy on loopback
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("outcome");  // the reply, or "!" and the failure's start
        QTest::addColumn<QString>("detail");   // what else the failure says
        const auto row = [](const char* tag, int status, const char* type, const QByteArray& body,
                            const QString& outcome, const QString& detail = {},
                            const QString& base = {}, const QString& proxyPort = {}) {
            QTest::newRow(tag) << base << proxyPort << status << QByteArray(type) << body << outcome
                               << detail;
        };
        const QString notReached = u"!The request did not reach the gateway.\r\n\r\n"_s;
        const QString maybeSent =
            u"The message may have been sent: check your balance before sending again."_s;
        row("latin-1", 200, "text/plain;Charset=\"ISO-8859-1\"", "Gr\xfc\xdf", u"Gr\u00fc\u00df"_s);
        row("unknown charset: UTF-8", 200, "text/plain; charset=x-no", "\xe2\x82\xac", u"\u20ac"_s);
        row("markup stays text", 200, "text/html", "<b>Sent</b><script>", u"<b>Sent</b><script>"_s);
        row("1 MiB", 200, "text/plain", QByteArray(1 << 20, 'x'), QString(1 << 20, u'x'));
        // Delivered, so the gateway may have sent and charged.
        row("hang", 200, "", "silent", u"!No complete answer came back. "_s + maybeSent,
            u"sent nothing for 0.3 seconds"_s);
        row("over 1 MiB", 200, "", QByteArray((1 << 20) + 1, 'x'),
            u"!No complete answer came back. "_s + maybeSent, u"larger than 1 MiB"_s);
        // Never followed; redirecting is also how a post shows its result.
        row("redirect", 302, "text/plain", "moved",
            u"!The gateway answered HTTP 302 Found instead of a reply. "_s + maybeSent +
                u"\r\n\r\nmoved"_s);
        row("server error", 500, "text/html", "<p>down",
            u"!The gateway answered HTTP 500 Internal Server Error instead of a reply. "_s +
                maybeSent + u"\r\n\r\n<p>down"_s);
        row("refused", 400, "", "", u"!The gateway refused the request: HTTP 400 Bad Request."_s);

        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const QString port = QString::number(closed.serverPort());
        const QString nobody = u"http://127.0.0.1:%1/"_s.arg(port);
        closed.close();
        row("nothing listens", 0, "", {}, notReached, u"could not be reached"_s, nobody);
        row("untrusted certificate", 0, "", {}, notReached, u"No secure connection"_s,
            gateway_.httpsBase());
        row("unusable typed proxy", 0, "", {}, notReached, u"names no usable proxy"_s, nobody,
            u"x"_s);
        // Refused rather than unknown: the typed proxy was asked, not the name service.
        row("typed proxy", 0, "", {}, notReached,
            u"invalid could not be reached: Connection refused"_s, u"http://quillo.invalid/"_s,
            port);
    }
    void answers() {
        QFETCH(QString, base);
        QFETCH(QString, proxyPort);
        QFETCH(QString, outcome);
        QFETCH(QString, detail);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        ScriptedServer server(status, contentType, body);
        const auto client = clientFor(base.isNull() ? server.base() : base, proxyPort);
        GatewayClient::Limits limits;  // the reply cap as shipped: the 1 MiB rows test it
        limits.idle = std::chrono::milliseconds(300);
        limits.total = std::chrono::seconds(10);
        client->setLimits(limits);
        if (base.startsWith(u"https"_s))  // trusting the system's authorities only
            QSslConfiguration::setDefaultConfiguration(systemTls_);
        const qsizetype sent = gateway_.outbox().size();
        const QString result = run(*client, protocol::kSendPage, kCreditCheck);
        QSslConfiguration::setDefaultConfiguration(GatewayProcess::sslConfiguration());
        QCOMPARE(gateway_.outbox().size(), sent);
        QVERIFY2(outcome.startsWith(u'!') ? result.startsWith(outcome) && result.contains(detail)
                                          : result == outcome,
                 qPrintable(result.left(500)));
        // Posted as a form, and the redirect not followed.
        QCOMPARE(server.lastRequest,
                 base.isNull() ? QByteArray("POST /quillo/comsend.asp application/"
                                            "x-www-form-urlencoded\nuser=anna&pass=s3cret")
                               : QByteArray());
    }

    void refusesASecondRequest() {
        ScriptedServer server(200, "text/plain", "ok");
        const auto client = clientFor(server.base());
        QSignalSpy busy(client.get(), &GatewayClient::busyChanged);
        // Idle again by the time the reply is told: its slot may post the next.
        bool postedFromSlot = false;
        connect(client.get(), &GatewayClient::replied, this,
                [&] { postedFromSlot = postedFromSlot || client->post(u"next"_s, {}); });
        QVERIFY(client->post(QLatin1String(protocol::kCreditsPage), kCreditCheck));
        QVERIFY(!client->post(QLatin1String(protocol::kSendPage), kCreditCheck));
        QTRY_VERIFY(postedFromSlot && server.lastRequest.startsWith("POST /quillo/next "));
        QTRY_COMPARE(busy.size(), 4);
    }

    void readsBalances_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("balance");  // null: the reply states none
        QTest::newRow("at the end") << u"Message sent.\r\nCredits Left: 87"_s << u" 87"_s;
        QTest::newRow("up to a second marker")
            << u"Credits Left: 5\r\nCredits Left: 6"_s << u" 5\r\n"_s;
        QTest::newRow("nothing behind") << u"Credits Left:"_s << u""_s;
        QTest::newRow("markup kept as text") << u"Credits Left:<b>9</b>"_s << u"<b>9</b>"_s;
        QTest::newRow("other letter case") << u"CREDITS LEFT: 5"_s << QString();
        QTest::newRow("no marker") << u"Wrong password."_s << QString();
    }
    void readsBalances() {
        QFETCH(QString, reply);
        QFETCH(QString, balance);
        QCOMPARE(balanceFromReply(reply), balance);
        QCOMPARE(balanceFromReply(reply).isNull(), balance.isNull());
    }
};

QTEST_GUILESS_MAIN(TestGatewayClient)
#include "tst_gateway_client.moc"
