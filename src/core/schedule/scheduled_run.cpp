// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/scheduled_run.h"

#include "core/journal/schedule_store.h"
#include "core/schedule/clock.h"

namespace pelicast {

Expected<QList<DueBatch>> dueBatches(const ScheduleStore& schedule, const BatchStore& store,
                                     const Clock& clock, const SchedulePreferences& preferences) {
    const QDateTime now = clock.now();
    const Expected<QList<qint64>> ids = schedule.dueBy(now);
    if (!ids)
        return Unexpected(ids.error());
    QList<DueBatch> due;
    for (const qint64 id : *ids) {
        const Expected<std::optional<BatchInfo>> found = store.batch(id);
        if (!found)
            return Unexpected(found.error());
        // Cancelled or begun by another program since the look.
        if (!*found || (*found)->state != BatchState::Scheduled)
            continue;
        due.append({**found, dueState((*found)->due, now, preferences, clock.zone())});
    }
    return due;
}

ScheduledRun::ScheduledRun(BatchRunner& runner, ScheduleStore& schedule, const Clock& clock,
                           const SchedulePreferences& preferences, QObject* parent)
    : QObject(parent),
      guard_(runner, schedule, clock, preferences.quietHours),
      runner_(runner),
      schedule_(schedule),
      clock_(clock) {
    // After the guard's: a run it paused waits for the quiet hours' end.
    connect(&runner, &BatchRunner::finished, this, &ScheduledRun::onFinished, Qt::DirectConnection);
}

void ScheduledRun::onFinished(BatchRunner::Status status) {
    waits_ = guard_.pausedUntil().isValid();
    // A network that failed: the next look tries again.
    if (status == BatchRunner::Status::NetworkFailed && !waits_)
        waits_ = bool(schedule_.wait(runner_.batchId(), clock_.now()));
}

}  // namespace pelicast
