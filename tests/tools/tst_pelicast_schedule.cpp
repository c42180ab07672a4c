// SPDX-License-Identifier: GPL-3.0-or-later
// Sending later through pelicast-send against the gateway stand-in: --at,
// --scheduled, --cancel, and --run-due as the timer runs it, two at once.
#include <QtSql>
#include <QtTest>

#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/schedule_store.h"
#include "core/settings/settings.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QString output;  // standard output, then standard error
};

QString localTime(qint64 minutesFromNow) {
    return QDateTime::currentDateTime()
        .addSecs(minutesFromNow * 60)
        .toString(u"yyyy-MM-dd HH:mm"_s);
}

}  // namespace

class TestPelicastSchedule : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_;

    QProcess* start(const QStringList& arguments, bool password = true) {
        auto* command = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PELICAST_GATEWAY"_s, gateway_.httpBase());
        if (password)
            environment.insert(u"PELICAST_PASSWORD"_s, u"pw"_s);
        command->setProcessEnvironment(environment);
        command->start(QStringLiteral(PELICAST_SEND), arguments);
        return command;
    }
    Run run(const QStringList& arguments, bool password = true) {
        std::unique_ptr<QProcess> command(start(arguments, password));
        if (!command->waitForFinished(30000))
            return {};
        return {command->exitCode(), QString::fromUtf8(command->readAllStandardOutput() +
                                                       command->readAllStandardError())};
    }
    // A batch to three numbers from `first` on (one request: one text),
    // scheduled, then due `minutes`
    // from now (the past too, as a machine that was off finds it).
    qint64 schedule(int first, qint64 minutes) {
        QStringList arguments{u"--text"_s, u"Meeting moved"_s, u"--pause"_s,  u"0"_s,
                              u"--json"_s, u"--at"_s,          localTime(120)};
        for (int i = 0; i < 3; ++i)
            arguments << u"--to"_s << u"+30694410%1"_s.arg(first + i, 4, 10, QChar(u'0'));
        const Run made = run(arguments);
        const qint64 id = QJsonDocument::fromJson(made.output.section(u'\n', 0, 0).toUtf8())
                              .object()[u"batch"_s]
                              .toString()
                              .toLongLong();
        Journal journal;
        if (!journal.open() || !ScheduleStore(journal).reschedule(
                                   id, QDateTime::currentDateTimeUtc().addSecs(minutes * 60)))
            return 0;
        return id;
    }
    static QString state(qint64 id) {
        Journal journal;
        const auto batch =
            journal.open() ? BatchStore(journal).batch(id) : Unexpected(journal.errorString());
        return batch && *batch ? batchStateName((*batch)->state) : QString();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(gateway_.start({{u"anna"_s, u"pw"_s, 100000}}, {u"--delay"_s, u"10"_s}),
                 qPrintable(gateway_.errorString()));
        Settings settings;
        settings.setValue(keys::kTransport, u"http"_s);
        settings.setScrambledValue(keys::kUsername, u"anna"_s);
    }

    // What scripts see: the batch scheduled, listed, cancelled once.
    void schedulesListsAndCancels() {
        const Run made = run({u"--to"_s, u"+306944100900"_s, u"--text"_s, u"Tomorrow at 8"_s,
                              u"--at"_s, localTime(90), u"--json"_s},
                             false);
        QCOMPARE(made.status, 0);
        const QJsonObject scheduled =
            QJsonDocument::fromJson(made.output.toUtf8().split('\n')[0]).object();
        QCOMPARE(scheduled[u"outcome"_s].toString(), u"scheduled"_s);
        QVERIFY(made.output.contains(u"only while Pelicast is open"_s));  // no user systemd here
        const QString id = scheduled[u"batch"_s].toString();
        const QJsonArray listed =
            QJsonDocument::fromJson(run({u"--scheduled"_s, u"--json"_s}).output.toUtf8()).array();
        QCOMPARE(listed.last()[u"batch"_s].toString(), id);
        QCOMPARE(listed.last()[u"due"_s].toString(), scheduled[u"due"_s].toString());
        QCOMPARE(listed.last()[u"cost"_s].toInt(), 5);
        QCOMPARE(run({u"--cancel"_s, id}).status, 0);
        QCOMPARE(run({u"--cancel"_s, id}).status, 2);
        QVERIFY(!run({u"--scheduled"_s}).output.contains(u"Tomorrow at 8"_s));
        QCOMPARE(gateway_.outbox().size(), 0);
    }

    void refusesTimes_data() {
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("said");
        QTest::newRow("passed") << localTime(-1) << u"has passed"_s;
        QTest::newRow("no time") << u"tomorrow"_s << u"is no time"_s;
    }
    void refusesTimes() {
        QFETCH(QString, at);
        const Run refused =
            run({u"--to"_s, u"+306944100901"_s, u"--text"_s, u"x"_s, u"--at"_s, at});
        QCOMPARE(refused.status, 2);
        QFETCH(QString, said);
        QVERIFY2(refused.output.contains(said), qPrintable(refused.output));
    }

    // The timer's run: sent when due, else left scheduled and why.
    void runsWhatIsDue_data() {
        QTest::addColumn<QString>("quietHours");
        QTest::addColumn<int>("dueMinutes");
        QTest::addColumn<bool>("password");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("state");
        const QTime now = QTime::currentTime();
        const QString quiet =
            now.addSecs(-3600).toString(u"HH:00"_s) + u'-' + now.addSecs(7200).toString(u"HH:00"_s);
        QTest::newRow("due") << u"off"_s << -1 << true << 0 << u"done"_s;
        QTest::newRow("not yet") << u"off"_s << 60 << true << 0 << u"scheduled"_s;
        QTest::newRow("inside quiet hours") << quiet << -1 << true << 0 << u"scheduled"_s;
        QTest::newRow("late") << u"off"_s << -180 << true << 0 << u"scheduled"_s;
        QTest::newRow("no password") << u"off"_s << -1 << false << 4 << u"scheduled"_s;
    }
    void runsWhatIsDue() {
        QFETCH(QString, quietHours);
        QFETCH(int, dueMinutes);
        QFETCH(bool, password);
        Settings().setValue(keys::preferences::kQuietHours, quietHours);
        static int first = 0;
        const qint64 id = schedule(first += 10, dueMinutes);
        QVERIFY(id > 0);
        const qsizetype before = gateway_.outbox().size();
        const Run due = run({u"--run-due"_s}, password);
        QTEST(due.status, "status");
        QTEST(state(id), "state");
        QCOMPARE(int(gateway_.outbox().size() - before), state(id) == u"done"_s ? 1 : 0);
        // Nothing is left for another run to send.
        run({u"--cancel"_s, QString::number(id)});
    }

    // The timer and another run at once on one due batch: each request goes
    // once, whoever claims it.
    void twoRunsSendEachOnce() {
        Settings().setValue(keys::preferences::kQuietHours, u"off"_s);
        const qint64 id = schedule(500, -1);
        QVERIFY(id > 0);
        const qsizetype before = gateway_.outbox().size();
        std::unique_ptr<QProcess> first(start({u"--run-due"_s}));
        std::unique_ptr<QProcess> second(start({u"--run-due"_s}));
        QVERIFY(first->waitForFinished(30000) && second->waitForFinished(30000));
        QStringList numbers;
        for (const QJsonObject& record : gateway_.outbox().mid(before))
            numbers += record[u"rcpt"_s].toString().split(u';');
        numbers.sort();
        QCOMPARE(numbers,
                 (QStringList{u"+306944100500"_s, u"+306944100501"_s, u"+306944100502"_s}));
        QCOMPARE(state(id), u"done"_s);
    }
};

QTEST_GUILESS_MAIN(TestPelicastSchedule)
#include "tst_pelicast_schedule.moc"
