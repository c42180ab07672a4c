// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in as a child process: what it charges and records, and how it
// answers requests no client of the protocol sends.
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "core/gateway_protocol.h"
#include "support/gateway_process.h"

using namespace Qt::StringLiterals;
using pelicast::testing::GatewayProcess;
namespace protocol = pelicast::protocol;

class TestGatewayStandIn : public QObject {
    Q_OBJECT

    std::unique_ptr<GatewayProcess> gateway_;
    QNetworkAccessManager network_;

    // The status and text of the answer.
    std::pair<int, QString> request(const QString& page, const QByteArray& body,
                                    const QByteArray& method = "POST",
                                    const QByteArray& type = protocol::kFormContentType) {
        QNetworkRequest request(QUrl(gateway_->httpBase() + u"quillo/"_s + page));
        request.setHeader(QNetworkRequest::ContentTypeHeader, type);
        std::unique_ptr<QNetworkReply> reply(network_.sendCustomRequest(request, method, body));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!reply->isFinished() && !finished.wait(10'000))
            return {0, QString()};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                QString::fromUtf8(reply->readAll())};
    }
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
        row("empty message", 100, "&from=&rcpt=1&sms=+", 100);
    }
    void chargesAndRecords() {
        QFETCH(qint64, credits);
        QFETCH(QByteArray, fields);
        QFETCH(qint64, left);
        startWith(credits);
        const auto [status, text] =
            request(QLatin1String(protocol::kSendPage), "user=demo&pass=demo&aff=x" + fields);
        QCOMPARE(status, 200);
        QVERIFY2(text.endsWith(u"\r\nCredits Left: %1"_s.arg(left)), qPrintable(text));
        QCOMPARE(gateway_->credits(u"demo"_s), left);
        const bool sent = left != credits;
        QCOMPARE(gateway_->outbox().size(), sent ? 1 : 0);
        // Rewritten whole through a temporary file: nothing else left in the folder.
        const QStringList files{u"accounts.json"_s, u"outbox.jsonl"_s};
        QCOMPARE(QDir(gateway_->folder()).entryList(QDir::Files), files.first(sent ? 2 : 1));
        // The balance goes to the account's holder only.
        QVERIFY(!request(QLatin1String(protocol::kCreditsPage), "user=demo&pass=Demo")
                     .second.contains(u"Credits"_s));
    }

    void refusesMalformed_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("type");
        const auto row = [](const char* tag, const char* page, const QByteArray& body,
                            int status = 400, const char* method = "POST",
                            const char* type = protocol::kFormContentType) {
            QTest::newRow(tag) << QString::fromLatin1(page) << body << status << QByteArray(method)
                               << QByteArray(type);
        };
        const QByteArray account = "user=demo&pass=demo";
        const QByteArray send = account + "&rcpt=1&from=&aff=x&sms=";
        const QByteArray upload =
            account + "&newname=%0D%0Aa&newnum=%0D%0A1&newgroups=g&newemails=";
        row("oversized", protocol::kSendPage, send + QByteArray(256 * 1024, 'x'));
        row("broken escape", protocol::kSendPage, send + "100%");
        row("not UTF-8", protocol::kCreditsPage, "user=%C0%AF&pass=demo");
        row("missing field", protocol::kSendPage, account);
        row("field twice", protocol::kSendPage, send + "&user=root");
        row("not a form", protocol::kCreditsPage, account, 400, "POST", "text/plain");
        row("lists differ in length", protocol::kUploadPage, upload);
        row("delold other than 1", protocol::kUploadPage, upload + "%0D%0Ax&delold=yes");
        row("GET on a form page", protocol::kSendPage, {}, 405, "GET");
        row("unknown page", "comdelete.asp", account, 404);
    }
    void refusesMalformed() {
        QFETCH(QString, page);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, type);
        startWith(1000);
        const auto [answerStatus, text] = request(page, body, method, type);
        QCOMPARE(answerStatus, status);
        QVERIFY(!text.contains(QLatin1String(protocol::kCreditsMarker)));
        // Nothing charged or recorded, and still serving.
        QVERIFY(gateway_->outbox().isEmpty());
        QCOMPARE(gateway_->credits(u"demo"_s), 1000);
        QCOMPARE(request(QLatin1String(protocol::kCreditsPage), "user=demo&pass=demo").first, 200);
    }
};

QTEST_GUILESS_MAIN(TestGatewayStandIn)
#include "tst_gateway_stand_in.moc"
