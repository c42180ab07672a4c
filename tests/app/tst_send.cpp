#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QUrlQuery>

#include "app/frmaddin.h"
#include "app/sms_text_edit.h"
#include "app/transform.h"
#include "fakes/fake_services.h"

using namespace pelicast;
using platform::Dialogs;

namespace {
const GatewayLocation kLocation{QStringLiteral("http://www."), QStringLiteral("https://secure."),
                                QStringLiteral("quillo.example")};

struct Form {
    fakes::FakeServices fake;
    frmAddIn window{fake.services(), kLocation};

    template <typename T>
    T* get(const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }
    void fill(const QString& user, const QString& pass, const QString& orig, const QString& rcpt,
              const QString& sms) {
        get<QLineEdit>("Uname")->setText(user);
        get<QLineEdit>("Pass")->setText(pass);
        get<QLineEdit>("Orig")->setText(orig);
        get<QComboBox>("rcpt")->setEditText(rcpt);
        get<SmsTextEdit>("sms")->setText(sms);
    }
    QStringList rotation() {
        QStringList list;
        for (const char* key : {"rcpt1", "rcpt2", "rcpt3", "rcpt4"})
            list << fake.settings.get(QLatin1String(key));
        return list;
    }
    QString stored(const char* key) {
        return Transform(fake.settings.get(QLatin1String(key)),
                         QString::fromLatin1(userdata::kScrambleKey));
    }
};

// The body's fields decoded the way a standard form parser does.
QList<QPair<QString, QString>> decoded(const QString& body) {
    QList<QPair<QString, QString>> fields;
    for (const QString& pair : body.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        fields.append({pair.left(eq), QUrl::fromPercentEncoding(pair.mid(eq + 1).toUtf8())});
    }
    return fields;
}
}  // namespace

class SendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checks_fields_in_order_data() {
        QTest::addColumn<QStringList>("fields");  // user, pass, rcpt, sms
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no user") << QStringList{"", "", "", ""}
                                 << "Please enter Your Quillo Username"
                                 << "Uname";
        QTest::newRow("no password")
            << QStringList{"anna", "", "1", "hi"} << "Please enter Password for User anna"
            << "Pass";
        QTest::newRow("no recipient")
            << QStringList{" ", "p", "", "hi"} << "Please enter the recipient of You sms message"
            << "rcpt";
        QTest::newRow("no message") << QStringList{"a", "p", "1", ""} << "Please write Your message"
                                    << "sms";
    }
    void checks_fields_in_order() {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Form form;
        form.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.fill(fields[0], fields[1], "Shop", fields[2], fields[3]);
        form.get<QCheckBox>("remember")->setChecked(true);
        form.window.OKButton_Click();
        QCOMPARE(form.fake.dialogs.shown.size(), 1);
        QCOMPARE(form.fake.dialogs.lastText(), message);
        QCOMPARE(QApplication::focusWidget()->objectName().isEmpty()
                     ? QApplication::focusWidget()->parentWidget()->objectName()
                     : QApplication::focusWidget()->objectName(),
                 focus);
        QVERIFY(form.fake.inet.requests.isEmpty());
        // The account fields are stored before any check, as typed.
        QCOMPARE(form.stored("username"), fields[0]);
        QCOMPARE(form.stored("password"), fields[1]);
        QCOMPARE(form.stored("originator"), QStringLiteral("Shop"));
        QVERIFY(!form.fake.settings.has("rcpt1"));
    }

    void confirms_count_and_cost_data() {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QString>("confirmation");
        const QString note = QStringLiteral(" (additional interconnection charges may apply) ");
        auto text = [](int n, int cost, const QString& note) {
            return QStringLiteral(
                       "You will send sms to %1 recipients.\r\nIt will cost You %2 "
                       "credits %3.\r\nDo you wish to continue ?")
                .arg(n)
                .arg(cost)
                .arg(note);
        };
        QTest::newRow("two home numbers") << "0944123456;0977123456"
                                          << "Quillo" << text(2, 10, "");
        QTest::newRow("trailing semicolon sets the note") << "0944123456;0977123456;"
                                                          << "Quillo" << text(2, 10, note);
        QTest::newRow("international number sets the note") << "+30944123456;306912345678"
                                                            << "" << text(2, 10, note);
        QTest::newRow("own originator costs 6") << "0944123456"
                                                << "Shop" << text(1, 6, "");
        QTest::newRow("small letters cost 6") << "0944123456"
                                              << "quillo" << text(1, 6, "");
        QTest::newRow("only a semicolon") << ";"
                                          << "Quillo" << text(0, 0, note);
        QTest::newRow("blank piece counts") << " ;0944"
                                            << "Quillo" << text(2, 10, note);
        // Far beyond 16 bits of cost: counted without overflow.
        QTest::newRow("many recipients") << (QStringLiteral("0944;").repeated(40000) + "0944")
                                         << "Shop" << text(40001, 240006, "");
    }
    void confirms_count_and_cost() {
        QFETCH(QString, recipients);
        QFETCH(QString, originator);
        QFETCH(QString, confirmation);
        Form form;
        form.fill("anna", "secret", originator, recipients, "hello");
        form.window.OKButton_Click();
        QCOMPARE(form.fake.dialogs.shown.size(), 1);
        QCOMPARE(form.fake.dialogs.shown.first().text, confirmation);
        QCOMPARE(form.fake.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    }

    void posts_the_message_on_yes() {
        Form form;
        const QString message =
            QString::fromUtf8(" a&b=c+d%e\r\n\xce\xb3\xce\xb5\xce\xb9\xce\xb1 ");
        form.fill(" anna ", "se cret", "Shop ", " 0944;0977 ", message);
        form.fake.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        form.window.OKButton_Click();
        QCOMPARE(form.fake.inet.requests.size(), 1);
        const auto& request = form.fake.inet.requests.first();
        QCOMPARE(request.url, QStringLiteral("https://secure.quillo.example/comsend.asp"));
        const QList<QPair<QString, QString>> expected{
            {"user", "anna"},
            {"pass", "se cret"},
            {"sms", QString::fromUtf8("a&b=c+d%e\r\n\xce\xb3\xce\xb5\xce\xb9\xce\xb1")},
            {"rcpt", "0944----0977"},
            {"from", "Shop"},
            {"aff", "brackel"}};
        QCOMPARE(decoded(request.body), expected);
        QCOMPARE(form.window.mousePointer(), 13);
        QCOMPARE(form.fake.settings.get("rcpt1"), QStringLiteral(" 0944;0977 "));
    }

    void remembers_recipients_on_yes_and_no() {
        Form form;
        for (const char* key : {"rcpt1", "rcpt2", "rcpt3", "rcpt4"})
            form.fake.settings.set(QLatin1String(key), QString(QChar(key[4] - '1' + 'A')));
        form.fill("anna", "p", "", "E", "hi");
        form.window.OKButton_Click();  // answered No
        QVERIFY(form.fake.inet.requests.isEmpty());
        QCOMPARE(form.window.mousePointer(), 0);
        QCOMPARE(form.rotation(), (QStringList{"E", "A", "B", "C"}));

        // The same recipients again: recorded once.
        form.fake.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        form.window.OKButton_Click();
        QCOMPARE(form.fake.inet.requests.size(), 1);
        QCOMPARE(form.rotation(), (QStringList{"E", "A", "B", "C"}));
    }

    void unticked_remember_stores_no_password() {
        Form form;
        form.fill("anna", "secret", "", "", "");
        form.window.OKButton_Click();
        QCOMPARE(form.fake.settings.get("password"), QString());
        QCOMPARE(form.stored("username"), QStringLiteral("anna"));
    }

    void refuses_while_a_request_is_out() {
        Form form;
        form.fill("anna", "p", "", "0944", "hi");
        form.fake.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        form.window.OKButton_Click();
        form.fill("bob", "q", "", "0977", "again");
        form.window.OKButton_Click();
        QCOMPARE(form.fake.inet.requests.size(), 1);
        QCOMPARE(form.fake.dialogs.lastText(),
                 QStringLiteral("A request is already in progress. Please wait for the "
                                "server's reply."));
        QCOMPARE(form.stored("username"), QStringLiteral("anna"));
    }

    void credit_check_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("message");  // last box shown
        QTest::addColumn<QString>("body");     // empty: nothing posted
        QTest::newRow("no user") << ""
                                 << "p" << true << "Please enter Your Quillo username"
                                 << "";
        QTest::newRow("no password") << "a"
                                     << "" << true << "Please enter Your Quillo password"
                                     << "";
        QTest::newRow("answered No")
            << "a"
            << "p" << false << "Receive credit balance from Quillo server ?"
            << "";
        QTest::newRow("user of blanks")
            << "  "
            << " p " << true << "Receive credit balance from Quillo server ?"
            << "user=&pass=p";
    }
    void credit_check() {
        QFETCH(QString, user);
        QFETCH(QString, pass);
        QFETCH(bool, yes);
        QFETCH(QString, message);
        QFETCH(QString, body);
        for (const char* entry : {"chkcr", "crmenu"}) {
            Form form;
            form.fill(user, pass, "", "", "");
            if (yes)
                form.fake.dialogs.answers.enqueue(Dialogs::Answer::Yes);
            if (QLatin1String(entry) == QLatin1String("crmenu"))
                form.window.findChild<QAction*>("crmenu")->trigger();
            else
                QTest::mouseClick(form.get<QWidget>("chkcr"), Qt::LeftButton);
            QCOMPARE(form.fake.dialogs.lastText(), message);
            if (body.isEmpty()) {
                QVERIFY(form.fake.inet.requests.isEmpty());
                QCOMPARE(form.window.mousePointer(), 0);
                continue;
            }
            QCOMPARE(form.fake.inet.requests.size(), 1);
            QCOMPARE(form.fake.inet.requests.first().url.section('/', -1), "comcredits.asp");
            QCOMPARE(form.fake.inet.requests.first().body, body);
            QVERIFY(!form.fake.settings.has("username"));  // a check stores nothing
        }
    }
};

QTEST_MAIN(SendTest)
#include "tst_send.moc"
