// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>

#include "core/schedule/quiet_hours.h"

namespace pelicast {

class BatchRunner;
class Clock;
class ScheduleStore;

// Pauses a running batch when quiet hours begin: after each request it
// looks at the clock, and inside them it lets the run stop (the request out
// has its answer by then) and sets the batch to wait for their end, when
// the window or the timer goes on with it.
class QuietHoursGuard : public QObject {
    Q_OBJECT
public:
    // All of them outlive this.
    QuietHoursGuard(BatchRunner& runner, ScheduleStore& schedule, const Clock& clock,
                    const QuietHours& quietHours, QObject* parent = nullptr);

    // Where the run stopped for quiet hours, when the batch goes on; null
    // while it did not.
    QDateTime pausedUntil() const { return pausedUntil_; }
    // Why the batch could not be set to wait, when it could not.
    QString errorString() const { return error_; }

private:
    void look();
    void onFinished();

    BatchRunner& runner_;
    ScheduleStore& schedule_;
    const Clock& clock_;
    QuietHours quietHours_;
    QDateTime pausedUntil_;
    QString error_;
};

}  // namespace pelicast
