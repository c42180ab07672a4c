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
    void charges_data();
    void charges();
    void accountsRewrittenWholeAfterEveryCharge();
    void refusesMalformed_data();
    void refusesMalformed();
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
    const auto row = [](const char* tag, bool https, const char* user, const char* password,
                        bool known) {
        QTest::newRow(tag) << https << QString(user) << QString(password) << known;
    };
    row("http", false, "demo", "demo", true);
    row("https", true, "demo", "demo", true);
    row("wrong password", false, "demo", "Demo", false);
    row("unknown user, https", true, "nobody", "demo", false);
    row("empty user", false, "", "", false);
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

void TestGatewayServer::charges_data() {
    QTest::addColumn<qint64>("credits");
    QTest::addColumn<QString>("originator");
    QTest::addColumn<QString>("recipients");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("left");  // equal to `credits` when refused
    QTest::addColumn<bool>("https");
    const auto row = [](const char* tag, qint64 credits, const QString& originator,
                        const char* recipients, const QString& message, qint64 left,
                        bool https = false) {
        QTest::newRow(tag) << credits << originator << QString(recipients) << message << left
                           << https;
    };
    // Sent fields arrive decoded exactly as typed.
    const QString text = QString::fromUtf8("Tom & Jerry + 50% = ½\r\nΓειά σου&user=x");
    const char* two = "0944123456;0977123456";
    row("service originator", 1000, "Quillo", two, text, 990);
    row("no originator, https", 1000, "", two, text, 990, true);
    row("own originator, https", 1000, "Alice & Bob", two, text, 988, true);
    row("service name in small letters", 1000, "quillo", two, text, 988);
    row("exactly enough", 10, "Quillo", "1;2", "Hi", 0);
    row("one credit short", 11, "Alice", "1;2", "Hi", 11);
    row("empty pieces are free", 100, "", ";;1;;", "Hi", 95);
    row("blank pieces are free", 100, "", " ;1", "Hi", 95);
    row("nobody to send to", 100, "", ";", "Hi", 100);
    row("empty message", 100, "", "1", "", 100);
    row("large balance", 5'000'000'000, "Alice", "1;2;3", "Hi", 4'999'999'982);
}

void TestGatewayServer::charges() {
    QFETCH(qint64, credits);
    QFETCH(QString, originator);
    QFETCH(QString, recipients);
    QFETCH(QString, message);
    QFETCH(qint64, left);
    QFETCH(bool, https);
    startWith(credits);

    const Reply reply = send(originator, recipients, message, https);
    QCOMPARE(reply.status, 200);
    QVERIFY2(reply.text.endsWith(balanceLine(left)), qPrintable(reply.text));
    QCOMPARE(gateway_->credits("demo"), left);
    const QList<QJsonObject> outbox = gateway_->outbox();
    QCOMPARE(outbox.size(), left == credits ? 0 : 1);
    if (outbox.isEmpty())
        return;
    QCOMPARE(outbox[0][gw::kSms].toString(), message);
    QCOMPARE(outbox[0][gw::kRcpt].toString(), recipients);
    QCOMPARE(outbox[0][gw::kFrom].toString(), originator);
    QCOMPARE(outbox[0][gw::kAff].toString(), QString("pelicast"));
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

void TestGatewayServer::refusesMalformed_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    const auto row = [](const char* tag, const QString& page, const QByteArray& body,
                        int status = 400, const QByteArray& method = "POST",
                        const QByteArray& contentType = gw::kFormContentType) {
        QTest::newRow(tag) << method << page << contentType << body << status;
    };
    const QByteArray account = "user=demo&pass=demo";
    const QByteArray sendFields = account + "&rcpt=1&from=&aff=x&sms=";
    const QByteArray upload = account + "&newname=%0D%0Aa&newnum=%0D%0A1&newgroups=g&newemails=";
    row("oversized", gw::kSendPage, sendFields + QByteArray(256 * 1024, 'x'));
    row("broken escape", gw::kCreditsPage, account + "%2");
    row("not UTF-8", gw::kCreditsPage, "user=%C0%AF&pass=demo");
    row("missing field", gw::kSendPage, account);
    row("field twice", gw::kCreditsPage, account + "&user=root");
    row("not a form", gw::kCreditsPage, account, 400, "POST", "text/plain");
    row("lists differ in length", gw::kUploadPage, upload);
    row("delold other than 1", gw::kUploadPage, upload + "%0D%0Ax&delold=yes");
    row("GET on a form page", gw::kSendPage, {}, 405, "GET");
    row("unknown page", QStringLiteral("comdelete.asp"), account, 404);
}

void TestGatewayServer::refusesMalformed() {
    QFETCH(QByteArray, method);
    QFETCH(QString, page);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(int, status);

    const Reply reply = request(method, QUrl(gateway_->httpBase() + page), body, contentType);
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.text.contains(QLatin1String(gw::kCreditsMarker)));
    // Nothing charged or recorded, and still serving.
    QVERIFY(gateway_->outbox().isEmpty());
    QCOMPARE(gateway_->credits("demo"), 1000);
    QCOMPARE(post(false, gw::kCreditsPage, "user=demo&pass=demo").status, 200);
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
