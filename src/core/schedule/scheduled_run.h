// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>

#include "common/expected.h"
#include "core/journal/batch_runner.h"
#include "core/schedule/due_rules.h"
#include "core/schedule/quiet_hours_guard.h"

namespace pelicast {

class BatchStore;
class Clock;
class ScheduleStore;

// A scheduled batch whose time has come, and where it stands now.
struct DueBatch {
    BatchInfo batch;
    DueState state;  // Due, Late or Quiet
};

// The scheduled batches due by the clock's now, soonest first, each judged
// by dueState(): the one list the window and the timer both send from.
Expected<QList<DueBatch>> dueBatches(const ScheduleStore& schedule, const BatchStore& store,
                                     const Clock& clock, const SchedulePreferences& preferences);

// The run of a scheduled batch begun (ScheduleStore::begin()) by this
// program: paused when quiet hours begin, and set to wait for the next try
// when the network failed, so that the window or the timer goes on with it.
// Made before the runner starts; kept until its finished() was delivered.
class ScheduledRun : public QObject {
    Q_OBJECT
public:
    // All of them outlive this.
    ScheduledRun(BatchRunner& runner, ScheduleStore& schedule, const Clock& clock,
                 const SchedulePreferences& preferences, QObject* parent = nullptr);

    // Where the run stopped for quiet hours, when the batch goes on; null
    // while it did not.
    QDateTime pausedUntil() const { return guard_.pausedUntil(); }
    // The run ended waiting: for the quiet hours' end, or a network.
    bool waits() const { return waits_; }

private:
    void onFinished(BatchRunner::Status status);

    QuietHoursGuard guard_;
    BatchRunner& runner_;
    ScheduleStore& schedule_;
    const Clock& clock_;
    bool waits_ = false;
};

}  // namespace pelicast
