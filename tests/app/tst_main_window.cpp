#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/frmaddin.h"
#include "app/sms_text_edit.h"
#include "app/transform.h"
#include "fakes/fake_services.h"

using namespace pelicast;

namespace {
const GatewayLocation kLocation{QStringLiteral("http://www."), QStringLiteral("https://secure."),
                                QStringLiteral("quillo.example")};

template <typename T>
T* child(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void first_start_with_an_empty_store() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        QCOMPARE(child<QLineEdit>(window, "Uname")->text(), QString());
        QCOMPARE(child<QLineEdit>(window, "Pass")->text(), QString());
        QVERIFY(!child<QCheckBox>(window, "remember")->isChecked());
        QCOMPARE(child<QLineEdit>(window, "Orig")->text(), QStringLiteral("Quillo"));
        auto* rcpt = child<QComboBox>(window, "rcpt");
        QCOMPARE(rcpt->count(), 4);
        QCOMPARE(rcpt->currentText(), QString());
        QCOMPARE(child<QLabel>(window, "chkcr")->text(), QStringLiteral("Credits Left: Unknown"));
        QCOMPARE(window.transportPrefix(), QStringLiteral("https://secure."));
        QCOMPARE(fake.app.HelpFile(), QStringLiteral("/opt/pelicast/sms.chm"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quillo"));
    }

    void restores_stored_values() {
        fakes::FakeServices fake;
        const QString key = QString::fromLatin1(userdata::kScrambleKey);
        fake.settings.set("username", Transform("anna", key));
        fake.settings.set("password", Transform(QStringLiteral("581x"), key));  // scrambles to NULs
        fake.settings.set("originator", Transform("Shop", key));
        fake.settings.set("rcpt2", "0944;0977");
        fake.settings.set("credits", " 87");
        fake.settings.set("transport", "http");
        frmAddIn window(fake.services(), kLocation);
        QCOMPARE(child<QLineEdit>(window, "Uname")->text(), QStringLiteral("anna"));
        QCOMPARE(child<QLineEdit>(window, "Pass")->text(), QStringLiteral("581x"));
        QVERIFY(child<QCheckBox>(window, "remember")->isChecked());
        QCOMPARE(child<QLineEdit>(window, "Orig")->text(), QStringLiteral("Shop"));
        QCOMPARE(child<QComboBox>(window, "rcpt")->itemText(1), QStringLiteral("0944;0977"));
        QCOMPARE(child<QLabel>(window, "chkcr")->text(),
                 QStringLiteral("Credits Left: (last run) 87"));
        QCOMPARE(window.transportPrefix(), QStringLiteral("http://www."));
    }

    void counter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("limit");
        QTest::newRow("empty") << QString() << "160 characters left" << 160;
        QTest::newRow("150 characters") << QString(150, 'a') << "10 characters left" << 160;
        QTest::newRow("100 with one line break")
            << QString(49, 'a') + "|" + QString(49, 'b') << "61 characters left" << 161;
        QTest::newRow("typing beyond the limit is refused")
            << QString(170, 'a') << "0 characters left" << 160;
    }
    void counter() {
        QFETCH(QString, typed);
        QFETCH(QString, counter);
        QFETCH(int, limit);
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        auto* sms = child<SmsTextEdit>(window, "sms");
        // "|" stands for the Enter key.
        const QStringList parts = typed.split('|');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(sms, Qt::Key_Return);
            QTest::keyClicks(sms, parts.at(i));
        }
        QTest::keyClick(sms, Qt::Key_Shift);  // a key release with nothing typed
        QCOMPARE(child<QLabel>(window, "counter")->text(), counter);
        QCOMPARE(sms->maxLength(), limit);
    }

    void line_break_needs_two_characters_of_room() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        auto* sms = child<SmsTextEdit>(window, "sms");
        QTest::keyClicks(sms, QString(159, 'a'));
        QTest::keyClick(sms, Qt::Key_Return);
        QCOMPARE(sms->text(), QString(159, 'a'));
        QTest::keyClick(sms, Qt::Key_A);
        QCOMPARE(child<QLabel>(window, "counter")->text(), QStringLiteral("0 characters left"));
    }

    void paste_is_cut_to_the_room_left() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        auto* sms = child<SmsTextEdit>(window, "sms");
        sms->setText(QString(150, 'a'));
        sms->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QStringLiteral("0123\n456789ABCDEF"));
        if (QGuiApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        sms->paste();
        QCOMPARE(sms->text(), QString(150, 'a') + QStringLiteral("0123\r\n4567"));
    }

    void new_sms_clears_recipients_and_message_only() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        child<QLineEdit>(window, "Uname")->setText("anna");
        child<QComboBox>(window, "rcpt")->setEditText("0944");
        auto* sms = child<SmsTextEdit>(window, "sms");
        QTest::keyClicks(sms, QStringLiteral("a"));
        QTest::keyClick(sms, Qt::Key_Return);
        QTest::keyClicks(sms, QStringLiteral("b"));
        window.newb_Click();
        QCOMPARE(child<QComboBox>(window, "rcpt")->currentText(), QString());
        QCOMPARE(sms->text(), QString());
        QCOMPARE(child<QLineEdit>(window, "Uname")->text(), QStringLiteral("anna"));
        QCOMPARE(child<QLabel>(window, "counter")->text(), QStringLiteral("160 characters left"));
        QCOMPARE(sms->maxLength(), 161);  // until the next key release
        QVERIFY(child<QComboBox>(window, "rcpt")->hasFocus());
    }

    void keeps_its_size() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize size = window.frameGeometry().size();
        QCOMPARE(size, QSize(420, 415));
        window.resize(800, 700);
        QCOMPARE(window.frameGeometry().size(), size);
    }

    void ending_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "CancelButton";
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("title bar") << "close";
    }
    void ending() {
        QFETCH(QString, how);
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        int ends = 0;
        window.endProgram = [&] { ++ends; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (how == "CancelButton")
            child<QPushButton>(window, "CancelButton")->click();
        else if (how == "Exit")
            window.findChild<QAction*>("Exit")->trigger();
        else
            window.close();
        QCOMPARE(ends, 1);
        QVERIFY(!window.isVisible());
    }

    void controls_and_tab_order() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        QCOMPARE(child<QLineEdit>(window, "Orig")->maxLength(), 11);
        QCOMPARE(child<QLineEdit>(window, "Pass")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QWidget>(window, "rcpt")->toolTip(),
                 QStringLiteral("Recipient(s) Enter multiple recipients delimited with ;"));
        QCOMPARE(child<QWidget>(window, "status")->geometry(), QRect(0, 344, 409, 33));
        const char* order[] = {"Uname", "Pass", "remember", "Orig", "rcpt", "sms", "OKButton"};
        for (size_t i = 0; i + 1 < std::size(order); ++i) {
            QWidget* current = child<QWidget>(window, order[i]);
            QWidget* next = current->nextInFocusChain();
            // Skip what takes no tab focus and the insides of composite controls.
            while (!(next->focusPolicy() & Qt::TabFocus) || current->isAncestorOf(next))
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), QString::fromLatin1(order[i + 1]));
        }
    }

    // Last: an application leaves its event loops only once.
    void ending_leaves_the_event_loop_while_a_request_is_out() {
        fakes::FakeServices fake;
        frmAddIn window(fake.services(), kLocation);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.channel().post("https://secure.quillo.example/comcredits.asp", "user=a&pass=b",
                              "Sending request...");
        QTimer::singleShot(0, &window, [&] { window.close(); });
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
