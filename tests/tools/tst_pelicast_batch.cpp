// SPDX-License-Identifier: GPL-3.0-or-later
// Batches through pelicast-send against the gateway stand-in, as scripts run
// them: exit statuses and JSON, continue, send again and close, templates,
// two commands sending one batch, a batch killed at random moments, and
// batches sent later (--at, --scheduled, --cancel, --run-due as the timer).
#include <QtSql>
#include <QtTest>
#include <csignal>

#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/schedule_store.h"
#include "core/message/batch_plan.h"
#include "core/settings/settings.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 30000;

struct Run {
    int status = -1;
    QString output;  // standard output, then standard error
    QJsonValue json() const {
        const auto document = QJsonDocument::fromJson(output.section(u'\n', 0, 0).toUtf8());
        return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    }
};

}  // namespace

class TestPelicastBatch : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_, slow_, stopped_;
    testing::GatewayProcess paced_;  // answers 10 ms late: a request is out most of the time

    // A list of `rows` people, P0..., whose numbers follow `first`; with a
    // `gap`, the second has no name.
    QString list(const QString& name, int rows, int first = 0, bool gap = false) {
        QString path = QDir::home().filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("Name,Mobile\r\n");
        for (int i = 0; i < rows; ++i)
            file.write(u"%1,0944%2\r\n"_s.arg(gap && i == 1 ? QString() : u"P%1"_s.arg(i))
                           .arg(300000 + first + i)
                           .toUtf8());
        return path;
    }
    QProcess* start(const QStringList& arguments, const testing::GatewayProcess& gateway) {
        auto* command = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PELICAST_GATEWAY"_s, gateway.httpBase());
        environment.insert(u"PELICAST_PASSWORD"_s, u"pw"_s);
        command->setProcessEnvironment(environment);
        command->start(QStringLiteral(PELICAST_SEND), arguments);
        return command;
    }
    Run run(const QStringList& arguments, const testing::GatewayProcess& gateway) {
        QProcess* command = start(arguments, gateway);
        Run result;
        if (command->waitForFinished(kTimeoutMs))
            result = {command->exitCode(), QString::fromUtf8(command->readAllStandardOutput() +
                                                             command->readAllStandardError())};
        delete command;
        return result;
    }
    Run run(const QStringList& arguments) { return run(arguments, gateway_); }
    // Each number the stand-in took a message for, as often as it did.
    static QStringList sentNumbers(const testing::GatewayProcess& gateway) {
        QStringList numbers;
        for (const QJsonObject& record : gateway.outbox())
            numbers += record[u"rcpt"_s].toString().split(u';');
        return numbers;
    }
    // A batch of `rows` made as the window makes it, not yet sent.
    static qint64 makeBatch(const QString& path) {
        Journal journal;
        const auto table = RecipientTable::read(path);
        if (!journal.open() || !table)
            return 0;
        const BatchPlan plan(u"Dear {Name}"_s, RecipientList::fromTable(*table, 1, u"GR"_s),
                             u"Quillo"_s);
        const Expected<qint64> id = BatchStore(journal).create({u"anna"_s, {}, {}, {}, {}}, plan);
        return id ? *id : 0;
    }
    static QList<BatchRequest> requests(qint64 batch) {
        Journal journal;
        const auto requests = journal.open() ? BatchStore(journal).requests(batch)
                                             : Unexpected(journal.errorString());
        return requests ? *requests : QList<BatchRequest>();
    }
    // A batch of two texts from `first` on, scheduled, then made due
    // `minutes` from now (the past too, as a machine that was off finds it).
    qint64 scheduled(int first, qint64 minutes) {
        const QString at =
            QDateTime::currentDateTime().addSecs(7200).toString(u"yyyy-MM-dd HH:mm"_s);
        const qint64 id = run({u"--csv"_s, list(u"at%1.csv"_s.arg(first), 2, first), u"--text"_s,
                               u"Dear {Name}"_s, u"--pause"_s, u"0"_s, u"--at"_s, at, u"--json"_s})
                              .json()[u"batch"_s]
                              .toString()
                              .toLongLong();
        Journal journal;
        const QDateTime due = QDateTime::currentDateTimeUtc().addSecs(minutes * 60);
        return journal.open() && ScheduleStore(journal).reschedule(id, due) ? id : 0;
    }
    static QString outcomes(qint64 batch) {
        QStringList words;
        for (const BatchRequest& request : requests(batch))
            words << outcomeName(request.record.outcome);
        return words.join(u' ');
    }

private Q_SLOTS:
    void initTestCase() {
        const QList<testing::GatewayProcess::Account> accounts{{u"anna"_s, u"pw"_s, 100000},
                                                               {u"poor"_s, u"pw"_s, 10}};
        QVERIFY2(gateway_.start(accounts), qPrintable(gateway_.errorString()));
        QVERIFY2(slow_.start(accounts, {u"--delay"_s, u"300"_s}), qPrintable(slow_.errorString()));
        QVERIFY2(paced_.start(accounts, {u"--delay"_s, u"10"_s}), qPrintable(paced_.errorString()));
        QVERIFY(stopped_.start());
        stopped_.stop();
        Settings settings;
        settings.setValue(keys::kProxy, u"0"_s);
        settings.setValue(keys::kTransport, u"http"_s);
        settings.setScrambledValue(keys::kUsername, u"anna"_s);
        settings.setValue(keys::preferences::kRegion, u"GR"_s);
        QDir().mkpath(QDir::home().filePath(u".local/share/Pelicast"_s));
        QFile book(QDir::home().filePath(u".local/share/Pelicast/contacts.vcf"_s));
        QVERIFY(book.open(QIODevice::WriteOnly));
        book.write(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Maria Papadaki\r\nN:Papadaki;Maria;;;\r\n"
            "TEL;TYPE=CELL:0944123456\r\nEND:VCARD\r\n");
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("said");
        const QStringList three{u"--csv"_s, list(u"three.csv"_s, 3), u"--pause"_s, u"0"_s};
        const QStringList gap{u"--csv"_s, list(u"gap.csv"_s, 3, 10, true), u"--pause"_s, u"0"_s};
        const QStringList dear{u"--text"_s, u"Dear {name}"_s};
        const QString longText = u"Dear {Name}, "_s + QString(155, u'x');
        QTest::newRow("all accepted") << three + dear << 0 << 3 << "3/3 accepted: 0944300002";
        QTest::newRow("a field without a value")
            << gap + dear << 2 << 0 << "row 3 (0944300011): no Name\n";
        QTest::newRow("--missing skip")
            << gap + dear + QStringList{u"--missing"_s, u"skip"_s} << 0 << 2 << "2/2 accepted";
        QTest::newRow("too long once filled in")
            << three + QStringList{u"--text"_s, longText} << 2 << 0
            << "3 messages are over 160 characters once filled in:\n  row 2 (0944300000)";
        QTest::newRow("--too-long send")
            << three + QStringList{u"--text"_s, longText, u"--too-long"_s, u"send"_s} << 0 << 3
            << "3/3 accepted";
        QTest::newRow("a field no column names")
            << three + QStringList{u"--text"_s, u"Dear {Nmae}"_s} << 2 << 0
            << "{Nmae}, which names no field of these recipients (Name, Mobile)";
        QTest::newRow("above --max-cost in all")
            << three + dear + QStringList{u"--max-cost"_s, u"14"_s} << 2 << 0
            << "Give --max-cost 15";
        QTest::newRow("refused for want of credits")
            << three + dear + QStringList{u"--user"_s, u"poor"_s} << 1 << 2
            << "3/3 refused: 0944300002";
        QTest::newRow("the contacts' fields of --to")
            << QStringList{u"--to"_s, u"0944123456"_s, u"--text"_s, u"Hi {first}"_s} << 0 << 1
            << "1/1 accepted: 0944123456";
        QTest::newRow("no such column")
            << three + dear + QStringList{u"--number-column"_s, u"Phone"_s} << 2 << 0
            << "has no column \"Phone\"; its columns: Name, Mobile.";
        QTest::newRow("a folder as the list")
            << QStringList{u"--csv"_s, QDir::homePath()} + dear << 4 << 0 << "cannot be read";
        QTest::newRow("--continue has no dry run")
            << QStringList{u"--continue"_s, u"1"_s, u"--dry-run"_s} << 2 << 0
            << "--continue has no dry run";
        QTest::newRow("--continue with a message")
            << QStringList{u"--continue"_s, u"1"_s, u"--text"_s, u"hi"_s} << 2 << 0
            << "--continue sends no message: leave out --text.";
    }
    void exitStatus() {
        QFETCH(QStringList, arguments);
        const qsizetype before = gateway_.outbox().size();
        const Run result = run(arguments);
        QFETCH(QString, said);
        QVERIFY2(result.output.contains(said), qPrintable(result.output));
        QTEST(result.status, "status");
        QTEST(int(gateway_.outbox().size() - before), "sent");
    }

    // The shapes scripts read, and what a network failure leaves: every
    // request queued, the batch listed, nothing sent.
    void jsonOfRunAndList() {
        const QStringList batch{u"--csv"_s,   list(u"json.csv"_s, 2, 20),
                                u"--text"_s,  u"Dear {Name}"_s,
                                u"--pause"_s, u"0"_s,
                                u"--json"_s};
        Run result = run(batch, stopped_);
        QCOMPARE(result.status, 3);
        const QString id = result.json()[u"batch"_s].toString();
        QVERIFY2(id.toLongLong() > 0, qPrintable(result.output));
        QCOMPARE(result.json()[u"requests"_s][1].toObject(),
                 (QJsonObject{{u"recipients"_s, QJsonArray{u"0944300021"_s}},
                              {u"text"_s, u"Dear P1"_s},
                              {u"parts"_s, 1},
                              {u"encoding"_s, u"GSM 7-bit"_s},
                              {u"cost"_s, 5},
                              {u"outcome"_s, u"queued"_s}}));
        QVERIFY(result.output.contains(u"did not reach the gateway"_s));
        const QJsonArray unfinished = run({u"--batches"_s, u"--json"_s}).json().toArray();
        QVERIFY(!unfinished.isEmpty());
        const QJsonObject last = unfinished.last().toObject();
        QCOMPARE(last[u"batch"_s].toString(), id);
        QCOMPARE(last[u"queued"_s].toInt(), 2);
        QVERIFY(QDateTime::fromString(last[u"created"_s].toString(), Qt::ISODate).isValid());
        result = run({u"--continue"_s, id, u"--json"_s});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.json()[u"requests"_s][0][u"outcome"_s].toString(), u"accepted"_s);
        QVERIFY(result.json()[u"balance"_s].isDouble());
    }

    // A script reads a dry run and a send alike: the same keys, and the
    // balance a number once a reply stated it.
    void oneShapeForDryRunAndSend_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("a message") << QStringList{u"--to"_s, u"0944123456"_s, u"--text"_s, u"hi"_s};
        QTest::newRow("a batch") << QStringList{u"--csv"_s,   list(u"shape.csv"_s, 2, 70),
                                                u"--text"_s,  u"Dear {Name}"_s,
                                                u"--pause"_s, u"0"_s};
    }
    void oneShapeForDryRunAndSend() {
        QFETCH(QStringList, arguments);
        const QJsonObject dry =
            run(arguments + QStringList{u"--json"_s, u"--dry-run"_s}).json().toObject();
        const QJsonObject sent = run(arguments + QStringList{u"--json"_s}).json().toObject();
        QCOMPARE(dry.keys(), sent.keys());
        QCOMPARE(dry[u"requests"_s][0].toObject().keys(), sent[u"requests"_s][0].toObject().keys());
        QVERIFY(dry[u"balance"_s].isNull() && sent[u"balance"_s].isDouble());
    }

    // A signal with a request out: that one is unknown, the rest stay queued.
    // Continue sends only the queued ones; the unknown and the refused go
    // again only when asked, and close ends a batch with requests unsent.
    void stopContinueAndSendAgain() {
        QProcess* command = start({u"--csv"_s, list(u"stop.csv"_s, 5, 30), u"--text"_s,
                                   u"Dear {Name}"_s, u"--pause"_s, u"0"_s},
                                  slow_);
        const qsizetype before = slow_.outbox().size();
        QTRY_COMPARE_WITH_TIMEOUT(slow_.outbox().size(), before + 2, kTimeoutMs);
        QVERIFY(command->processId() > 0);
        ::kill(pid_t(command->processId()), SIGTERM);
        QVERIFY(command->waitForFinished(kTimeoutMs));
        QCOMPARE(command->exitCode(), 3);
        QVERIFY(command->readAllStandardError().contains("The message may have been sent"));
        const QString id =
            run({u"--batches"_s, u"--json"_s}).json().toArray().last()[u"batch"_s].toString();
        QCOMPARE(outcomes(id.toLongLong()), u"accepted unknown queued queued queued"_s);
        QCOMPARE(run({u"--continue"_s, id}).status, 3);  // the unknown one is left
        QCOMPARE(sentNumbers(gateway_).filter(u"094430003"_s).size(), 3);
        const Run again = run({u"--resend-unknown"_s, id});
        QCOMPARE(again.status, 0);
        QVERIFY(again.output.contains(u"their recipients may get them twice"_s));
        QCOMPARE(sentNumbers(gateway_).filter(u"0944300031"_s).size(), 1);
        QVERIFY(run({u"--batches"_s}).output.startsWith(u"No batch is unfinished."_s));

        const QStringList poor{u"--csv"_s,   list(u"poor.csv"_s, 3, 40),
                               u"--text"_s,  u"Dear {Name}"_s,
                               u"--pause"_s, u"0"_s,
                               u"--user"_s,  u"poor"_s};
        const Run poorRun = run(poor + QStringList{u"--json"_s});
        QCOMPARE(poorRun.status, 1);
        const qint64 refused = poorRun.json()[u"batch"_s].toString().toLongLong();
        QCOMPARE(run({u"--continue"_s, QString::number(refused)}).status, 1);  // not sent again
        QCOMPARE(run({u"--resend-refused"_s, QString::number(refused)}).status, 1);
        gateway_.stop();
        QVERIFY(gateway_.start({{u"anna"_s, u"pw"_s, 100000}, {u"poor"_s, u"pw"_s, 100}}));
        QCOMPARE(run({u"--resend-refused"_s, QString::number(refused)}).status, 0);
        QCOMPARE(outcomes(refused), u"accepted accepted accepted"_s);

        const qint64 unsent = makeBatch(list(u"close.csv"_s, 2, 50));
        const Run closed = run({u"--close"_s, QString::number(unsent)});
        QVERIFY2(closed.output.contains(u"2 queued requests will not be sent"_s),
                 qPrintable(closed.output));
        QCOMPARE(run({u"--continue"_s, QString::number(unsent)}).status, 1);
        QCOMPARE(outcomes(unsent), u"declined declined"_s);
    }

    void templates() {
        QCOMPARE(run({u"--save-template"_s, u"Welcome"_s, u"--text"_s, u"Dear {Name}"_s}).status,
                 0);
        QCOMPARE(
            run({u"--templates"_s, u"--json"_s}).json().toArray(),
            (QJsonArray{QJsonObject{{u"name"_s, u"Welcome"_s}, {u"text"_s, u"Dear {Name}"_s}}}));
        const Run sent = run({u"--csv"_s, list(u"template.csv"_s, 2, 60), u"--template"_s,
                              u"welcome"_s, u"--pause"_s, u"0"_s, u"--json"_s});
        QCOMPARE(sent.json()[u"requests"_s][1][u"text"_s].toString(), u"Dear P1"_s);
        QCOMPARE(run({u"--delete-template"_s, u"Welcome"_s}).status, 0);
        QVERIFY(run({u"--to"_s, u"0944123456"_s, u"--template"_s, u"Welcome"_s})
                    .output.contains(u"There is no template \"Welcome\""_s));
    }

    // Two commands continuing one batch at once: each request goes once.
    void twoCommandsOneBatch() {
        const qint64 batch = makeBatch(list(u"race.csv"_s, 40, 100));
        QVERIFY(batch > 0);
        const QStringList arguments{u"--continue"_s, QString::number(batch)};
        QProcess* first = start(arguments, gateway_);
        QProcess* second = start(arguments, gateway_);
        QVERIFY(first->waitForFinished(kTimeoutMs) && second->waitForFinished(kTimeoutMs));
        const QStringList sent =
            sentNumbers(gateway_).filter(QRegularExpression(u"^09443001[0-3]\\d$"_s));
        QCOMPARE(sent.size(), 40);
        QCOMPARE(QSet<QString>(sent.cbegin(), sent.cend()).size(), 40);
        QCOMPARE(outcomes(batch), QStringList(40, u"accepted"_s).join(u' '));
    }

    // Scheduled, listed as scripts read it, cancelled once; nothing sent.
    void scheduleListAndCancel() {
        const qsizetype before = gateway_.outbox().size();
        const Run made = run(
            {u"--to"_s, u"0944123456"_s, u"--text"_s, u"Tomorrow at 8"_s, u"--at"_s,
             QDateTime::currentDateTime().addDays(1).toString(u"yyyy-MM-dd HH:mm"_s), u"--json"_s});
        QCOMPARE(made.json()[u"outcome"_s].toString(), u"scheduled"_s);
        QVERIFY(made.output.contains(u"only while Pelicast is open"_s));  // no user systemd
        const QString id = made.json()[u"batch"_s].toString();
        const QJsonObject listed =
            run({u"--scheduled"_s, u"--json"_s}).json().toArray().last().toObject();
        QCOMPARE(listed[u"batch"_s].toString(), id);
        QCOMPARE(listed[u"due"_s], made.json()[u"due"_s]);
        QCOMPARE(listed[u"cost"_s].toInt(), 5);
        QCOMPARE(run({u"--cancel"_s, id}).status, 0);
        QCOMPARE(run({u"--cancel"_s, id}).status, 2);
        QCOMPARE(outcomes(id.toLongLong()), u"declined"_s);
        QCOMPARE(gateway_.outbox().size(), before);
    }

    // The timer's run: sent when due, else left scheduled.
    void runsWhatIsDue_data() {
        QTest::addColumn<QString>("quietHours");
        QTest::addColumn<int>("dueMinutes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outcomes");
        const QTime now = QTime::currentTime();
        const QString quiet =
            now.addSecs(-3600).toString(u"HH:00"_s) + u'-' + now.addSecs(7200).toString(u"HH:00"_s);
        const QString sent = u"accepted accepted"_s, waiting = u"queued queued"_s;
        QTest::newRow("due") << u"off"_s << -1 << QStringList() << 0 << sent;
        QTest::newRow("not yet") << u"off"_s << 60 << QStringList() << 0 << waiting;
        QTest::newRow("inside quiet hours") << quiet << -1 << QStringList() << 0 << waiting;
        QTest::newRow("late") << u"off"_s << -180 << QStringList() << 0 << waiting;
        QFile none(QDir::home().filePath(u"none"_s));
        QVERIFY(none.open(QIODevice::WriteOnly));
        QTest::newRow("no password")
            << u"off"_s << -1 << QStringList{u"--password-file"_s, none.fileName()} << 4 << waiting;
    }
    void runsWhatIsDue() {
        QFETCH(QString, quietHours);
        QFETCH(int, dueMinutes);
        QFETCH(QStringList, options);
        Settings().setValue(keys::preferences::kQuietHours, quietHours);
        static int first = 200;
        const qint64 id = scheduled(first += 10, dueMinutes);
        QVERIFY(id > 0);
        QTEST(run(QStringList{u"--run-due"_s} + options).status, "status");
        QTEST(outcomes(id), "outcomes");
        run({u"--cancel"_s, QString::number(id)});  // none left for the next row's run
    }

    // Two runs of the timer at once on one due batch: each request goes once.
    void twoRunsOneDueBatch() {
        Settings().setValue(keys::preferences::kQuietHours, u"off"_s);
        const qint64 id = scheduled(300, -1);
        QVERIFY(id > 0);
        QProcess* first = start({u"--run-due"_s}, gateway_);
        QProcess* second = start({u"--run-due"_s}, gateway_);
        QVERIFY(first->waitForFinished(kTimeoutMs) && second->waitForFinished(kTimeoutMs));
        QCOMPARE(sentNumbers(gateway_).filter(QRegularExpression(u"^094430030[01]$"_s)).size(), 2);
        QCOMPARE(outcomes(id), u"accepted accepted"_s);
    }

    // A batch of 200 texts killed with SIGKILL at random moments, each
    // followed by a continue: nobody gets a message twice, everyone without
    // one is listed as unknown, and the journal is whole.
    void killedAtRandomMoments() {
        constexpr int kKills = 20, kRows = 200;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QElapsedTimer clock;
        clock.start();
        Journal journal;
        QVERIFY(journal.open());
        const auto newest = [&journal] {
            QSqlQuery query(u"SELECT MAX(id) FROM batches"_s, journal.database());
            return query.next() ? query.value(0).toLongLong() : 0;
        };
        const qint64 last = newest();
        QStringList arguments{u"--csv"_s,   list(u"kill.csv"_s, kRows, 1000),
                              u"--text"_s,  u"Dear {Name}, your number is {Mobile}."_s,
                              u"--pause"_s, u"0"_s};
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess* command = start(arguments, paced_);
            if (kill == 0)  // the batch is written before anything is sent
                QTRY_VERIFY_WITH_TIMEOUT(newest() > last, kTimeoutMs);
            QTest::qWait(int(random.bounded(50, 250)));
            if (const qint64 pid = command->processId(); pid > 0)  // 0: it ended already
                ::kill(pid_t(pid), SIGKILL);
            QVERIFY(command->state() == QProcess::NotRunning ||
                    command->waitForFinished(kTimeoutMs));
            delete command;
            arguments = {u"--continue"_s, QString::number(newest())};
        }
        QVERIFY(QList<int>({0, 3}).contains(run(arguments, paced_).status));
        const QStringList sent = sentNumbers(paced_);
        QCOMPARE(QSet<QString>(sent.cbegin(), sent.cend()).size(), sent.size());
        qsizetype unknown = 0;
        for (const BatchRequest& request : requests(newest())) {
            const bool got = sent.contains(request.record.recipients);
            const auto outcome = request.record.outcome;
            unknown += outcome == RequestRecord::Outcome::Unknown;
            QVERIFY2(got ? outcome != RequestRecord::Outcome::Queued
                         : outcome == RequestRecord::Outcome::Unknown,
                     qPrintable(request.record.recipients + u' ' + outcomeName(outcome)));
        }
        // At most the request out at each kill and the next one, noted as
        // sent ahead of it; a row claimed and not noted is queued again.
        QVERIFY(unknown <= 2 * kKills);
        QSqlQuery check(u"PRAGMA integrity_check"_s, journal.database());
        QVERIFY(check.next() && check.value(0).toString() == u"ok"_s);
        qInfo("%d kills, %lld sent, %lld unknown, %lld ms", kKills, qint64(sent.size()),
              qint64(unknown), clock.elapsed());
    }
};

QTEST_GUILESS_MAIN(TestPelicastBatch)
#include "tst_pelicast_batch.moc"
