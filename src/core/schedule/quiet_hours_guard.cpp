// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/quiet_hours_guard.h"

#include "core/journal/batch_runner.h"
#include "core/journal/schedule_store.h"
#include "core/schedule/clock.h"

namespace pelicast {

QuietHoursGuard::QuietHoursGuard(BatchRunner& runner, ScheduleStore& schedule, const Clock& clock,
                                 const QuietHours& quietHours, QObject* parent)
    : QObject(parent),
      runner_(runner),
      schedule_(schedule),
      clock_(clock),
      quietHours_(quietHours) {
    connect(&runner, &BatchRunner::requestFinished, this, &QuietHoursGuard::look);
    // First: whoever waits for the end finds the batch waiting.
    connect(&runner, &BatchRunner::finished, this, &QuietHoursGuard::onFinished,
            Qt::DirectConnection);
}

void QuietHoursGuard::look() {
    if (pausedUntil_.isNull() && quietHours_.contains(clock_.now(), clock_.zone())) {
        pausedUntil_ = quietHours_.nextAllowed(clock_.now(), clock_.zone());
        runner_.stop();
    }
}

void QuietHoursGuard::onFinished() {
    if (pausedUntil_.isNull())
        return;
    if (const Expected<void> waiting = schedule_.wait(runner_.batchId(), pausedUntil_); !waiting)
        error_ = waiting.error();
}

}  // namespace pelicast
