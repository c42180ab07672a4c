// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <chrono>
#include <optional>

#include "common/expected.h"
#include "core/journal/request_record.h"

namespace pelicast {

class BatchPlan;
class Journal;

// scheduled: waits for its time; open: to be sent now, being sent, or left
// unfinished; done: nothing left to send, or the user closed it;
// cancelled: a scheduled one called off.
enum class BatchState { Scheduled, Open, Done, Cancelled };
// "scheduled", "open", "done", "cancelled", as stored; an unknown word reads
// as done, which sends nothing.
QString batchStateName(BatchState state);
BatchState batchStateOfName(QStringView name);

// What the outcomes of a batch come to, as pelicast-send's exit status.
enum class BatchVerdict {
    Accepted = 0,   // every request accepted
    Refused = 1,    // some refused (or closed unsent), none without a clear answer, none left
    Uncertain = 3,  // some unknown or unclear, or some not sent (yet)
};

// How many requests of a batch have each outcome.
struct BatchCounts {
    std::array<qint64, 8> byOutcome{};  // indexed by RequestRecord::Outcome
    qint64 cost = 0;                    // as quoted, of every request
    qint64 spent = 0;                   // of the accepted ones

    qint64 of(RequestRecord::Outcome outcome) const { return byOutcome[size_t(outcome)]; }
    qint64 total() const;
    // No complete answer, or one that says neither: never sent again on the
    // program's own.
    qint64 uncertain() const;
    // Neither queued nor pending.
    qint64 done() const;
    // Queued, pending or uncertain: the batch is unfinished.
    qint64 unsettled() const;
    BatchVerdict verdict() const;
    // One request moves from `from` to `to`.
    void move(RequestRecord::Outcome from, RequestRecord::Outcome to, qint64 cost);
};

// A batch as the journal keeps it.
struct BatchInfo {
    qint64 id = 0;
    QDateTime created;  // UTC
    QString account;
    QString originator;
    QString templateText;  // the message as typed, with its fields
    QString source;        // where the recipients came from, in the user's words
    std::chrono::milliseconds pause{0};
    QDateTime due;  // UTC; null: as soon as it was made
    BatchState state = BatchState::Open;
    BatchCounts counts;
};

// A batch to be made from a plan (which gives its originator).
struct NewBatch {
    QString account;
    QString templateText;
    QString source;
    std::chrono::milliseconds pause{1000};
    QDateTime due;  // null: to be sent now (open); else scheduled
};

// One request of a batch and its row.
struct BatchRequest {
    qint64 id = 0;
    RequestRecord record;
};

// The recipients a scheduled batch was planned for, to plan it again when
// its text changes: the fields, and for each recipient its element, then one
// value per field.
struct BatchRecipients {
    QStringList fields;
    QList<QStringList> rows;
};

// Which requests "send again" puts back in the queue.
enum class SendAgain { Refused, Unknown /* and unclear */ };

// The batches of the journal: made in one transaction with all their
// requests, listed, and changed only on the user's word. Sending them is
// BatchRunner's. Every call reports a failure of the journal in its result.
class BatchStore {
public:
    // `journal` is open, and outlives this.
    explicit BatchStore(Journal& journal);

    // Writes the batch and a queued row for each request of `plan`, all in
    // one transaction, on disk when this returns; the batch's id.
    Expected<qint64> create(const NewBatch& batch, const BatchPlan& plan);

    // Batch `id` with its counts; none when there is no such batch.
    Expected<std::optional<BatchInfo>> batch(qint64 id) const;
    // The open batches with a request queued, pending, unknown or unclear,
    // oldest first; rows left pending by programs that ended are settled
    // first.
    Expected<QList<BatchInfo>> unfinished();
    // Every request of batch `id`, in order.
    Expected<QList<BatchRequest>> requests(qint64 id) const;
    // The first `count` queued requests of batch `id` after row `after`, in
    // order; none when none is left.
    Expected<QList<BatchRequest>> queued(qint64 id, qint64 after, int count) const;
    Expected<BatchRecipients> recipients(qint64 id) const;

    // Puts the refused, or the unknown and unclear, requests of batch `id`
    // back in the queue, the batch open again; how many. Only once the user
    // accepted the risk: an unknown one may have reached its recipients.
    Expected<qint64> sendAgain(qint64 id, SendAgain which);
    // Ends batch `id` as it is, on the user's word: its queued requests are
    // declined (they are never sent), the others stay as they are, and it is
    // listed as unfinished no more; how many were declined.
    Expected<qint64> close(qint64 id);
    // Marks batch `id` done when nothing of it is queued, pending, unknown or
    // unclear.
    Expected<void> finishIfSettled(qint64 id);
    Expected<void> setState(qint64 id, BatchState state);

private:
    Expected<BatchCounts> counts(qint64 id) const;
    // The requests `condition` (its placeholders bound to `values`) picks.
    Expected<QList<BatchRequest>> requestsWhere(const QString& condition,
                                                const QVariantList& values) const;
    // In one transaction: `requests` with `values` changes rows of batch
    // `id`, then `batch` (bound to `id`) its state; the rows changed.
    Expected<qint64> settle(qint64 id, const QString& requests, const QVariantList& values,
                            const QString& batch);

    Journal& journal_;
};

}  // namespace pelicast
