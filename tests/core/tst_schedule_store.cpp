// SPDX-License-Identifier: GPL-3.0-or-later
// Scheduled batches in a real journal: changed only while they wait, taken
// by one program, and paused by quiet hours while the stand-in answers, on
// a clock that moves a minute a request.
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "core/book/recipient_table.h"
#include "core/gateway/gateway_client.h"
#include "core/journal/batch_runner.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/schedule_store.h"
#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/schedule/quiet_hours_guard.h"
#include "core/settings/settings.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const QTimeZone kAthens(QByteArrayLiteral("Europe/Athens"));
const QDateTime kEvening(QDate(2026, 5, 4), QTime(20, 58), kAthens);

// Three people, one request each: "<text> A", "<text> B", "<text> C".
BatchPlan plan(const QString& text) {
    QFile file(QDir::home().filePath(u"three.csv"_s));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("Name,Mobile\nA,+306944000001\nB,+306944000002\nC,+306944000003\n") < 0)
        qFatal("cannot write the list");
    file.close();
    return BatchPlan(text + u" {Name}"_s,
                     RecipientList::fromTable(*RecipientTable::read(file.fileName()), 1, {}),
                     u"Quillo"_s);
}

QStringList texts(BatchStore& store, qint64 id) {
    QStringList texts;
    const Expected<QList<BatchRequest>> requests = store.requests(id);
    for (const BatchRequest& request : *requests)
        texts << request.record.message + u'/' + outcomeName(request.record.outcome);
    return texts;
}

}  // namespace

class TestScheduleStore : public QObject {
    Q_OBJECT
    Journal journal_;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(journal_.open(), qPrintable(journal_.errorString())); }

    // Taken once, then the taker's alone; set to wait again, it can be
    // called off, and nothing of it is sent. (Changes while it waits: the
    // Scheduled window's test.)
    void changesOnlyWhileWaiting() {
        BatchStore store(journal_);
        ScheduleStore schedule(journal_);
        const QDateTime due = QDateTime::currentDateTimeUtc().addDays(1);
        const qint64 id = *store.create({u"anna"_s, u"Hi {Name}"_s, {}, {}, due}, plan(u"Hi"_s));
        QCOMPARE(*schedule.dueBy(due), QList<qint64>{id});
        QVERIFY(*schedule.begin(id));
        QVERIFY(!*schedule.begin(id));
        QVERIFY(!schedule.reschedule(id, due));
        QVERIFY(!schedule.cancel(id));
        QVERIFY(!schedule.replace(id, u"Bye {Name}"_s, plan(u"Bye"_s)));
        QVERIFY(schedule.wait(id, due));
        QVERIFY(schedule.cancel(id));
        QCOMPARE(texts(store, id).filter(u"/declined"_s).size(), 3);
    }

    // 20:58, then a minute a request: the third would go at 21:00.
    void quietHoursPauseARunningBatch() {
        testing::GatewayProcess gateway;
        QVERIFY2(gateway.start({{u"anna"_s, u"pw"_s, 1000}}), qPrintable(gateway.errorString()));
        BatchStore store(journal_);
        ScheduleStore schedule(journal_);
        const qint64 id =
            *store.create({u"anna"_s, u"Hi {Name}"_s, {}, {}, kEvening.toUTC()}, plan(u"Hi"_s));
        QVERIFY(*schedule.begin(id));
        Settings settings;
        GatewayClient client(GatewayLocation{gateway.httpBase(), gateway.httpBase(), u"quillo"_s});
        JournalRecorder recorder(client, settings);
        BatchRunner runner(recorder, client, store, settings);
        ManualClock clock(kEvening, kAthens);
        connect(&runner, &BatchRunner::requestFinished, this,
                [&clock] { clock.advance(std::chrono::minutes(1)); });
        QuietHoursGuard guard(runner, schedule, clock, QuietHours::defaults());
        QSignalSpy finished(&runner, &BatchRunner::finished);
        QVERIFY2(runner.start(id, u"pw"_s), qPrintable(runner.errorString()));
        QVERIFY(finished.wait(20000));
        QCOMPARE(texts(store, id),
                 (QStringList{u"Hi A/accepted"_s, u"Hi B/accepted"_s, u"Hi C/queued"_s}));
        const BatchInfo paused = **store.batch(id);
        QCOMPARE(paused.state, BatchState::Scheduled);
        QCOMPARE(paused.due, QDateTime(QDate(2026, 5, 5), QTime(8, 0), kAthens).toUTC());
        QCOMPARE(guard.pausedUntil(), paused.due);
        QCOMPARE(gateway.outbox().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestScheduleStore)
#include "tst_schedule_store.moc"
