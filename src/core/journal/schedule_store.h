// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "common/expected.h"
#include "core/journal/batch_store.h"

namespace pelicast {

class BatchPlan;
class Journal;

// A batch waiting for its time, as the Scheduled window and
// `pelicast-send --scheduled` show it.
struct ScheduledBatch {
    BatchInfo batch;          // with its counts: requests, cost as quoted
    qint64 recipients = 0;    // messages: one per recipient
    QString firstRecipients;  // of its first request, for "to whom"
};

// The scheduled batches of the journal: listed, found due, and changed only
// while they wait. Each change is one transaction that holds only while the
// batch is still scheduled, so that a program starting to send it at the
// same moment either finds it changed or makes the change fail.
class ScheduleStore {
public:
    // `journal` is open, and outlives this.
    explicit ScheduleStore(Journal& journal);

    // Soonest first.
    Expected<QList<ScheduledBatch>> scheduled() const;
    // The ids of the scheduled batches due by `now`, soonest first: one
    // indexed look, the whole work of a timer's run when none is.
    Expected<QList<qint64>> dueBy(const QDateTime& now) const;
    // The soonest time a batch waits for; null when none waits.
    Expected<QDateTime> nextDue() const;

    // Makes scheduled batch `id` this program's to send (open); false when
    // another program began it first, or it is scheduled no more.
    Expected<bool> begin(qint64 id);
    // A batch begun waits again, its queued requests for `due`: quiet hours
    // began, or the network failed.
    Expected<void> wait(qint64 id, const QDateTime& due);

    Expected<void> reschedule(qint64 id, const QDateTime& due);
    // Called off: its requests are never sent (declined), and it is kept
    // as cancelled.
    Expected<void> cancel(qint64 id);
    // Its requests made anew from `plan`, for the text `templateText`.
    Expected<void> replace(qint64 id, const QString& templateText, const BatchPlan& plan);

private:
    Journal& journal_;
};

}  // namespace pelicast
