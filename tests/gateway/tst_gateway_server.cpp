#include <QDir>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "app/gateway_contract.h"
#include "fakes/gateway_process.h"

using pelicast::fakes::GatewayProcess;
namespace gw = pelicast::gateway;

namespace {

using Fields = QList<std::pair<const char*, QString>>;

// Encoded the way the program encodes: names as they are, every value
// percent-encoded as UTF-8.
QByteArray encode(const Fields& fields) {
    QByteArrayList pairs;
    for (const auto& [name, value] : fields) {
        pairs << QByteArray(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return pairs.join('&');
}

QString sentList(const QString& text) {
    return QString(text).replace(QLatin1Char(';'), QLatin1String(gw::kListSeparator));
}

QString balanceLine(qint64 credits) {
    return QStringLiteral("\r\nCredits Left: %1").arg(credits);
}

QStringList strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        list << item.toString();
    }
    return list;
}

}  // namespace

class TestGatewayServer : public QObject {
    Q_OBJECT

    struct Reply {
        int status = 0;
        QByteArray contentType;
        QString text;
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
    };

    std::unique_ptr<GatewayProcess> gateway_;
    QNetworkAccessManager network_;

    Reply request(const QByteArray& method, const QUrl& url, const QByteArray& body = {},
                  const QByteArray& contentType = gw::kFormContentType);
    Reply post(bool https, const char* page, const QByteArray& body) {
        const QString base = https ? gateway_->httpsBase() : gateway_->httpBase();
        return request("POST", QUrl(base + QStringLiteral("quillo/") + QLatin1String(page)), body);
    }
    Reply send(const QString& originator, const QString& recipients,
               const QString& message = QStringLiteral("Hello"), bool https = false) {
        return post(https, gw::kSendPage,
                    encode({{gw::kUser, "demo"},
                            {gw::kPass, "demo"},
                            {gw::kSms, message},
                            {gw::kRcpt, sentList(recipients)},
                            {gw::kFrom, originator},
                            {gw::kAff, "pelicast"}}));
    }
    void startWith(qint64 credits) {
        gateway_ = std::make_unique<GatewayProcess>();
        QVERIFY2(gateway_->start({{"demo", "demo", credits}}), qPrintable(gateway_->errorString()));
    }

private slots:
    void init();
    void creditCheck_data();
    void creditCheck();
    void sendRecordsFieldsDecoded_data();
    void sendRecordsFieldsDecoded();
    void charges_data();
    void charges();
    void accountsRewrittenWholeAfterEveryCharge();
    void upload_data();
    void upload();
    void refusesMalformed_data();
    void refusesMalformed();
    void htmlPages_data();
    void htmlPages();
    void restartsOnTheSamePortsWithItsState();
    void keepsCorruptAccountsFileUntouched();
};

TestGatewayServer::Reply TestGatewayServer::request(const QByteArray& method, const QUrl& url,
                                                    const QByteArray& body,
                                                    const QByteArray& contentType) {
    QNetworkRequest request(url);
    request.setSslConfiguration(GatewayProcess::sslConfiguration());
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    std::unique_ptr<QNetworkReply> reply(network_.sendCustomRequest(request, method, body));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(10000)) {
        return {};
    }
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(),
            QString::fromUtf8(reply->readAll()), reply->error()};
}

void TestGatewayServer::init() {
    // A fresh stand-in with a fresh demo account for every test and row.
    gateway_ = std::make_unique<GatewayProcess>();
    QVERIFY2(gateway_->start(), qPrintable(gateway_->errorString()));
}

void TestGatewayServer::creditCheck_data() {
    QTest::addColumn<bool>("https");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("known");

    QTest::newRow("http") << false << "demo"
                          << "demo" << true;
    QTest::newRow("https") << true << "demo"
                           << "demo" << true;
    QTest::newRow("wrong password") << false << "demo"
                                    << "Demo" << false;
    QTest::newRow("unknown user, https") << true << "nobody"
                                         << "demo" << false;
    QTest::newRow("empty user") << false << ""
                                << "" << false;
}

void TestGatewayServer::creditCheck() {
    QFETCH(bool, https);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, known);

    const Reply reply =
        post(https, gw::kCreditsPage, encode({{gw::kUser, user}, {gw::kPass, password}}));
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.contentType, QByteArray("text/plain; charset=utf-8"));
    QCOMPARE(reply.text.endsWith(balanceLine(1000)), known);
    // The balance is for the account's holder only.
    QCOMPARE(reply.text.contains(QLatin1String(gw::kCreditsMarker)), known);
}

void TestGatewayServer::sendRecordsFieldsDecoded_data() {
    QTest::addColumn<bool>("https");
    QTest::addColumn<QString>("originator");
    QTest::addColumn<int>("cost");

    QTest::newRow("service originator") << false << "Quillo" << 10;
    QTest::newRow("no originator, https") << true << "" << 10;
    QTest::newRow("own originator, https") << true << "Alice & Bob" << 12;
    QTest::newRow("service name in small letters") << false << "quillo" << 12;
}

void TestGatewayServer::sendRecordsFieldsDecoded() {
    QFETCH(bool, https);
    QFETCH(QString, originator);
    QFETCH(int, cost);
    const QString message = QString::fromUtf8("Tom & Jerry + 50% = ½\r\nΓειά σου&user=x");
    const QString recipients = QStringLiteral("0944123456;0977123456");

    const Reply reply = send(originator, recipients, message, https);
    QCOMPARE(reply.status, 200);
    QVERIFY2(reply.text.endsWith(balanceLine(1000 - cost)), qPrintable(reply.text));

    const QList<QJsonObject> outbox = gateway_->outbox();
    QCOMPARE(outbox.size(), 1);
    const QJsonObject& sent = outbox.first();
    QCOMPARE(sent[gw::kSms].toString(), message);
    QCOMPARE(sent[gw::kRcpt].toString(), recipients);
    QCOMPARE(strings(sent["recipients"]), recipients.split(';'));
    QCOMPARE(sent[gw::kFrom].toString(), originator);
    QCOMPARE(sent[gw::kUser].toString(), QString("demo"));
    QCOMPARE(sent[gw::kAff].toString(), QString("pelicast"));
    QCOMPARE(sent["cost"].toInt(), cost);
    QCOMPARE(gateway_->credits("demo"), 1000 - cost);
}

void TestGatewayServer::charges_data() {
    QTest::addColumn<qint64>("credits");
    QTest::addColumn<QString>("originator");
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("left");  // equal to `credits` when refused

    QTest::newRow("exactly enough") << qint64(10) << "Quillo"
                                    << "1;2"
                                    << "Hi" << qint64(0);
    QTest::newRow("one credit short") << qint64(11) << "Alice"
                                      << "1;2"
                                      << "Hi" << qint64(11);
    QTest::newRow("empty pieces are free") << qint64(100) << ""
                                           << ";;1;;"
                                           << "Hi" << qint64(95);
    QTest::newRow("blank pieces are free") << qint64(100) << ""
                                           << " ;1"
                                           << "Hi" << qint64(95);
    QTest::newRow("nobody to send to") << qint64(100) << ""
                                       << ";"
                                       << "Hi" << qint64(100);
    QTest::newRow("empty message") << qint64(100) << ""
                                   << "1"
                                   << "" << qint64(100);
    QTest::newRow("large balance") << qint64(5'000'000'000) << "Alice"
                                   << "1;2;3"
                                   << "Hi" << qint64(4'999'999'982);
}

void TestGatewayServer::charges() {
    QFETCH(qint64, credits);
    QFETCH(QString, originator);
    QFETCH(QString, recipients);
    QFETCH(QString, message);
    QFETCH(qint64, left);
    startWith(credits);

    const Reply reply = send(originator, recipients, message);
    QCOMPARE(reply.status, 200);
    QVERIFY2(reply.text.endsWith(balanceLine(left)), qPrintable(reply.text));
    QCOMPARE(gateway_->outbox().size(), left == credits ? 0 : 1);
    QCOMPARE(gateway_->credits("demo"), left);
}

void TestGatewayServer::accountsRewrittenWholeAfterEveryCharge() {
    for (int round = 1; round <= 3; ++round) {
        QVERIFY(send("Quillo", "0944123456").text.endsWith(balanceLine(1000 - 5 * round)));
        QCOMPARE(gateway_->credits("demo"), 1000 - 5 * round);
        QCOMPARE(gateway_->outbox().size(), round);
        // Written through a temporary file that replaces the old one: nothing left over.
        QCOMPARE(QDir(gateway_->folder()).entryList(QDir::Files),
                 QStringList({"accounts.json", "outbox.jsonl"}));
    }
}

void TestGatewayServer::upload_data() {
    QTest::addColumn<bool>("https");
    QTest::addColumn<bool>("replace");

    QTest::newRow("keep groups") << false << false;
    QTest::newRow("replace groups, https") << true << true;
}

void TestGatewayServer::upload() {
    QFETCH(bool, https);
    QFETCH(bool, replace);
    Fields fields{{gw::kUser, "demo"},
                  {gw::kPass, "demo"},
                  {gw::kNewName, "\r\nAnna\r\n4 56"},
                  {gw::kNewNum, "\r\n123\r\n456"},
                  {gw::kNewEmails, "\r\nanna@example.org\r\n"},
                  {gw::kNewGroups, sentList("Friends;Work & Co")}};
    if (replace) {
        fields.append(std::pair<const char*, QString>(gw::kDelOld, gw::kDelOldValue));
    }

    const Reply reply = post(https, gw::kUploadPage, encode(fields));
    QCOMPARE(reply.status, 200);
    QVERIFY2(reply.text.endsWith(balanceLine(1000)), qPrintable(reply.text));

    const QList<QJsonObject> outbox = gateway_->outbox();
    QCOMPARE(outbox.size(), 1);
    const QJsonObject& list = outbox.first();
    QCOMPARE(strings(list["names"]), QStringList({"Anna", "4 56"}));
    QCOMPARE(strings(list["numbers"]), QStringList({"123", "456"}));
    QCOMPARE(strings(list["emails"]), QStringList({"anna@example.org", ""}));
    QCOMPARE(list[gw::kNewGroups].toString(), QString("Friends;Work & Co"));
    QCOMPARE(strings(list["groups"]), QStringList({"Friends", "Work & Co"}));
    QCOMPARE(list[gw::kDelOld].toBool(), replace);
    QCOMPARE(gateway_->credits("demo"), 1000);
}

void TestGatewayServer::refusesMalformed_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    const QByteArray form = gw::kFormContentType;
    const QByteArray account = "user=demo&pass=demo";
    const QByteArray sendFields = account + "&rcpt=1&from=&aff=x&sms=";
    const QByteArray upload = account + "&newname=%0D%0Aa&newnum=%0D%0A1&newgroups=g&newemails=";

    QTest::newRow("oversized") << QByteArray("POST") << gw::kSendPage << form
                               << sendFields + QByteArray(256 * 1024, 'x') << 400;
    QTest::newRow("broken escape")
        << QByteArray("POST") << gw::kCreditsPage << form << account + "%2" << 400;
    QTest::newRow("not UTF-8") << QByteArray("POST") << gw::kCreditsPage << form
                               << QByteArray("user=%C0%AF&pass=demo") << 400;
    QTest::newRow("missing field") << QByteArray("POST") << gw::kSendPage << form << account << 400;
    QTest::newRow("field twice") << QByteArray("POST") << gw::kCreditsPage << form
                                 << account + "&user=root" << 400;
    QTest::newRow("not a form") << QByteArray("POST") << gw::kCreditsPage
                                << QByteArray("text/plain") << account << 400;
    QTest::newRow("lists differ in length")
        << QByteArray("POST") << gw::kUploadPage << form << upload << 400;
    QTest::newRow("delold other than 1")
        << QByteArray("POST") << gw::kUploadPage << form << upload + "%0D%0Ax&delold=yes" << 400;
    QTest::newRow("GET on a form page")
        << QByteArray("GET") << gw::kSendPage << form << QByteArray() << 405;
    QTest::newRow("unknown page") << QByteArray("POST") << "comdelete.asp" << form << account
                                  << 404;
}

void TestGatewayServer::refusesMalformed() {
    QFETCH(QByteArray, method);
    QFETCH(QString, page);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(int, status);

    const Reply reply = request(method, QUrl(gateway_->httpBase() + page), body, contentType);
    QCOMPARE(reply.status, status);
    QVERIFY(reply.contentType.startsWith("text/plain"));
    QVERIFY(!reply.text.isEmpty());
    QVERIFY(!reply.text.contains(QLatin1String(gw::kCreditsMarker)));
    // Nothing charged or recorded, and still serving.
    QVERIFY(gateway_->outbox().isEmpty());
    QCOMPARE(gateway_->credits("demo"), 1000);
    QCOMPARE(post(false, gw::kCreditsPage, "user=demo&pass=demo").status, 200);
}

void TestGatewayServer::htmlPages_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("root") << "";
    QTest::newRow("domain folder") << "quillo/";
    QTest::newRow("account page") << "quillo/newuser.asp";
    QTest::newRow("purchase page") << "buy.asp";
}

void TestGatewayServer::htmlPages() {
    QFETCH(QString, path);
    const Reply reply = request("GET", QUrl(gateway_->httpsBase() + path));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.contentType.startsWith("text/html"));
    QVERIFY(reply.text.contains("<html>"));
}

void TestGatewayServer::restartsOnTheSamePortsWithItsState() {
    QVERIFY(send("", "1").text.endsWith(balanceLine(995)));
    const QString base = gateway_->httpBase();
    gateway_->stop();
    QCOMPARE(post(false, gw::kCreditsPage, "user=demo&pass=demo").error,
             QNetworkReply::ConnectionRefusedError);

    QVERIFY2(gateway_->start(), qPrintable(gateway_->errorString()));
    QCOMPARE(gateway_->httpBase(), base);
    QVERIFY(post(true, gw::kCreditsPage, "user=demo&pass=demo").text.endsWith(balanceLine(995)));
}

void TestGatewayServer::keepsCorruptAccountsFileUntouched() {
    QFile accounts(QDir(gateway_->folder()).filePath("corrupt.json"));
    QVERIFY(accounts.open(QIODevice::WriteOnly));
    accounts.write("{\"accounts\": [{\"user\": \"demo\"");
    accounts.close();

    QProcess process;
    process.start(PELICAST_TEST_GATEWAY, {"--http-port", "0", "--accounts", accounts.fileName()});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(accounts.open(QIODevice::ReadOnly));
    QCOMPARE(accounts.readAll(), QByteArray("{\"accounts\": [{\"user\": \"demo\""));
}

QTEST_GUILESS_MAIN(TestGatewayServer)
#include "tst_gateway_server.moc"
