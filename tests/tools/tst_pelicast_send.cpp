// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-send as a script runs it, a child process talking to the gateway
// stand-in, beside the main window: the exit status of each outcome, and one
// journal that both write at once.
#include <sys/stat.h>

#include <QHttpServer>
#include <QtSql>
#include <QtTest>
#include <QtWidgets>
#include <csignal>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
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
constexpr int kDelayMs = 2000;
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
    testing::GatewayProcess slow_;     // answers kDelayMs late

    QProcessEnvironment environment(const QString& base) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PELICAST_GATEWAY"_s, base);
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
        window.findChild<JournalRecorder*>()->waitForWrites();
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.filePath(u"config"_s).toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath(u"data"_s).toUtf8());
        // The stand-in's balance reply names the account: here with ESC and BEL.
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000},
                                 {u"poor"_s, u"pw"_s, 3},
                                 {u"\x1b]0;owned\aeve"_s, u"pw"_s, 7}}),
                 qPrintable(gateway_.errorString()));
        QVERIFY2(stopped_.start(), qPrintable(stopped_.errorString()));
        stopped_.stop();
        QVERIFY2(slow_.start({{u"anna"_s, u"s3cret"_s, 1000}},
                             {u"--delay"_s, QString::number(kDelayMs)}),
                 qPrintable(slow_.errorString()));
        Settings settings;
        settings.setValue(keys::kProxy, u"0"_s);
        settings.setValue(keys::kTransport, u"http"_s);
        settings.setScrambledValue(keys::kUsername, u"anna"_s);
        settings.setScrambledValue(keys::kPassword, u"s3cret"_s);
        // Told before where the password is kept: these windows show no notice.
        settings.setValue(keys::keyring::kFileNoticeShown, u"true"_s);
        settings.setValue(keys::preferences::kRegion, u"GR"_s);
        QDir().mkpath(home_.filePath(u"data/Pelicast"_s));
        QDir().mkpath(home_.filePath(u"blocked/Quillo/Quillo.conf"_s));  // settings as a folder
        // A file where a journal's folder would be, in the home as a data folder.
        QVERIFY(QFile(home_.filePath(u"Pelicast"_s)).open(QIODevice::WriteOnly));
        QFile nul(home_.filePath(u"nul.txt"_s));
        QVERIFY(nul.open(QIODevice::WriteOnly) && nul.write("a\0b", 3) == 3);
        QCOMPARE(::mkfifo(QFile::encodeName(home_.filePath(u"fifo"_s)).constData(), 0600), 0);
        {  // a journal with a page of garbage in it
            Journal journal(home_.filePath(u"damaged/Pelicast/journal.sqlite"_s));
            QVERIFY(journal.open());
            for (int i = 0; i < 100; ++i)
                journal.add(RequestRecord::of(QLatin1String(protocol::kSendPage), {}));
        }
        QFile damaged(home_.filePath(u"damaged/Pelicast/journal.sqlite"_s));
        QVERIFY(damaged.open(QIODevice::ReadWrite) && damaged.seek(4096));
        QVERIFY(damaged.write(QByteArray(4096, 'Z')) == 4096);
        QFile book(home_.filePath(u"data/Pelicast/contacts.vcf"_s));
        QVERIFY(book.open(QIODevice::WriteOnly));
        book.write(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:m-1\r\nFN:Maria Papadaki\r\n"
            "N:Papadaki;Maria;;;\r\nTEL;TYPE=CELL:0944123456\r\nCATEGORIES:Friends\r\n"
            "END:VCARD\r\n");
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        // NAME=value, beside the test's own; <FILE, >FILE: standard input, output
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("said");
        QTest::newRow("balance, remembered account")
            << QStringList{u"--credits"_s} << QStringList() << 0 << 0 << "Credits Left: ";
        QTest::newRow("no journal, one warning")
            << kSendHi << QStringList{u"XDG_DATA_HOME="_s + home_.path()} << 0 << 1 << "journal";
        QTest::newRow("damaged journal set aside")
            << kSendHi << QStringList{u"XDG_DATA_HOME="_s + home_.filePath(u"damaged"_s)} << 0 << 1
            << "was damaged. Pelicast set it aside, unchanged, as";
        QTest::newRow("dry run of a group")
            << QStringList{u"--group"_s, u"Friends"_s,   u"--text"_s,
                           u"hi"_s,      u"--dry-run"_s, u"--json"_s}
            << QStringList() << 0 << 0 << "Papadaki, Maria (0944123456)";
        QTest::newRow("wrong password") << kSendHi << QStringList{u"PELICAST_PASSWORD=wrong"_s} << 1
                                        << 0 << "Wrong user name or password.";
        QTest::newRow("stand-in stopped")
            << kSendHi << QStringList{u"PELICAST_GATEWAY="_s + stopped_.httpBase()} << 3 << 0
            << "pelicast-send: The request did not reach the gateway.";
        QTest::newRow("dry run above --max-cost, Options off")
            << QStringList{u"--dry-run"_s, u"--max-cost"_s, u"4"_s} + kSendHi << QStringList() << 2
            << 0
            << "dry run.\npelicast-send: This message costs 5 credits for 1 recipient, more "
               "than the 4 credits allowed for this send.";
        QTest::newRow("password as an argument")
            << QStringList{u"--password=s3cret"_s} + kSendHi << QStringList() << 2 << 0
            << "never taken on the command line";
        QTest::newRow("no keyring, no password")  // the file's is anna's
            << QStringList{u"--user"_s, u"poor"_s} + kSendHi << QStringList() << 4 << 0
            << "No password for poor: No keyring of the desktop could be used";
        QTest::newRow("unreadable password file")
            << QStringList{u"--password-file"_s, QDir::tempPath()} + kSendHi << QStringList() << 4
            << 0 << "cannot be read";
        QTest::newRow("password file a FIFO")
            << QStringList{u"--password-file"_s, home_.filePath(u"fifo"_s)} + kSendHi
            << QStringList() << 4 << 0 << "fifo cannot be read: not a regular file";
        // Cron sets no LANGUAGE, which Qt would take the region from.
        const QStringList cron{u"LC_ALL=C"_s, u"LANGUAGE="_s,
                               u"XDG_CONFIG_HOME="_s + home_.filePath(u"none"_s),
                               u"PELICAST_PASSWORD=s3cret"_s};
        const QStringList anna{u"--user"_s, u"anna"_s, u"--text"_s, u"hi"_s, u"--to"_s};
        QTest::newRow("C locale, no region: a national number")
            << anna + QStringList{u"12"_s} << cron << 2 << 0 << "(--region GR)";
        QTest::newRow("C.UTF-8, no region: international numbers are checked")
            << anna + QStringList{u"+306944111222;+999 1"_s}
            << cron + QStringList{u"LC_ALL="_s, u"LC_NUMERIC="_s, u"LANG=C.UTF-8"_s} << 2 << 0
            << "not a possible phone number:\n    +999 1";
        QTest::newRow("--region") << anna + QStringList{u"0944111222"_s, u"--region"_s, u"gr"_s}
                                  << cron << 0 << 1 << "Message accepted";
        const QStringList fromStandardInput{u"--to"_s, u"0944111222"_s, u"--text"_s, u"-"_s};
        QTest::newRow("endless standard input") << fromStandardInput << QStringList{u"</dev/zero"_s}
                                                << 2 << 0 << "larger than the limit of 4 KiB";
        QTest::newRow("NUL in the text")
            << fromStandardInput << QStringList{u"<"_s + home_.filePath(u"nul.txt"_s)} << 2 << 0
            << "control character U+0000";
        QTest::newRow("standard output full")
            << QStringList{u"--credits"_s} << QStringList{u">/dev/full"_s} << 5 << 0
            << "cannot be written: No space left on device";
        QTest::newRow("escape sequences in the reply")
            << QStringList{u"--credits"_s, u"--user"_s, u"\x1b]0;owned\aeve"_s}
            << QStringList{u"PELICAST_PASSWORD=pw"_s} << 0 << 0
            << "Account \uFFFD]0;owned\uFFFDeve.";
        QTest::newRow("usage error as JSON")
            << QStringList{u"--json"_s, u"--bogus"_s} << QStringList() << 2 << 0
            << "{\"error\":\"Unknown option 'bogus'.\",\"outcome\":\"error\"}";
        QTest::newRow("blank recipients") << QStringList{u"--to"_s, u";; ;"_s, u"--text"_s, u"hi"_s}
                                          << QStringList() << 2 << 0 << "blank recipient";
        QTest::newRow("an option given twice") << kSendHi + QStringList{u"--text"_s, u"bye"_s}
                                               << QStringList() << 2 << 0 << "given 2 times";
        QTest::newRow("unreadable settings")
            << kSendHi << QStringList{u"XDG_CONFIG_HOME="_s + home_.filePath(u"blocked"_s)} << 4
            << 0
            << u"settings %1 cannot be read: not a file"_s.arg(
                   home_.filePath(u"blocked/Quillo/Quillo.conf"_s));
    }
    void exitStatus() {
        QProcessEnvironment environment = this->environment(gateway_.httpBase());
        QProcess command;
        QFETCH(QStringList, variables);
        for (const QString& variable : variables) {
            if (variable.startsWith(u'<'))
                command.setStandardInputFile(variable.mid(1));
            else if (variable.startsWith(u'>'))
                command.setStandardOutputFile(variable.mid(1));
            else
                environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        const qsizetype before = gateway_.outbox().size();
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

    // Replies a broken or hostile gateway may send, through the window and
    // pelicast-send: one verdict for both and the journal, the window's box
    // at most 10,000 characters of it, and a balance that cannot be one kept
    // out of the balance line and the settings; the journal keeps it all.
    void hostileReplies_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told");     // in the window's box
        QTest::addColumn<QString>("credits");  // stored afterwards; " 7" before
        QTest::newRow("refusal words with a balance")
            << u"Invalid recipient. Credits Left: 100"_s << "refused" << 1 << "Invalid"
            << " 100";
        QTest::newRow("empty") << QString() << "unclear" << 3 << "Unclear, check your"
                               << " 7";
        QTest::newRow("1 MiB in one line") << QString(1024 * 1024, u'x') << "unclear" << 3
                                           << "xx\n\n... and 1038576 more characters"
                                           << " 7";
        QTest::newRow("500,000-digit balance")
            << u"Credits Left: "_s + QString(500'000, u'9') << "accepted" << 0
            << "99\n\n... and 490014 more characters, kept in History"
            << " 7";
    }
    void hostileReplies() {
        QFETCH(QString, reply);
        QFETCH(QString, credits);
        QHttpServer server;
        server.route(u"/comsend.asp"_s, [&reply] { return reply; });
        const QString base = u"http://127.0.0.1:%1/"_s.arg(server.listen(QHostAddress::LocalHost));
        Settings().setValue(keys::kCredits, u" 7"_s);
        MainWindow window(*GatewayLocation::at(base));
        fillWindow(window, u"hi"_s);
        MessageBox::startRecording();
        sendFromWindow(window);
        const QString box = MessageBox::shownTexts().constLast();
        QFETCH(QString, told);
        QVERIFY2(box.contains(told) && box.size() < 10'200, qPrintable(box.right(200)));
        QCOMPARE(child<QLabel>(&window, "chkcr")->text().remove(u" (last run)"_s),
                 u"Credits Left:"_s + credits);

        QProcess command;
        command.setProcessEnvironment(environment(base));
        command.start(QStringLiteral(PELICAST_SEND), kSendHi + QStringList{u"--json"_s});
        QTRY_COMPARE_WITH_TIMEOUT(command.state(), QProcess::NotRunning, kTimeoutMs);
        QTEST(command.exitCode(), "status");
        QTEST(QJsonDocument::fromJson(command.readAllStandardOutput())[u"outcome"_s].toString(),
              "outcome");
        QCOMPARE(Settings().value(keys::kCredits), credits);
        Journal journal;
        QVERIFY(journal.open());
        QSqlQuery rows = journal.select({});
        QVERIFY(rows.next());
        QTEST(rows.value(Journal::Outcome).toString(), "outcome");
        QCOMPARE(rows.value(Journal::Reply).toString(), reply);
    }

    // A signal before the request leaves ends pelicast-send as it ends any
    // program. With the request out, its row says that no complete answer
    // came, the user reads that it may have been sent, and the status is 3;
    // once the answer came (its last write held up here), it changes nothing.
    void signals_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("status");       // -1: ended by the signal
        QTest::addColumn<QString>("outcome");  // of its row; null: none
        QTest::newRow("SIGTERM reading the text") << "before" << SIGTERM << -1 << QString();
        QTest::newRow("SIGINT while out") << "out" << SIGINT << 3 << "unknown";
        QTest::newRow("SIGTERM while out") << "out" << SIGTERM << 3 << "unknown";
        QTest::newRow("SIGHUP while out") << "out" << SIGHUP << 3 << "unknown";
        QTest::newRow("SIGTERM after the answer") << "after" << SIGTERM << 0 << "accepted";
    }
    void signals() {
        QFETCH(QString, moment);
        QFETCH(int, signal);
        testing::GatewayProcess& gateway = moment == "before"_L1 ? gateway_ : slow_;
        const qsizetype sent = gateway.outbox().size();
        Journal journal;
        QVERIFY(journal.open());
        const auto newest = [&journal] {
            QSqlQuery rows = journal.select({});
            return rows.next() ? rows.value(Journal::Id).toString() + u' ' +
                                     rows.value(Journal::Outcome).toString()
                               : QString();
        };
        const QString before = newest();
        QProcess command;
        command.setProcessEnvironment(environment(gateway.httpBase()));
        command.start(
            QStringLiteral(PELICAST_SEND),
            moment == "before"_L1 ? QStringList{u"--to"_s, u"1"_s, u"--text"_s, u"-"_s} : kSendHi);
        QSqlQuery lock(journal.database());
        if (moment == "after"_L1) {
            QTRY_VERIFY_WITH_TIMEOUT(newest() != before, kTimeoutMs);  // its pending row
            QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        }
        QTRY_VERIFY_WITH_TIMEOUT(moment == "before"_L1 || gateway.outbox().size() > sent,
                                 kTimeoutMs);
        QTest::qWait(moment == "after"_L1 ? kDelayMs + 300 : 300);
        QVERIFY(command.processId() > 0);
        ::kill(pid_t(command.processId()), signal);
        lock.exec(u"ROLLBACK"_s);
        QTRY_COMPARE_WITH_TIMEOUT(command.state(), QProcess::NotRunning, kTimeoutMs);
        QFETCH(int, status);
        QCOMPARE(command.exitStatus(), status < 0 ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(command.exitCode(), status < 0 ? signal : status);
        QCOMPARE(command.readAllStandardError().contains("The message may have been sent"),
                 moment == "out"_L1);
        const QString now = newest();
        QTEST(now == before ? QString() : now.section(u' ', 1), "outcome");
        QCOMPARE(gateway.outbox().size(), sent + (moment == "before"_L1 ? 0 : 1));
    }

    // A script sending in a loop while the user sends from the window: every
    // request gets its row, with the gateway's reply and the balance it stated.
    void windowAndCommandWriteOneJournal() {
        constexpr int kCommands = 6;
        Journal journal;
        QVERIFY(journal.open());
        QVERIFY(QSqlQuery(journal.database()).exec(u"DELETE FROM requests"_s));
        int commandsLeft = kCommands;
        QProcess command;
        command.setProcessEnvironment(environment(gateway_.httpBase()));
        connect(&command, &QProcess::finished, this, [&] {
            if (--commandsLeft > 0)
                command.start(QStringLiteral(PELICAST_SEND), kSendHi);
        });
        command.start(QStringLiteral(PELICAST_SEND), kSendHi);
        MainWindow window(*GatewayLocation::at(gateway_.httpBase()));
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
        MainWindow window(*GatewayLocation::at(gateway_.httpBase()));
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
