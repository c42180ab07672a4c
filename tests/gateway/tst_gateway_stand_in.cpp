// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in as a child process: what it charges and records, and how it
// answers requests no client of the protocol sends.
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include <sys/stat.h>

#include "core/gateway/gateway_protocol.h"
#include "support/gateway_process.h"

using namespace Qt::StringLiterals;
using pelicast::testing::GatewayProcess;
namespace protocol = pelicast::protocol;

class TestGatewayStandIn : public QObject {
    Q_OBJECT

    std::unique_ptr<GatewayProcess> gateway_;
    QNetworkAccessManager network_;

    // The status and text of the answer to a form sent as the program sends it.
    std::pair<int, QString> request(const char* page, const QByteArray& body) {
        QNetworkRequest request(QUrl(gateway_->httpBase() + u"quillo/"_s + QLatin1String(page)));
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArray(protocol::kFormContentType));
        std::unique_ptr<QNetworkReply> reply(network_.post(request, body));
        if (!QTest::qWaitFor([&reply] { return reply->isFinished(); }, 10'000))
            return {0, QString()};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                QString::fromUtf8(reply->readAll())};
    }
    quint16 port() const { return quint16(QUrl(gateway_->httpBase()).port()); }
    void startWith(qint64 credits) {
        gateway_ = std::make_unique<GatewayProcess>();
        QVERIFY2(gateway_->start({{u"demo"_s, u"demo"_s, credits}}),
                 qPrintable(gateway_->errorString()));
    }

private Q_SLOTS:
    void chargesAndRecords_data() {
        QTest::addColumn<qint64>("credits");
        QTest::addColumn<QByteArray>("fields");  // after "user=demo&pass=demo&aff=x"
        QTest::addColumn<qint64>("left");        // `credits` when nothing was sent
        const auto row = [](const char* tag, qint64 credits, const char* fields, qint64 left) {
            QTest::newRow(tag) << credits << QByteArray(fields) << left;
        };
        row("service originator", 1000, "&from=Quillo&rcpt=1----2&sms=Hi", 990);
        row("own originator", 1000, "&from=quillo&rcpt=1----2&sms=Hi", 988);
        row("exactly enough", 10, "&from=&rcpt=1----2&sms=Hi", 0);
        row("one credit short", 11, "&from=Bo&rcpt=1----2&sms=Hi", 11);
        row("empty and blank pieces are free", 100, "&from=&rcpt=--------1----%20&sms=Hi", 95);
    }
    void chargesAndRecords() {
        QFETCH(qint64, credits);
        QFETCH(QByteArray, fields);
        QFETCH(qint64, left);
        startWith(credits);
        const auto [status, text] =
            request(protocol::kSendPage, "user=demo&pass=demo&aff=x" + fields);
        QCOMPARE(status, 200);
        QVERIFY2(text.endsWith(u"\r\nCredits Left: %1"_s.arg(left)), qPrintable(text));
        QCOMPARE(gateway_->credits(u"demo"_s), left);
        const bool sent = left != credits;
        QCOMPARE(gateway_->outbox().size(), sent ? 1 : 0);
        // What the stand-in records is its user's only.
        struct stat info {};
        QVERIFY(!sent || ::stat(QFile::encodeName(gateway_->outboxPath()), &info) == 0);
        QVERIFY(!sent || (info.st_mode & 0777) == 0600);
        // The balance goes to the account's holder only.
        QVERIFY(
            !request(protocol::kCreditsPage, "user=demo&pass=Demo").second.contains(u"Credits"_s));
    }

    // Charged only once recorded: a crash in between never takes credits
    // without a record of what they paid for.
    void recordsBeforeCharging() {
        startWith(1000);
        // The accounts can no longer be written.
        QVERIFY(QFile::remove(gateway_->accountsPath()));
        QVERIFY(QDir().mkdir(gateway_->accountsPath()));
        QCOMPARE(
            request(protocol::kSendPage, "user=demo&pass=demo&aff=x&from=&rcpt=1&sms=Hi").first,
            500);
        QCOMPARE(gateway_->outbox().size(), 1);
    }

    // Connections that send nothing, or half a request, are closed in time,
    // and the oldest make room for new ones.
    void idleConnectionsMakeRoomAndTimeOut() {
        startWith(1000);
        std::vector<std::unique_ptr<QTcpSocket>> idle(100);
        for (std::unique_ptr<QTcpSocket>& socket : idle) {
            socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, port());
            QVERIFY(socket->waitForConnected(5000));
            if (&socket - &idle.front() < 50)  // half a request
                socket->write("POST /quillo/comsend.asp HTTP/1.1\r\nContent-Len");
        }
        QCOMPARE(request(protocol::kCreditsPage, "user=demo&pass=demo").first, 200);
        for (const auto& socket : idle) {
            QVERIFY(socket->state() == QAbstractSocket::UnconnectedState ||
                    socket->waitForDisconnected(10'000));
        }
    }

    void refusesMalformed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        const auto row = [](const char* tag, const QByteArray& request, int status = 400) {
            QTest::newRow(tag) << request << status;
        };
        const auto post = [](const char* page, const QByteArray& body,
                             const QByteArray& type = protocol::kFormContentType) {
            return "POST /quillo/" + QByteArray(page) +
                   " HTTP/1.1\r\nHost: x\r\nContent-Type: " + type +
                   "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        };
        const QByteArray account = "user=demo&pass=demo";
        const QByteArray send = account + "&rcpt=1&from=&aff=x&sms=";
        const QByteArray upload =
            account + "&newname=%0D%0Aa&newnum=%0D%0A1&newgroups=g&newemails=";
        row("oversized", post(protocol::kSendPage, send + QByteArray(256 * 1024, 'x')), 413);
        row("broken escape", post(protocol::kSendPage, send + "100%"));
        row("not UTF-8", post(protocol::kCreditsPage, "user=%C0%AF&pass=demo"));
        row("missing field", post(protocol::kSendPage, account));
        row("field twice", post(protocol::kSendPage, send + "&user=root"));
        row("not a form", post(protocol::kCreditsPage, account, "text/plain"));
        row("lists differ in length", post(protocol::kUploadPage, upload));
        row("delold other than 1", post(protocol::kUploadPage, upload + "%0D%0Ax&delold=yes"));
        // Refused from the headers alone, before any body is taken in.
        row("conflicting lengths",
            post(protocol::kCreditsPage, account)
                .replace("Content-Length:", "Content-Length: 5\r\nContent-Length:"));
        row("huge body announced",
            "POST /quillo/comsend.asp HTTP/1.1\r\nContent-Length: 104857600\r\n\r\n", 413);
        row("chunked body",
            "POST /quillo/comsend.asp HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
            501);
        row("endless headers", "GET / HTTP/1.1\r\nX: " + QByteArray(64 * 1024, 'x'), 431);
    }
    void refusesMalformed() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        startWith(1000);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port());
        socket.write(bytes);
        QVERIFY(QTest::qWaitFor([&socket] { return socket.canReadLine(); }, 5000));
        const QByteArray statusLine = socket.readLine();
        QVERIFY2(statusLine.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '),
                 statusLine.constData());
        // Nothing charged or recorded, and still serving.
        QVERIFY(gateway_->outbox().isEmpty());
        QCOMPARE(gateway_->credits(u"demo"_s), 1000);
        QCOMPARE(request(protocol::kCreditsPage, "user=demo&pass=demo").first, 200);
    }
};

QTEST_GUILESS_MAIN(TestGatewayStandIn)
#include "tst_gateway_stand_in.moc"
