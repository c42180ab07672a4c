// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: offscreen, widgets found by
// their names, boxes answered through MessageBox, requests over loopback to
// the gateway stand-in or an in-process server.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHttpServer>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "core/gateway/gateway_client.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/settings/settings.h"
#include "gui/application.h"
#include "gui/instance_channel.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/options_dialog.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

namespace {

constexpr int kReplyTimeoutMs = 20000;
const GatewayLocation kNowhere{u"http://www."_s, u"https://secure."_s, u"quillo.example"_s};

struct Window {
    explicit Window(GatewayLocation location = kNowhere) : window(std::move(location)) {
        window.show();
    }
    template <typename T = QWidget>
    T* get(const char* name) {
        T* widget = window.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QString text(const char* name) { return get<QLabel>(name)->text(); }
    QString edit(const char* name) { return get<QLineEdit>(name)->text(); }
    JournalRecorder* recorder() { return window.findChild<JournalRecorder*>(); }
    void fill(const QString& user, const QString& recipients, const QString& message) {
        get<QLineEdit>("Uname")->setText(user);
        get<QLineEdit>("Pass")->setText(u"s3cret"_s);
        get<QComboBox>("rcpt")->setEditText(recipients);
        get<MessageTextEdit>("sms")->setText(message);
    }
    // After a request: status line empty, pointer restored, nothing out.
    bool isIdle() {
        return text("status").isEmpty() && window.cursor().shape() != Qt::BusyCursor &&
               !recorder()->isBusy();
    }
    MainWindow window;
};

QString newestOutcome() {
    Journal journal;
    QSqlQuery rows = journal.open() ? journal.select({}) : QSqlQuery();
    return rows.next() ? rows.value(Journal::Outcome).toString() : QString();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_;
    // Started once for its ports, then stopped: nothing listens there.
    testing::GatewayProcess stopped_;

    GatewayLocation locationOf(const testing::GatewayProcess& gateway) {
        return {gateway.httpBase(), gateway.httpsBase(), u"quillo"_s};
    }

private Q_SLOTS:
    void initTestCase() {
        QSslConfiguration::setDefaultConfiguration(testing::GatewayProcess::sslConfiguration());
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}),
                 qPrintable(gateway_.errorString()));
        QVERIFY2(stopped_.start(), qPrintable(stopped_.errorString()));
        stopped_.stop();
    }
    void init() {
        QFile::remove(Settings::fileName());
        MessageBox::startRecording();
    }

    // A first start says where to begin; a test gateway is named in the
    // title and the status line.
    void startsFromStoredSettings_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("status");
        QTest::newRow("first start")
            << false << QString() << u"To begin, type your Quillo username and password."_s;
        QTest::newRow("stored") << true << QString() << QString();
        QTest::newRow("stored, test gateway")
            << true << u"http://127.0.0.1:9/x/"_s << u"test gateway: http://127.0.0.1:9/x/"_s;
    }
    void startsFromStoredSettings() {
        QFETCH(bool, stored);
        QFETCH(QString, gateway);
        if (stored) {
            Settings settings;
            settings.setScrambledValue(keys::kUsername, u"anna"_s);
            settings.setScrambledValue(keys::kPassword, u"581x"_s);  // scrambles to NULs
            settings.setScrambledValue(keys::kOriginator, u"Shop"_s);
            settings.setValue(keys::kRecent2, u"0944;0977"_s);
            settings.setValue(keys::kCredits, u" 87"_s);
            settings.setValue(keys::kTransport, u"http"_s);
        }
        Window w(gateway.isEmpty() ? kNowhere : *GatewayLocation::at(gateway));
        QTEST(w.text("status"), "status");
        QCOMPARE(w.window.windowTitle().endsWith(u"test gateway: "_s + gateway),
                 !gateway.isEmpty());
        QCOMPARE(w.edit("Uname"), stored ? u"anna"_s : QString());
        QCOMPARE(w.edit("Pass"), stored ? u"581x"_s : QString());
        QCOMPARE(w.get<QCheckBox>("remember")->isChecked(), stored);
        QCOMPARE(w.edit("Orig"), stored ? u"Shop"_s : u"Quillo"_s);
        QCOMPARE(w.get<QComboBox>("rcpt")->count(), 4);
        QCOMPARE(w.get<QComboBox>("rcpt")->itemText(1), stored ? u"0944;0977"_s : QString());
        QCOMPARE(w.get<QComboBox>("rcpt")->currentText(), QString());
        QCOMPARE(w.text("chkcr"),
                 stored ? u"Credits Left: (last run) 87"_s : u"Credits Left: Unknown"_s);
        QCOMPARE(w.text("transp"), !gateway.isEmpty() ? u"http://127.0.0.1:9/x"_s
                                   : stored           ? u"http://www."_s
                                                      : u"https://secure."_s);
    }

    // What does not fit is told at once; Undo takes a cut paste back whole.
    void counter_data() {
        QTest::addColumn<QString>("typed");  // "|" stands for the Enter key
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("leftOut");  // characters told of
        const QString a49(49, u'a'), a150(150, u'a'), a160(160, u'a');
        QTest::newRow("empty") << QString() << QString() << 160 << QString() << 0;
        QTest::newRow("150") << a150 << QString() << 10 << a150 << 0;
        QTest::newRow("a line break counts once")
            << a49 + u"|"_s + a49 << QString() << 61 << a49 + u"\r\n"_s + a49 << 0;
        QTest::newRow("typing beyond the limit is refused")
            << QString(170, u'a') << QString() << 0 << a160 << 1;
        QTest::newRow("a line break needs two characters of room")
            << QString(159, u'a') + u"|a"_s << QString() << 0 << a160 << 1;
        QTest::newRow("a paste is cut to fit")
            << a150 << u"0123\n456789ABCDEF"_s << 1 << a150 + u"0123\r\n4567"_s << 8;
    }
    void counter() {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(int, left);
        QFETCH(int, leftOut);
        QToolTip::hideText();
        Window w;
        auto* sms = w.get<MessageTextEdit>("sms");
        const QStringList lines = typed.split(u'|');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(sms, Qt::Key_Return);
            QTest::keyClicks(sms, lines.at(i));
        }
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            sms->paste();
        }
        QCOMPARE(w.text("counter"), QString::number(left) + u" characters left"_s);
        QTEST(sms->text(), "text");
        QCOMPARE(QToolTip::text().section(u". "_s, 0, 0),
                 leftOut ? u"Characters left out: %1"_s.arg(leftOut) : QString());
        if (!pasted.isEmpty()) {
            sms->undo();
            QCOMPARE(sms->text(), typed);
        }
        w.get<QAction>("newmenu")->trigger();
        QCOMPARE(w.text("counter"), u"160 characters left"_s);
    }

    // A remembered list must not be completed into a typed recipient.
    void typedRecipientIsNotExtended() {
        Settings().rememberRecipients(u"0944111222;0977333444"_s);
        Window w;
        // Completion acts only in the focused field of the active window.
        QApplication::setActiveWindow(&w.window);
        w.get("rcpt")->setFocus();
        QTest::keyClicks(w.get("rcpt"), u"0944111222"_s);
        QTest::keyClick(w.get("rcpt"), Qt::Key_Tab);
        QCOMPARE(w.get<QComboBox>("rcpt")->currentText(), u"0944111222"_s);
        QCOMPARE(w.get<QComboBox>("rcpt")->itemText(0), u"0944111222;0977333444"_s);
    }

    // A second request while one is out is refused before anything is stored;
    // the first one ends normally, and its reply is shown as plain text.
    void busyRefusalWritesNothing() {
        QHttpServer server;
        server.route(u"/quillo/comcredits.asp"_s, [] { return "Credits Left: <b>4321</b>"; });
        const quint16 port = server.listen(QHostAddress::LocalHost);
        const QString base = u"http://127.0.0.1:%1/"_s.arg(port);
        Settings().setValue(keys::kTransport, u"http"_s);
        Window w({base, base, u"quillo"_s});
        w.fill(u"anna"_s, u"0944111222"_s, u"hello"_s);
        w.get<QCheckBox>("remember")->setChecked(true);
        MessageBox::setNextAnswer(Answer::Yes);
        w.get<QAction>("crmenu")->trigger();
        QVERIFY(w.recorder()->isBusy());
        QCOMPARE(w.text("status"), u"Sending request..."_s);

        MessageBox::setNextAnswer(Answer::Ok);
        w.get<QPushButton>("OKButton")->click();
        QCOMPARE(MessageBox::shownTexts().last(),
                 u"A request is already in progress. Please wait for the server's reply."_s);
        const Settings settings;
        QCOMPARE(settings.value(keys::kUsername), QString());
        QCOMPARE(settings.value(keys::kPassword), QString());
        QCOMPARE(settings.value(keys::kRecent1), QString());

        MessageBox::setNextAnswer(Answer::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(w.isIdle(), kReplyTimeoutMs);
        QCOMPARE(MessageBox::shownTexts().last(), u"Credits Left: <b>4321</b>"_s);
        QCOMPARE(w.text("chkcr"), u"Credits Left: <b>4321</b>"_s);
        QCOMPARE(w.get<QLabel>("chkcr")->textFormat(), Qt::PlainText);
    }

    // No busy pointer flickers for a quick reply; a wait the user notices
    // gets one, until it ends. Such a request is in the journal while out,
    // quitting then asks first, and a connection lost after it went out is
    // recorded as without a complete answer and not sent again.
    void busyPointerOnlyWhileAReplyIsAwaited() {
        QTcpServer silent;  // takes the request and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString base = u"http://127.0.0.1:%1/"_s.arg(silent.serverPort());
        Settings().setValue(keys::kTransport, u"http"_s);
        Window w({base, base, u"quillo"_s});
        w.fill(u"anna"_s, {}, {});
        MessageBox::setNextAnswer(Answer::Yes);
        w.get<QAction>("crmenu")->trigger();
        QCOMPARE_NE(w.window.cursor().shape(), Qt::BusyCursor);
        QTRY_COMPARE(w.window.cursor().shape(), Qt::BusyCursor);
        QTRY_COMPARE(newestOutcome(), u"pending"_s);
        MessageBox::setNextAnswer(Answer::No);
        w.window.close();
        QVERIFY(w.window.isVisible() &&
                MessageBox::shownTexts().last().startsWith(u"A request is still out."_s));

        std::unique_ptr<QTcpSocket> connection(silent.nextPendingConnection());
        QVERIFY(connection);
        MessageBox::setNextAnswer(Answer::Ok);  // the failure
        connection->close();
        QTRY_VERIFY_WITH_TIMEOUT(w.isIdle(), kReplyTimeoutMs);
        w.recorder()->waitForWrites();
        QCOMPARE(newestOutcome(), u"unknown"_s);
        // Delivered, so the gateway may have acted on it: never sent again.
        QVERIFY(MessageBox::shownTexts().last().startsWith(u"No complete answer came back."_s));
        QVERIFY(!silent.hasPendingConnections());
    }

    void endingAsksAboutAnUnsentMessage_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("discard");  // the answer, when asked
        QTest::addColumn<bool>("ends");
        QTest::newRow("Cancel, nothing typed") << "CancelButton" << false << false << true;
        QTest::newRow("Cancel, kept") << "CancelButton" << true << false << false;
        QTest::newRow("Exit, discarded") << "Exit" << true << true << true;
        QTest::newRow("title bar, kept") << "close" << true << false << false;
        QTest::newRow("title bar, nothing typed") << "close" << false << false << true;
    }
    void endingAsksAboutAnUnsentMessage() {
        QFETCH(QString, how);
        QFETCH(bool, typed);
        QFETCH(bool, discard);
        Window w;
        w.get<MessageTextEdit>("sms")->setText(typed ? u"hi"_s : QString());
        if (typed)
            MessageBox::setNextAnswer(discard ? Answer::Yes : Answer::No);
        if (how == "close"_L1)
            w.window.close();
        else if (how == "Exit"_L1)
            w.get<QAction>("Exit")->trigger();
        else
            w.get<QPushButton>("CancelButton")->click();
        QCOMPARE(MessageBox::shownTexts().contains(u"Discard the unsent message?"_s), typed);
        QFETCH(bool, ends);
        QCOMPARE(w.window.isVisible(), !ends);
    }

    void sendsEndToEnd_data() {
        QTest::addColumn<QString>("transport");
        QTest::addColumn<bool>("remember");  // the password
        QTest::newRow("http, password remembered") << "http" << true;
        QTest::newRow("https, password forgotten") << "https" << false;
    }
    void sendsEndToEnd() {
        QFETCH(QString, transport);
        QFETCH(bool, remember);
        Settings settings;
        settings.setValue(keys::kTransport, transport);
        settings.setValue(keys::kProxy, u"0"_s);
        settings.setValue(keys::preferences::kRegion, u"GR"_s);
        // Characters a form reader would cut at, turn into spaces or decode twice.
        const QString message = u"Tea & cake: 2+2=4, 100% sure\r\nΚαλημέρα"_s;

        Window w(locationOf(gateway_));
        w.fill(u" anna"_s, u"0944123456;0977111222"_s, u" "_s + message);
        w.get<QLineEdit>("Orig")->setText(u"Shop"_s);
        w.get<QCheckBox>("remember")->setChecked(remember);
        MessageBox::setNextAnswer(Answer::Yes);
        MessageBox::setNextAnswer(Answer::Ok);
        if (remember)  // no keyring here: where the password is kept, and why
            MessageBox::setNextAnswer(Answer::Ok);
        w.get<QPushButton>("OKButton")->click();
        QCOMPARE(w.text("status"), u"Sending SMS..."_s);

        QTRY_VERIFY_WITH_TIMEOUT(w.isIdle(), kReplyTimeoutMs);
        QCOMPARE(Settings().value(keys::kRecent1), u"0944123456;0977111222"_s);
        QCOMPARE(Settings().scrambledValue(keys::kPassword), remember ? u"s3cret"_s : QString());
        QCOMPARE(MessageBox::shownTexts().filter(u"kept in Pelicast's settings file"_s).size(),
                 int(remember));
        const QJsonObject record = gateway_.outbox().last();
        QCOMPARE(record[u"sms"_s].toString(), message);
        QCOMPARE(record[u"from"_s].toString(), u"Shop"_s);
        QCOMPARE(record[u"rcpt"_s].toString(), u"0944123456;0977111222"_s);

        // "udata" holds the keys it always held and no other. A choice made in
        // Options goes to a section of its own; those not made are not written.
        w.get<QAction>("opmenu")->trigger();
        auto* options = w.window.findChild<OptionsDialog*>();
        options->findChild<QCheckBox*>(u"confirmCost"_s)->setChecked(true);
        options->findChild<QPushButton*>(u"cmdOK"_s)->click();
        const QSettings file(Settings::fileName(), QSettings::IniFormat);
        QStringList stored = file.allKeys();
        stored.sort();
        QCOMPARE(stored.join(u' '),
                 (remember ? u"keyring/fileNoticeShown "_s : QString()) +
                     u"preferences/confirmCost preferences/region udata/credits udata/originator "
                     u"udata/password udata/proxy udata/rcpt1 udata/rcpt2 "
                     u"udata/rcpt3 udata/rcpt4 udata/transport udata/username"_s);
        QCOMPARE(file.value(u"preferences/confirmCost"_s), u"true"_s);
        // The message just sent is no unsent message.
        w.window.close();
        QVERIFY(!MessageBox::shownTexts().contains(u"Discard the unsent message?"_s));
        QVERIFY(!w.window.isVisible());
    }

    // One Pelicast per user: a second start brings the first to the front and
    // ends; one that crashed leaves nothing in the way of the next.
    void secondStart_data() {
        QTest::addColumn<bool>("crashed");
        QTest::newRow("a running one is raised") << false;
        QTest::newRow("the socket of one that crashed") << true;
    }
    void secondStart() {
        QFETCH(bool, crashed);
        const auto listening = [] {
            QLocalSocket socket;
            socket.connectToServer(
                QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                u"/pelicast.socket"_s);
            return socket.waitForConnected(100);
        };
        QProcess first, second;
        Window w;
        InstanceChannel channel(u"pelicast"_s);
        if (crashed) {
            first.start(QStringLiteral(PELICAST_PROGRAM), QStringList());
            QTRY_VERIFY_WITH_TIMEOUT(listening(), kReplyTimeoutMs);
            first.kill();
            QVERIFY(first.waitForFinished());
        } else {
            QVERIFY(channel.claim() && channel.listen());
            raiseOnRequest(channel, w.window);
            w.window.showMinimized();
        }
        second.start(QStringLiteral(PELICAST_PROGRAM), QStringList());
        // After a crash it starts in the first one's place; else it hands over.
        QTRY_VERIFY_WITH_TIMEOUT(crashed ? listening() : second.state() == QProcess::NotRunning,
                                 kReplyTimeoutMs);
        QCOMPARE(second.state() == QProcess::Running, crashed);
        if (crashed) {
            second.kill();
            QVERIFY(second.waitForFinished());
            return;
        }
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!w.window.isMinimized());
        QTRY_VERIFY(w.window.isActiveWindow());
    }

    // A gateway that is not there: the reason is shown, and the window is
    // ready for the next request.
    void usableAfterFailure() {
        Settings().setValue(keys::kProxy, u"0"_s);
        Window w(locationOf(stopped_));
        w.fill(u"anna"_s, {}, {});
        MessageBox::setNextAnswer(Answer::Yes);
        MessageBox::setNextAnswer(Answer::Ok);
        w.get<QAction>("crmenu")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w.isIdle(), kReplyTimeoutMs);
        QVERIFY(MessageBox::shownTexts().last().contains(u"did not reach the gateway"_s));
        QCOMPARE(w.text("chkcr"), u"Credits Left: Unknown"_s);
        MessageBox::setNextAnswer(Answer::Yes);
        MessageBox::setNextAnswer(Answer::Ok);
        w.get<QAction>("crmenu")->trigger();
        QVERIFY(w.recorder()->isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(w.isIdle(), kReplyTimeoutMs);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
