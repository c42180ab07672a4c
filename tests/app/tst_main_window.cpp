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

// A main window over fake services, optionally shown.
struct Win {
    fakes::FakeServices fake;
    frmAddIn window{fake.services(), kLocation};
    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T>
    T* get(const char* name) {
        T* widget = window.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QString edit(const char* name) { return get<QLineEdit>(name)->text(); }
    QString label(const char* name) { return get<QLabel>(name)->text(); }
};
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void first_start_with_an_empty_store() {
        Win w;
        QCOMPARE(w.edit("Uname"), QString());
        QCOMPARE(w.edit("Pass"), QString());
        QVERIFY(!w.get<QCheckBox>("remember")->isChecked());
        QCOMPARE(w.edit("Orig"), QStringLiteral("Quillo"));
        QCOMPARE(w.get<QComboBox>("rcpt")->count(), 4);
        QCOMPARE(w.get<QComboBox>("rcpt")->currentText(), QString());
        QCOMPARE(w.label("chkcr"), QStringLiteral("Credits Left: Unknown"));
        QCOMPARE(w.window.transportPrefix(), QStringLiteral("https://secure."));
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
        auto text = [&](const char* name) { return window.findChild<QLineEdit*>(name)->text(); };
        QCOMPARE(text("Uname"), QStringLiteral("anna"));
        QCOMPARE(text("Pass"), QStringLiteral("581x"));
        QVERIFY(window.findChild<QCheckBox*>("remember")->isChecked());
        QCOMPARE(text("Orig"), QStringLiteral("Shop"));
        QCOMPARE(window.findChild<QComboBox*>("rcpt")->itemText(1), QStringLiteral("0944;0977"));
        QCOMPARE(window.findChild<QLabel*>("chkcr")->text(),
                 QStringLiteral("Credits Left: (last run) 87"));
        QCOMPARE(window.transportPrefix(), QStringLiteral("http://www."));
    }

    void counter_data() {
        QTest::addColumn<QString>("typed");  // "|" stands for the Enter key
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("text");  // empty: as typed
        QTest::newRow("empty") << QString() << "160 characters left" << 160 << QString();
        QTest::newRow("150 characters")
            << QString(150, 'a') << "10 characters left" << 160 << QString();
        QTest::newRow("100 with one line break") << QString(49, 'a') + "|" + QString(49, 'b')
                                                 << "61 characters left" << 161 << QString();
        QTest::newRow("typing beyond the limit is refused")
            << QString(170, 'a') << "0 characters left" << 160 << QString(160, 'a');
        QTest::newRow("line break needs two characters of room")
            << QString(159, 'a') + "|a"
            << "0 characters left" << 160 << QString(160, 'a');
    }
    void counter() {
        QFETCH(QString, typed);
        QFETCH(QString, counter);
        QFETCH(int, limit);
        QFETCH(QString, text);
        Win w;
        auto* sms = w.get<SmsTextEdit>("sms");
        const QStringList parts = typed.split('|');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(sms, Qt::Key_Return);
            QTest::keyClicks(sms, parts.at(i));
        }
        QTest::keyClick(sms, Qt::Key_Shift);  // a key release with nothing typed
        QCOMPARE(w.label("counter"), counter);
        QCOMPARE(sms->maxLength(), limit);
        if (!text.isEmpty())
            QCOMPARE(sms->text(), text);
    }

    void paste_is_cut_to_the_room_left() {
        Win w;
        auto* sms = w.get<SmsTextEdit>("sms");
        sms->setText(QString(150, 'a'));
        sms->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QStringLiteral("0123\n456789ABCDEF"));
        if (QGuiApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        sms->paste();
        QCOMPARE(sms->text(), QString(150, 'a') + QStringLiteral("0123\r\n4567"));
    }

    void new_sms_clears_recipients_and_message_only() {
        Win w;
        w.show();
        w.get<QLineEdit>("Uname")->setText("anna");
        w.get<QComboBox>("rcpt")->setEditText("0944");
        auto* sms = w.get<SmsTextEdit>("sms");
        QTest::keyClicks(sms, QStringLiteral("a"));
        QTest::keyClick(sms, Qt::Key_Return);
        QTest::keyClicks(sms, QStringLiteral("b"));
        w.window.newb_Click();
        QCOMPARE(w.get<QComboBox>("rcpt")->currentText(), QString());
        QCOMPARE(sms->text(), QString());
        QCOMPARE(w.edit("Uname"), QStringLiteral("anna"));
        QCOMPARE(w.label("counter"), QStringLiteral("160 characters left"));
        QCOMPARE(sms->maxLength(), 161);  // until the next key release
        QVERIFY(w.get<QComboBox>("rcpt")->hasFocus());
    }

    void keeps_its_size() {
        Win w;
        w.show();
        QCOMPARE(w.window.frameGeometry().size(), QSize(420, 415));
        w.window.resize(800, 700);
        QCOMPARE(w.window.frameGeometry().size(), QSize(420, 415));
    }

    void ending_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "CancelButton";
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("title bar") << "close";
    }
    void ending() {
        QFETCH(QString, how);
        Win w;
        int ends = 0;
        w.window.endProgram = [&] { ++ends; };
        w.show();
        if (how == "CancelButton")
            w.get<QPushButton>("CancelButton")->click();
        else if (how == "Exit")
            w.get<QAction>("Exit")->trigger();
        else
            w.window.close();
        QCOMPARE(ends, 1);
        QVERIFY(!w.window.isVisible());
    }

    void tab_order() {
        Win w;
        const char* order[] = {"Uname", "Pass", "remember", "Orig", "rcpt", "sms", "OKButton"};
        for (size_t i = 0; i + 1 < std::size(order); ++i) {
            QWidget* current = w.get<QWidget>(order[i]);
            QWidget* next = current->nextInFocusChain();
            // Skip what takes no tab focus and the insides of composite controls.
            while (!(next->focusPolicy() & Qt::TabFocus) || current->isAncestorOf(next))
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), QString::fromLatin1(order[i + 1]));
        }
    }

    // Last: an application leaves its event loops only once.
    void ending_leaves_the_event_loop_while_a_request_is_out() {
        Win w;
        w.show();
        w.window.channel().post("https://secure.quillo.example/comcredits.asp", "user=a&pass=b",
                                "Sending request...");
        QTimer::singleShot(0, &w.window, [&] { w.window.close(); });
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!w.window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
