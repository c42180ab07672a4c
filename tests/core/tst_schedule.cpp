// SPDX-License-Identifier: GPL-3.0-or-later
// When scheduled batches may go: quiet hours, the due-time rules, the times
// the command line takes, the preferences in the settings file and the
// systemd timer where no systemd runs (the dialog's times: tests/gui). Times are read in Athens,
// whose clocks change, on a clock set by hand.
#include <QFile>
#include <QTest>

#include "core/schedule/due_rules.h"
#include "core/schedule/due_timer.h"
#include "core/settings/settings.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const QTimeZone kAthens(QByteArrayLiteral("Europe/Athens"));

// "2026-05-04T21:00" in Athens; null for "".
QDateTime local(const QString& text) {
    if (text.isEmpty())
        return {};
    const QDateTime wall = QDateTime::fromString(text, Qt::ISODate);
    return QDateTime(wall.date(), wall.time(), kAthens);
}

QString localText(const QDateTime& moment) {
    return moment.isValid() ? moment.toTimeZone(kAthens).toString(u"yyyy-MM-ddTHH:mm"_s)
                            : QString();
}

QuietHours quiet(const QString& text) {
    return *QuietHours::parse(text);
}

}  // namespace

Q_DECLARE_METATYPE(DueState::Kind)
Q_DECLARE_METATYPE(DueTimer::Result)

class TestSchedule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTheNextAllowedMoment_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("allowed");
        QTest::newRow("before") << u"21:00-08:00"_s << u"2026-05-04T20:59"_s
                                << u"2026-05-04T20:59"_s;
        QTest::newRow("at the start")
            << u"21:00-08:00"_s << u"2026-05-04T21:00"_s << u"2026-05-05T08:00"_s;
        QTest::newRow("after midnight")
            << u"21:00-08:00"_s << u"2026-05-05T07:59"_s << u"2026-05-05T08:00"_s;
        QTest::newRow("at the end")
            << u"21:00-08:00"_s << u"2026-05-05T08:00"_s << u"2026-05-05T08:00"_s;
        QTest::newRow("within a day")
            << u"13:00-14:00"_s << u"2026-05-04T13:30"_s << u"2026-05-04T14:00"_s;
        QTest::newRow("off") << u"off"_s << u"2026-05-04T03:00"_s << u"2026-05-04T03:00"_s;
        QTest::newRow("end the clocks skip")
            << u"01:00-03:30"_s << u"2026-03-29T02:00"_s << u"2026-03-29T04:00"_s;
    }
    void findsTheNextAllowedMoment() {
        QFETCH(QString, hours);
        QFETCH(QString, moment);
        QFETCH(QString, allowed);
        const QDateTime allowedAt = quiet(hours).nextAllowed(local(moment), kAthens);
        QCOMPARE(localText(allowedAt), allowed);
        QCOMPARE(quiet(hours).contains(local(moment), kAthens), moment != allowed);
    }

    void judgesDueBatches_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("now");
        QTest::addColumn<DueState::Kind>("kind");
        QTest::addColumn<QString>("at");
        using K = DueState::Kind;
        const QString q = u"21:00-08:00"_s;
        QTest::newRow("not yet") << q << u"2026-05-04T10:00"_s << u"2026-05-04T09:00"_s
                                 << K::Waiting << u"2026-05-04T10:00"_s;
        QTest::newRow("not yet, due when quiet")
            << q << u"2026-05-04T23:00"_s << u"2026-05-04T20:00"_s << K::Waiting
            << u"2026-05-05T08:00"_s;
        QTest::newRow("due when quiet") << q << u"2026-05-04T22:00"_s << u"2026-05-04T23:00"_s
                                        << K::Quiet << u"2026-05-05T08:00"_s;
        QTest::newRow("due") << q << u"2026-05-04T10:00"_s << u"2026-05-04T10:00"_s << K::Due
                             << QString();
        QTest::newRow("nearly late")
            << q << u"2026-05-04T10:00"_s << u"2026-05-04T12:00"_s << K::Due << QString();
        QTest::newRow("late") << q << u"2026-05-04T10:00"_s << u"2026-05-04T12:01"_s << K::Late
                              << QString();
        QTest::newRow("late counts from the end of quiet")
            << q << u"2026-05-05T05:00"_s << u"2026-05-05T09:30"_s << K::Due << QString();
        QTest::newRow("not late yet, then quiet")
            << q << u"2026-05-04T20:00"_s << u"2026-05-04T21:30"_s << K::Quiet
            << u"2026-05-05T08:00"_s;
        QTest::newRow("late after the night")
            << q << u"2026-05-04T20:00"_s << u"2026-05-05T08:30"_s << K::Late << QString();
        QTest::newRow("no quiet hours")
            << u"off"_s << u"2026-05-04T23:00"_s << u"2026-05-04T23:00"_s << K::Due << QString();
    }
    void judgesDueBatches() {
        QFETCH(QString, hours);
        QFETCH(QString, due);
        QFETCH(QString, now);
        SchedulePreferences preferences;
        preferences.quietHours = quiet(hours);
        const DueState state = dueState(local(due), local(now), preferences, kAthens);
        QTEST(state.kind, "kind");
        QTEST(localText(state.at), "at");
    }

    void readsCommandLineTimes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("utc");  // "": refused
        QTest::newRow("local") << u"2026-05-04 08:00"_s << u"2026-05-04T05:00:00Z"_s;
        QTest::newRow("offset") << u"2026-05-04T08:00+02:00"_s << u"2026-05-04T06:00:00Z"_s;
        QTest::newRow("zulu") << u"2026-05-04T08:00:00Z"_s << u"2026-05-04T08:00:00Z"_s;
        QTest::newRow("skipped by the clocks") << u"2026-03-29 03:30"_s << QString();
        QTest::newRow("words") << u"tomorrow"_s << QString();
    }
    void readsCommandLineTimes() {
        QFETCH(QString, text);
        const Expected<QDateTime> at = parseScheduleTime(text, kAthens);
        QTEST(at ? at->toString(Qt::ISODate) : QString(), "utc");
        QVERIFY(at || at.error().contains(text));
    }

    // Written only once they differ from the defaults; a value that cannot
    // be read means the default.
    void keepsThePreferences_data() {
        QTest::addColumn<QString>("quietHours");  // null: absent
        QTest::addColumn<QString>("lateHours");
        QTest::addColumn<QString>("read");
        QTest::newRow("absent") << QString() << QString() << u"21:00-08:00 2"_s;
        QTest::newRow("chosen") << u"OFF"_s << u"5"_s << u"off 5"_s;
        QTest::newRow("loosely written") << u" 9:30 – 7:05 "_s << u"168"_s << u"09:30-07:05 168"_s;
        QTest::newRow("never ending") << u"08:00-08:00"_s << u"0"_s << u"21:00-08:00 2"_s;
        QTest::newRow("no such hour") << u"25:00-08:00"_s << u"169"_s << u"21:00-08:00 2"_s;
        QTest::newRow("one time") << u"21:00"_s << u"two"_s << u"21:00-08:00 2"_s;
    }
    void keepsThePreferences() {
        QFETCH(QString, quietHours);
        QFETCH(QString, lateHours);
        QFile::remove(Settings::fileName());
        Settings settings;
        if (!quietHours.isNull()) {
            settings.setValue(keys::preferences::kQuietHours, quietHours);
            settings.setValue(keys::preferences::kLateHours, lateHours);
        }
        const SchedulePreferences read = SchedulePreferences::load(settings);
        QTEST(read.quietHours.text() + u' ' + QString::number(read.lateHours), "read");
        QVERIFY(read.save(settings));
        QCOMPARE(settings.contains(keys::preferences::kQuietHours), !quietHours.isNull());
        QCOMPARE(SchedulePreferences::load(settings).quietHours, read.quietHours);
    }

    // Here no systemd runs for the user: no session bus at all, or (with a
    // bus of the test's own) one that cannot start systemd.
    void saysWhenNoSystemdRuns() {
        const DueTimer::Outcome outcome = DueTimer::enableNow();
        QCOMPARE(outcome.result, DueTimer::Result::NoSystemd);
        QVERIFY(DueTimer::describe(outcome).contains(u"only while Pelicast is open"_s));
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
