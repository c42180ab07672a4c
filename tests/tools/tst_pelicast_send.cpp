// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-send as a script runs it, a child process talking to the gateway
// stand-in, beside the main window: the exit status of each outcome, and one
// journal that both write at once.
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include "core/gateway/gateway_client.h"
#include "core/journal/journal_recorder.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

namespace {

constexpr int kTimeoutMs = 20000;
const QStringList kSendHi{u"--to"_s, u"0944111222"_s, u"--text"_s, u"hi"_s};

template <typename T>
T* child(const QObject* parent, const char* name) {
    return parent->findChild<T*>(QLatin1String(name));
}

}  // namespace

class TestPelicastSend : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    testing::GatewayProcess gateway_;
    testing::GatewayProcess stopped_;  // its ports, with nothing listening

    QProcessEnvironment environment(const testing::GatewayProcess& gateway) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PELICAST_TEST_GATEWAY"_s, gateway.httpBase());
        return environment;
    }
    void fillWindow(MainWindow& window, const QString& message) {
        child<QComboBox>(&window, "rcpt")->setEditText(u"0944111222"_s);
        child<QPlainTextEdit>(&window, "sms")->setPlainText(message);
    }
    // Yes to the confirmation, then OK to `boxes` boxes: the reply and others.
    void sendFromWindow(MainWindow& window, int boxes = 1) {
        MessageBox::setNextAnswer(Answer::Yes);
        for (int i = 0; i < boxes; ++i)
            MessageBox::setNextAnswer(Answer::Ok);
        child<QPushButton>(&window, "OKButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<JournalRecorder*>()->isBusy(), kTimeoutMs);
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.filePath(u"config"_s).toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath(u"data"_s).toUtf8());
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}, {u"poor"_s, u"pw"_s, 3}}),
                 qPrintable(gateway_.errorString()));
        QVERIFY2(stopped_.start(), qPrintable(stopped_.errorString()));
        stopped_.stop();
        Settings settings;
        settings.setValue(keys::kProxy, u"0"_s);
        settings.setValue(keys::kTransport, u"http"_s);
        settings.setScrambledValue(keys::kUsername, u"anna"_s);
        settings.setScrambledValue(keys::kPassword, u"s3cret"_s);
        QDir().mkpath(home_.filePath(u"data/Pelicast"_s));
        QDir().mkpath(home_.filePath(u"blocked/Quillo/Quillo.conf"_s));  // settings as a folder
        // A file where a journal's folder would be, in the home as a data folder.
        QVERIFY(QFile(home_.filePath(u"Pelicast"_s)).open(QIODevice::WriteOnly));
        QFile book(home_.filePath(u"data/Pelicast/contacts.vcf"_s));
        QVERIFY(book.open(QIODevice::WriteOnly));
        book.write(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:m-1\r\nFN:Maria Papadaki\r\n"
            "N:Papadaki;Maria;;;\r\nTEL;TYPE=CELL:0944123456\r\nCATEGORIES:Friends\r\n"
            "END:VCARD\r\n");
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");  // NAME=value, beside the test's own
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("said");
        QTest::newRow("balance, remembered account")
            << QStringList{u"--credits"_s} << QStringList() << 0 << 0 << "Credits Left: ";
        QTest::newRow("no journal, one warning")
            << kSendHi << QStringList{u"XDG_DATA_HOME="_s + home_.path()} << 0 << 1 << "journal";
        QTest::newRow("dry run of a group")
            << QStringList{u"--group"_s, u"Friends"_s,   u"--text"_s,
                           u"hi"_s,      u"--dry-run"_s, u"--json"_s}
            << QStringList() << 0 << 0 << "Papadaki, Maria (0944123456)";
        QTest::newRow("wrong password") << kSendHi << QStringList{u"PELICAST_PASSWORD=wrong"_s} << 1
                                        << 0 << "Wrong user name or password.";
        QTest::newRow("too few credits")
            << QStringList{u"--user"_s, u"poor"_s} + kSendHi
            << QStringList{u"PELICAST_PASSWORD=pw"_s} << 1 << 0 << "Nothing was sent.";
        QTest::newRow("stand-in stopped")
            << kSendHi << QStringList{u"PELICAST_TEST_GATEWAY="_s + stopped_.httpBase()} << 3 << 0
            << "did not reach the gateway";
        QTest::newRow("dry run above --max-cost, Options off")
            << QStringList{u"--dry-run"_s, u"--max-cost"_s, u"4"_s} + kSendHi << QStringList() << 2
            << 0
            << "dry run.\npelicast-send: This message costs 5 credits for 1 recipients, more "
               "than the 4 credits allowed for this send.";
        QTest::newRow("password as an argument")
            << QStringList{u"--password=s3cret"_s} + kSendHi << QStringList() << 2 << 0
            << "never taken on the command line";
        QTest::newRow("unreadable password file")
            << QStringList{u"--password-file"_s, QDir::tempPath()} + kSendHi << QStringList() << 4
            << 0 << "cannot be read";
        QTest::newRow("unreadable settings")
            << kSendHi << QStringList{u"XDG_CONFIG_HOME="_s + home_.filePath(u"blocked"_s)} << 4
            << 0
            << u"settings %1 cannot be read: not a file"_s.arg(
                   home_.filePath(u"blocked/Quillo/Quillo.conf"_s));
    }
    void exitStatus() {
        QProcessEnvironment environment = this->environment(gateway_);
        QFETCH(QStringList, variables);
        for (const QString& variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const qsizetype before = gateway_.outbox().size();
        QProcess command;
        command.setProcessEnvironment(environment);
        QFETCH(QStringList, arguments);
        command.start(QStringLiteral(PELICAST_SEND), arguments);
        QVERIFY(command.waitForFinished(kTimeoutMs));
        const QString output =
            QString::fromUtf8(command.readAllStandardOutput() + command.readAllStandardError());
        QFETCH(QString, said);
        QVERIFY2(output.contains(said), qPrintable(output));
        QTEST(command.exitCode(), "status");
        QTEST(int(gateway_.outbox().size() - before), "sent");
    }

    // A script sending in a loop while the user sends from the window: every
    // request gets its row, with the gateway's reply and the balance it stated.
    void windowAndCommandWriteOneJournal() {
        constexpr int kCommands = 6;
        Journal journal;
        QVERIFY(journal.open());
        QSqlQuery(u"DELETE FROM requests"_s, journal.database());
        int commandsLeft = kCommands;
        QProcess command;
        command.setProcessEnvironment(environment(gateway_));
        connect(&command, &QProcess::finished, this, [&] {
            if (--commandsLeft > 0)
                command.start(QStringLiteral(PELICAST_SEND), kSendHi);
        });
        command.start(QStringLiteral(PELICAST_SEND), kSendHi);
        MainWindow window({gateway_.httpBase(), gateway_.httpBase(), u"quillo"_s});
        fillWindow(window, u"from the window"_s);
        // The window goes on until the last command ends, so both write at once.
        int windowSends = 0;
        for (; windowSends < kCommands || commandsLeft > 0; ++windowSends)
            sendFromWindow(window);
        window.findChild<JournalRecorder*>()->waitForWrites();

        QSqlQuery rows = journal.select({});
        QStringList messages;
        for (; rows.next(); messages << rows.value(Journal::Message).toString()) {
            QCOMPARE(rows.value(Journal::Outcome).toString(), u"accepted"_s);
            const QString balance = rows.value(Journal::BalanceAfter).toString();
            QVERIFY(rows.value(Journal::Reply).toString().endsWith(u"Credits Left:"_s + balance));
        }
        QCOMPARE(messages.count(u"hi"_s), kCommands);
        QCOMPARE(messages.count(u"from the window"_s), windowSends);
        QFile file(journal.path()), wal(journal.path() + u"-wal"_s);
        QVERIFY(file.open(QIODevice::ReadOnly) && wal.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll() + wal.readAll();
        QVERIFY(bytes.contains("from the window") && !bytes.contains("s3cret"));
    }

    // Where no journal can be, messages go out all the same, and the user is
    // told once.
    void blockedJournalStillSends() {
        qputenv("XDG_DATA_HOME", home_.path().toUtf8());
        const qsizetype before = gateway_.outbox().size();
        MainWindow window({gateway_.httpBase(), gateway_.httpBase(), u"quillo"_s});
        fillWindow(window, u"hi"_s);
        MessageBox::startRecording();
        sendFromWindow(window, 2);  // the reply and the warning
        sendFromWindow(window);
        QTRY_COMPARE(MessageBox::shownTexts().size(), 5);
        QCOMPARE(MessageBox::shownTexts().filter(u"journal"_s).size(), 1);
        QCOMPARE(gateway_.outbox().size(), before + 2);
    }
};

QTEST_MAIN(TestPelicastSend)
#include "tst_pelicast_send.moc"
