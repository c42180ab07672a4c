// SPDX-License-Identifier: GPL-3.0-or-later
// GatewayClient over real loopback HTTP and HTTPS: against the stand-in, and
// against a scripted server for answers a sound gateway never gives.
#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <memory>

#include "core/gateway_client.h"
#include "core/gateway_protocol.h"
#include "core/send_estimate.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using testing::GatewayProcess;

namespace {

const FormFields kCreditCheck = creditCheckFields(u"anna"_s, u"s3cret"_s);

// Answers every request as told (a body of "silent": not at all) and keeps what came.
class ScriptedServer : public QAbstractHttpServer {
public:
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    int requests = 0;
    QByteArray lastRequest;  // "POST <path> <content type>\n<body>"

    QString base() { return u"http://127.0.0.1:%1/"_s.arg(listen(QHostAddress::LocalHost)); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        ++requests;
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
    client->setConnection({true, proxyPort.isNull() ? Proxy::Direct : Proxy::Custom, true,
                           u"127.0.0.1"_s, proxyPort});
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

    void sendsThroughTheStandIn_data() {
        QTest::addColumn<QString>("base");
        QTest::newRow("http") << gateway_.httpBase();
        QTest::newRow("https") << gateway_.httpsBase();
    }
    void sendsThroughTheStandIn() {
        QFETCH(QString, base);
        const auto client = clientFor(base);
        const QString message = u"Tom & Jerry + 50% = \u00bd\r\n\u0393\u03b5\u03b9\u03ac&user=x"_s;
        const MessageDraft draft{u"anna"_s, u"s3cret"_s, u"Quillo"_s, u"0944123456;0977123456"_s,
                                 message};
        const QString reply = run(*client, protocol::kSendPage, sendMessageFields(draft));
        QVERIFY2(reply.contains(u"accepted"_s), qPrintable(reply));
        QCOMPARE(balanceFromReply(reply).toLongLong(), gateway_.credits(u"anna"_s));
        const QJsonObject record = gateway_.outbox().last();
        QCOMPARE(record[u"sms"_s].toString(), message);
        QCOMPARE(record[u"rcpt"_s].toString(), draft.recipients);
    }

    void answers_data() {
        QTest::addColumn<QString>("base");       // null: the scripted server
        QTest::addColumn<QString>("proxyPort");  // not null: a typed proxy on loopback
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("outcome");  // the reply, or "!" and part of the failure
        const auto row = [](const char* tag, int status, const char* type, const QByteArray& body,
                            const QString& outcome, const QString& base = {},
                            const QString& proxyPort = {}) {
            QTest::newRow(tag) << base << proxyPort << status << QByteArray(type) << body
                               << outcome;
        };
        row("latin-1", 200, "text/plain;Charset=\"ISO-8859-1\"", "Gr\xfc\xdf", u"Gr\u00fc\u00df"_s);
        row("unknown charset: UTF-8", 200, "text/plain; charset=x-no", "\xe2\x82\xac", u"\u20ac"_s);
        // Any answer is the gateway's verdict: shown, never followed.
        row("error status", 500, "text/plain", "down", u"down"_s);
        row("redirect", 302, "text/plain", "moved", u"moved"_s);
        row("1 MiB", 200, "text/plain", QByteArray(1 << 20, 'x'), QString(1 << 20, u'x'));
        row("over 1 MiB", 200, "", QByteArray((1 << 20) + 1, 'x'), u"!larger than 1 MiB"_s);
        row("silence", 200, "", "silent", u"!sent nothing for 0.3 seconds"_s);

        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const QString port = QString::number(closed.serverPort());
        const QString nobody = u"http://127.0.0.1:%1/"_s.arg(port);
        closed.close();
        row("nothing listens", 0, "", {}, u"!could not be reached"_s, nobody);
        row("untrusted certificate", 0, "", {}, u"!No secure connection"_s, gateway_.httpsBase());
        row("unusable typed proxy", 0, "", {}, u"!names no usable proxy"_s, nobody, u"x"_s);
        // Refused rather than unknown: the typed proxy was asked, not the name service.
        row("typed proxy", 0, "", {}, u"!invalid could not be reached: Connection refused"_s,
            u"http://quillo.invalid/"_s, port);
    }
    void answers() {
        QFETCH(QString, base);
        QFETCH(QString, proxyPort);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, outcome);
        ScriptedServer server;
        server.status = status;
        server.contentType = contentType;
        server.body = body;
        const auto client = clientFor(base.isNull() ? server.base() : base, proxyPort);
        client->setLimits({std::chrono::milliseconds(300), std::chrono::seconds(10), 1 << 20});
        if (base.startsWith(u"https"_s))  // trusting the system's authorities only
            QSslConfiguration::setDefaultConfiguration(systemTls_);
        const qsizetype sent = gateway_.outbox().size();
        const QString result = run(*client, protocol::kSendPage, kCreditCheck);
        QSslConfiguration::setDefaultConfiguration(GatewayProcess::sslConfiguration());
        QCOMPARE(gateway_.outbox().size(), sent);
        if (!outcome.startsWith(u'!')) {
            QCOMPARE(result, outcome);
            QCOMPARE(server.requests, 1);
            QCOMPARE(server.lastRequest,
                     QByteArray("POST /quillo/comsend.asp application/"
                                "x-www-form-urlencoded\nuser=anna&pass=s3cret"));
            return;
        }
        QVERIFY2(result.startsWith(u"!The request did not reach the gateway.\r\n\r\n"_s) &&
                     result.contains(outcome.mid(1)) &&
                     result.endsWith(u"\r\n\r\nCheck your network connection and the Options, "
                                     u"then try again."_s),
                 qPrintable(result));
    }

    void refusesASecondRequest() {
        ScriptedServer server;
        server.body = "ok";
        const auto client = clientFor(server.base());
        QSignalSpy busy(client.get(), &GatewayClient::busyChanged);
        // Idle again by the time the reply is told: its slot may post the next.
        bool postedFromSlot = false;
        connect(client.get(), &GatewayClient::replied, this,
                [&] { postedFromSlot = postedFromSlot || client->post(u"next"_s, {}); });
        QVERIFY(client->post(QLatin1String(protocol::kCreditsPage), kCreditCheck));
        QVERIFY(!client->post(QLatin1String(protocol::kSendPage), kCreditCheck));
        QTRY_COMPARE(server.requests, 2);
        QVERIFY(postedFromSlot && server.lastRequest.startsWith("POST /quillo/next "));
        QTRY_COMPARE(busy.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestGatewayClient)
#include "tst_gateway_client.moc"
