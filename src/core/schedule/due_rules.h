// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include "common/expected.h"
#include "core/schedule/schedule_preferences.h"

namespace pelicast {

// Where a scheduled batch stands at a moment.
struct DueState {
    enum class Kind {
        Waiting,  // its time has not come; it may go at `at`
        Quiet,    // its time came inside quiet hours; it goes at `at`, when they end
        Due,      // to be sent now
        Late,     // more than the late hours past the moment it could first go:
                  // sent only on the user's word (the machine was off, say)
    };
    Kind kind = Kind::Waiting;
    QDateTime at;  // Waiting, Quiet: UTC
};

// The rules for a batch due at `due` (UTC) seen at `now`: it first may go at
// `due`, or at the end of the quiet hours `due` lies in; it is late once that
// moment lies more than the late hours behind.
DueState dueState(const QDateTime& due, const QDateTime& now,
                  const SchedulePreferences& preferences, const QTimeZone& zone);

// What the quiet hours do to a batch due at `due`, in a sentence for the
// user; "" when it goes at its time.
QString quietHoursEffect(const QDateTime& due, const QuietHours& quietHours, const QTimeZone& zone);

// `at` is a time a batch may be scheduled for: later than `now`.
Expected<void> checkScheduleTime(const QDateTime& at, const QDateTime& now, const QTimeZone& zone);

// A time as the command line takes it: "YYYY-MM-DD HH:MM" in `zone`, or ISO
// 8601 with an offset or Z ("2026-05-04T08:00+02:00"); UTC. A local time
// the clocks skip is refused, one they pass twice is the first.
Expected<QDateTime> parseScheduleTime(QStringView text, const QTimeZone& zone);

// The full hour after `now` in `zone`, as a time to offer; UTC.
QDateTime nextFullHour(const QDateTime& now, const QTimeZone& zone);

// `moment` as the user reads it: "08:00 on Tue 5 May 2026" in `zone`.
QString shownTime(const QDateTime& moment, const QTimeZone& zone);

}  // namespace pelicast
