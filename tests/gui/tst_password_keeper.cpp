// SPDX-License-Identifier: GPL-3.0-or-later
// The remembered password in a real Secret Service, gnome-keyring-daemon on
// a private session bus (support/with-keyring): the window fills, keeps,
// forgets and moves it; pelicast-send takes it in its order. Without a
// keyring, tst_main_window and tst_pelicast_send find the settings file's.
#include <QtDBus>
#include <QtTest>
#include <QtWidgets>

#include "core/settings/keyring.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/password_keeper.h"
#include "pelicast-send/send_command.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// Writes the entry of `account`, or removes it for "".
bool keep(const QString& account, const QString& password) {
    Keyring keyring;
    QSignalSpy done(&keyring, &Keyring::done);
    password.isEmpty() ? keyring.remove(account) : keyring.write(account, password);
    return done.wait();
}

QString kept(const QString& account) {
    const Expected<QString> password = Keyring::readNow(account);
    return password ? *password : password.error();
}

}  // namespace

class TestPasswordKeeper : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_;
    std::unique_ptr<MainWindow> window_;

    GatewayLocation location() const {
        return {gateway_.httpBase(), gateway_.httpBase(), u"quillo"_s};
    }
    template <typename T = QLineEdit>
    T* get(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }
    // The window as the user starts it, or names an account, once the keyring answered.
    void start(const QString& account = {}) {
        if (account.isEmpty()) {
            window_ = std::make_unique<MainWindow>(location());
            window_->show();
        } else {
            get("Uname")->setText(account);
            QTest::keyClick(get("Uname"), Qt::Key_Return);
        }
        window_->findChild<PasswordKeeper*>()->finishLookUp();
    }

private Q_SLOTS:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("PELICAST_TEST_KEYRING"))  // support/with-keyring sets it
            QSKIP(qPrintable(
                u"No Secret Service: "_s +
                qEnvironmentVariable("PELICAST_TEST_NO_KEYRING", u"not run by ctest"_s)));
        QVERIFY(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}, {u"bob"_s, u"b0b"_s, 1000}}));
    }
    void init() {
        window_.reset();
        QFile::remove(Settings::fileName());
        Settings().setValue(keys::kTransport, u"http"_s);
        Settings().setValue(keys::preferences::kRegion, u"GR"_s);
        Settings().setScrambledValue(keys::kUsername, u"anna"_s);
        QVERIFY(keep(u"anna"_s, {}) && keep(u"bob"_s, {}));
        MessageBox::startRecording();
    }

    // Filled at start (a password the file still holds is moved into the
    // keyring), and at a change of account; kept on Send where ticked, and in
    // the keyring, not the file, at the next start; unticked, in neither.
    void keepsAcrossStarts_data() {
        QTest::addColumn<QString>("inFile");
        QTest::addColumn<QString>("inKeyring");
        QTest::addColumn<bool>("remember");  // at Send
        QTest::newRow("keyring's, kept") << ""
                                         << "old" << true;
        QTest::newRow("file's moved, then forgotten") << "old"
                                                      << "" << false;
        QTest::newRow("file's newer, moved") << "old"
                                             << "older" << true;
    }
    void keepsAcrossStarts() {
        QFETCH(QString, inFile);
        QFETCH(QString, inKeyring);
        QFETCH(bool, remember);
        Settings().setScrambledValue(keys::kPassword, inFile);
        QVERIFY(keep(u"anna"_s, inKeyring) && keep(u"bob"_s, u"b0b"_s));
        if (!inFile.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        start();
        QCOMPARE(get("Pass")->text(), u"old"_s);
        QVERIFY(get<QCheckBox>("remember")->isChecked());
        QTRY_COMPARE(kept(u"anna"_s), u"old"_s);
        QCOMPARE(Settings().value(keys::kPassword), QString());
        QTRY_COMPARE(MessageBox::shownTexts().filter(u"now kept in the desktop's keyring"_s).size(),
                     int(!inFile.isEmpty()));
        for (const auto& [account, password] : {std::pair{"bob", "b0b"}, {"carol", ""}}) {
            start(QLatin1String(account));
            QCOMPARE(get("Pass")->text(), QLatin1String(password));
        }
        start(u"anna"_s);
        get("Pass")->setText(u"s3cret"_s);
        get<QCheckBox>("remember")->setChecked(remember);
        get<QComboBox>("rcpt")->setEditText(u"0944111222"_s);
        get<QPlainTextEdit>("sms")->setPlainText(u"hi"_s);
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        const qsizetype sent = gateway_.outbox().size() + 1;
        get<QPushButton>("OKButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(gateway_.outbox().size(), sent, 20000);
        QTRY_COMPARE(kept(u"anna"_s), remember ? u"s3cret"_s : QString());
        QCOMPARE(Settings().value(keys::kPassword), QString());
        start();
        QCOMPARE(get("Pass")->text(), remember ? u"s3cret"_s : QString());
        QCOMPARE(get<QCheckBox>("remember")->isChecked(), remember);
    }

    void commandTakesPasswordInOrder_data() {
        QTest::addColumn<QString>("given");  // user: file, environment, keyring, settings; - none
        QTest::addColumn<int>("status");     // 1: refused, a wrong password
        QTest::newRow("password file first") << "anna s3cret wrong wrong wrong" << 0;
        QTest::newRow("environment next") << "anna - wrong s3cret s3cret" << 1;
        QTest::newRow("keyring next") << "anna - - s3cret wrong" << 0;
        QTest::newRow("settings last") << "anna - - - s3cret" << 0;
        QTest::newRow("--user's entry") << "bob - - b0b s3cret" << 0;
        QTest::newRow("not anna's for --user") << "bob - - - s3cret" << 4;
        QTest::newRow("none") << "anna - - - -" << 4;
        // Last, since the keyring stays locked: no password, and no prompt holds it.
        QTest::newRow("locked") << "anna - - s3cret - lock" << 4;
    }
    void commandTakesPasswordInOrder() {
        QFETCH(QString, given);
        const QStringList from = given.replace(u'-', QString()).split(u' ');
        QStringList arguments{u"pelicast-send"_s, u"--credits"_s, u"--user"_s, from[0]};
        QTemporaryFile file;
        if (!from[1].isEmpty() && file.open() && file.write(from[1].toUtf8()) && file.flush())
            arguments << u"--password-file"_s << file.fileName();
        if (!from[2].isEmpty())
            qputenv("PELICAST_PASSWORD", from[2].toUtf8());
        QVERIFY(keep(from[0], from[3]));
        Settings().setScrambledValue(keys::kPassword, from[4]);
        const QList<QDBusObjectPath> login{
            QDBusObjectPath("/org/freedesktop/secrets/collection/login")};
        // A plain method call: QDBusInterface would introspect and cache a meta-object for good.
        QDBusMessage lock = QDBusMessage::createMethodCall(
            u"org.freedesktop.secrets"_s, u"/org/freedesktop/secrets"_s,
            u"org.freedesktop.Secret.Service"_s, u"Lock"_s);
        lock << QVariant::fromValue(login);
        if (from.size() > 5)
            QVERIFY(QDBusConnection::sessionBus().call(lock).type() == QDBusMessage::ReplyMessage);
        QString out;
        QTextStream stream(&out);
        const int status = runSendCommand(arguments, location(), stream, stream);
        qunsetenv("PELICAST_PASSWORD");
        QTEST(status, "status");
        const QString why = from.size() > 5 ? u"keyring is locked"_s : u"Pelicast keeps none."_s;
        QVERIFY2(status != 4 || out.contains(why), qPrintable(out));
    }
};

QTEST_MAIN(TestPasswordKeeper)
#include "tst_password_keeper.moc"
