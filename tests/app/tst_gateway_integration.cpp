// The main window against the real gateway stand-in over loopback, through
// the real transfer component: what the gateway records, what the user sees.
#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QSslCertificate>
#include <QTest>
#include <memory>

#include "addressbook/picker_host.h"
#include "app/frmaddin.h"
#include "app/sms_text_edit.h"
#include "fakes/fake_services.h"
#include "fakes/gateway_process.h"
#include "platform/network_transfer.h"

using namespace pelicast;
using Answer = platform::Dialogs::Answer;

namespace {

constexpr int kReplyTimeoutMs = 20000;
const QString kUser = QStringLiteral("anna");
const QString kPassword = QStringLiteral("s3cret");
// A balance from an earlier run, shown at start.
const QString kEarlierCredits = QStringLiteral(" 42");
const QString kEarlierBalanceLine = QStringLiteral("Credits Left: (last run) 42");

// One main window with fake platform services, except the transfer, which is
// the real one trusting the stand-in's CA. `transport` ("http" or "https")
// picks the base, and the proxy is off so no system setting is read.
struct Window {
    Window(const fakes::GatewayProcess& gateway, const QString& transport) {
        fake.settings.set(QStringLiteral("transport"), transport);
        fake.settings.set(QStringLiteral("proxy"), QStringLiteral("0"));
        fake.settings.set(QStringLiteral("credits"), kEarlierCredits);
        window = std::make_unique<frmAddIn>(
            platform::Services{fake.settings, fake.registry, inet, fake.dialogs, fake.app,
                               fake.shell, fake.help, fake.components},
            GatewayLocation{gateway.httpBase(), gateway.httpsBase(), QStringLiteral("quillo")});
        window->show();
    }

    template <typename T>
    T* get(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    void fillAccount(const QString& user, const QString& password) {
        get<QLineEdit>("Uname")->setText(user);
        get<QLineEdit>("Pass")->setText(password);
    }
    void fillMessage(const QString& originator, const QString& recipients, const QString& message) {
        get<QLineEdit>("Orig")->setText(originator);
        get<QComboBox>("rcpt")->setEditText(recipients);
        get<SmsTextEdit>("sms")->setText(message);
    }
    // Send, confirmed.
    void send() {
        fake.dialogs.answers.enqueue(Answer::Yes);
        window->OKButton_Click();
    }
    // The credit check from the balance line, confirmed.
    void clickBalanceLine() {
        fake.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(get<QLabel>("chkcr"), Qt::LeftButton);
    }

    QString status() const { return get<QLabel>("status")->text(); }
    // After a reply: no status, arrow pointer, balance line and stored credits.
    void checkIdle(const QString& line, const QString& credits) const {
        QCOMPARE(status(), QString());
        QCOMPARE(window->mousePointer(), kPointerArrow);
        QCOMPARE(balanceLine(), line);
        QCOMPARE(fake.settings.get(QStringLiteral("credits")), credits);
    }
    QString balanceLine() const { return get<QLabel>("chkcr")->text(); }
    qsizetype boxes() const { return fake.dialogs.shown.size(); }
    const platform::Dialogs::Message& lastBox() const { return fake.dialogs.shown.last(); }

    fakes::FakeServices fake;
    platform::NetworkTransfer inet{QSslCertificate::fromPath(fakes::GatewayProcess::caPath())};
    std::unique_ptr<frmAddIn> window;
};

QString balanceLine(qint64 credits) {
    return QStringLiteral("Credits Left: ") + QString::number(credits);
}

void addTransportColumn() {
    QTest::addColumn<QString>("transport");
}

}  // namespace

class GatewayIntegrationTest : public QObject {
    Q_OBJECT

private:
    // Shared by every case; balances carry over, so cases read the balance
    // before they act.
    fakes::GatewayProcess gateway_;
    // Started once for its ports, then stopped: nothing listens there.
    fakes::GatewayProcess stopped_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(gateway_.start({{kUser, kPassword, 1000}}), qPrintable(gateway_.errorString()));
        QVERIFY2(stopped_.start(), qPrintable(stopped_.errorString()));
        stopped_.stop();
    }

    void sendRecordedAsTyped_data() {
        addTransportColumn();
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QString>("sentOriginator");
        QTest::addColumn<int>("price");
        QTest::newRow("http, own name") << "http"
                                        << " Shop "
                                        << "Shop" << 6;
        QTest::newRow("https, service name") << "https"
                                             << "Quillo"
                                             << "Quillo" << 5;
    }

    void sendRecordedAsTyped() {
        QFETCH(QString, transport);
        QFETCH(QString, originator);
        QFETCH(QString, sentOriginator);
        QFETCH(int, price);
        // Characters a form reader would cut at, turn into spaces or decode twice.
        const QString message =
            QStringLiteral("Tea & cake: 2+2=4, 100% sure, a%41b\r\nΚαλημέρα σας");
        const QString recipients = QStringLiteral("0944123456;Doe, Anna (0977111222);");
        const qint64 before = gateway_.credits(kUser);
        const qsizetype recorded = gateway_.outbox().size();
        const qint64 after = before - 2 * price;

        Window w(gateway_, transport);
        w.fillAccount(QStringLiteral("  ") + kUser + QStringLiteral(" "),
                      QStringLiteral(" ") + kPassword + QStringLiteral("  "));
        w.fillMessage(originator, recipients, QStringLiteral(" ") + message + QStringLiteral("  "));
        w.send();
        QCOMPARE(w.status(), QStringLiteral("Sending SMS..."));
        QCOMPARE(w.window->mousePointer(), kPointerArrowHourglass);

        QTRY_COMPARE_WITH_TIMEOUT(w.boxes(), 2, kReplyTimeoutMs);
        QCOMPARE(w.lastBox().title, QStringLiteral("Server Response:"));
        QCOMPARE(w.lastBox().text,
                 QStringLiteral("Message accepted for 2 recipients, %1 credits charged.\r\n")
                         .arg(2 * price) +
                     balanceLine(after));
        w.checkIdle(balanceLine(after), QStringLiteral(" ") + QString::number(after));
        QCOMPARE(gateway_.credits(kUser), after);

        const QList<QJsonObject> outbox = gateway_.outbox();
        QCOMPARE(outbox.size(), recorded + 1);
        const QJsonObject& record = outbox.last();
        QCOMPARE(record["from"].toString(), sentOriginator);
        QCOMPARE(record["sms"].toString(), message);
        QCOMPARE(record["rcpt"].toString(), recipients);
        QCOMPARE(record["recipients"].toArray(),
                 QJsonArray({"0944123456", "Doe, Anna (0977111222)"}));
    }

    // A reply that refuses, and a gateway that is not there: the balance stays.
    void failure_data() {
        addTransportColumn();
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("creditCheck");
        QTest::newRow("http, wrong password, send") << "http" << false << false;
        QTest::newRow("https, wrong password, credit check") << "https" << false << true;
        QTest::newRow("http, gateway down") << "http" << true << false;
        QTest::newRow("https, gateway down") << "https" << true << false;
    }
    void failure() {
        QFETCH(QString, transport);
        QFETCH(bool, down);
        QFETCH(bool, creditCheck);
        const qint64 before = gateway_.credits(kUser);
        const qsizetype recorded = gateway_.outbox().size();
        const QString unreached = QStringLiteral("did not reach the gateway");

        Window w(down ? stopped_ : gateway_, transport);
        w.fillAccount(kUser, down ? kPassword : kPassword + QStringLiteral("x"));
        w.fillMessage(QString(), QStringLiteral("0944123456"), QStringLiteral("hello"));
        creditCheck ? w.clickBalanceLine() : w.send();

        QTRY_COMPARE_WITH_TIMEOUT(w.boxes(), 2, kReplyTimeoutMs);
        if (down) {
            QCOMPARE(w.lastBox().title, QString());  // the application title
            QVERIFY2(w.lastBox().text.contains(unreached), qPrintable(w.lastBox().text));
        } else {
            QCOMPARE(w.lastBox().text, QStringLiteral("Wrong user name or password."));
        }
        w.checkIdle(kEarlierBalanceLine, kEarlierCredits);
        QCOMPARE(gateway_.credits(kUser), before);
        QCOMPARE(gateway_.outbox().size(), recorded);
        if (!down)
            return;
        // The failure ends the request: the next one is tried, not refused as busy.
        w.clickBalanceLine();
        QTRY_COMPARE_WITH_TIMEOUT(w.boxes(), 4, kReplyTimeoutMs);
        QVERIFY2(w.lastBox().text.contains(unreached), qPrintable(w.lastBox().text));
    }

    void creditCheck_data() {
        addTransportColumn();
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("http, balance line") << "http" << false;
        QTest::newRow("https, menu") << "https" << true;
    }

    void creditCheck() {
        QFETCH(QString, transport);
        QFETCH(bool, fromMenu);
        const qint64 balance = gateway_.credits(kUser);

        Window w(gateway_, transport);
        w.fillAccount(QStringLiteral(" ") + kUser, kPassword + QStringLiteral(" "));
        if (fromMenu) {
            w.fake.dialogs.answers.enqueue(Answer::Yes);
            w.get<QAction>("crmenu")->trigger();
        } else {
            w.clickBalanceLine();
        }
        QCOMPARE(w.status(), QStringLiteral("Sending request..."));
        QCOMPARE(w.window->mousePointer(), kPointerArrowHourglass);

        QTRY_COMPARE_WITH_TIMEOUT(w.boxes(), 2, kReplyTimeoutMs);
        QCOMPARE(w.lastBox().text, QStringLiteral("Account anna.\r\n") + balanceLine(balance));
        w.checkIdle(balanceLine(balance), QStringLiteral(" ") + QString::number(balance));
        QCOMPARE(gateway_.credits(kUser), balance);
    }
};

QTEST_MAIN(GatewayIntegrationTest)
#include "tst_gateway_integration.moc"
