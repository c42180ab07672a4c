// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/batch_runner.h"

#include <algorithm>
#include <utility>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal_recorder.h"
#include "core/message/send_estimate.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using Outcome = RequestRecord::Outcome;

namespace {

// A request refused for a busy client (the window's credit check, say) is
// tried again this much later.
constexpr std::chrono::milliseconds kBusyRetry{200};

}  // namespace

BatchRunner::BatchRunner(JournalRecorder& recorder, GatewayClient& client, BatchStore& store,
                         Settings& settings, QObject* parent)
    : QObject(parent), recorder_(recorder), client_(client), store_(store), settings_(settings) {
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, [this] {
        pauseOver_ = true;
        proceed();
    });
    connect(&recorder, &JournalRecorder::claimed, this, &BatchRunner::onClaimed);
    connect(&recorder, &JournalRecorder::claimFailed, this, [this](const QString& reason) {
        if (running_ && !claiming_.isEmpty()) {
            claiming_.clear();
            finish(Status::JournalFailed, reason);
        }
    });
    connect(&recorder, &JournalRecorder::notSent, this, &BatchRunner::onNotSent);
    connect(&client, &GatewayClient::replied, this, [this](const QString& reply) {
        if (!out_)
            return;
        current_.record.setReply(reply);
        // Kept as the window keeps it: only a balance that can be one.
        if (const QString balance = plausibleBalance(reply); !balance.isNull())
            progress_.balance = balance;
        complete(current_.record.outcome);
    });
    connect(&client, &GatewayClient::failed, this, [this](const QString& message, bool uncertain) {
        if (!out_)
            return;
        current_.record.setFailure(message, uncertain);
        complete(uncertain ? Outcome::Unknown : Outcome::Queued);
    });
}

BatchRunner::~BatchRunner() {
    abandon(tr("The program ended before the answer came."));
}

bool BatchRunner::start(qint64 id, const QString& password) {
    if (running_) {
        error_ = tr("Batch %1 is being sent.").arg(batch_.id);
        return false;
    }
    const Expected<std::optional<BatchInfo>> found = store_.batch(id);
    if (!found || !*found) {
        error_ = found ? tr("There is no batch %1.").arg(id) : found.error();
        return false;
    }
    if ((*found)->state == BatchState::Cancelled) {
        error_ = tr("Batch %1 was cancelled.").arg(id);
        return false;
    }
    if ((*found)->state == BatchState::Scheduled) {
        if (const Expected<void> opened = store_.setState(id, BatchState::Open); !opened) {
            error_ = opened.error();
            return false;
        }
    }
    batch_ = **found;
    password_ = password;
    progress_ = {};
    progress_.counts = batch_.counts;
    storedBalance_ = settings_.value(keys::kCredits);
    progress_.balance = settings_.contains(keys::kCredits) ? storedBalance_ : QString();
    running_ = true;
    stopping_ = false;
    out_ = false;
    claimed_.clear();
    claiming_.clear();
    claimSize_ = 1;
    noneLeft_ = false;
    lastSeen_ = 0;
    markedAhead_ = 0;
    pauseOver_ = true;
    timeSpent_ = {};
    requestsTimed_ = 0;
    updateProgress();
    // The connection is made while the first row is claimed.
    client_.connectAhead(QLatin1String(protocol::kSendPage));
    // After the call, so that even a batch with nothing queued ends as any
    // other run: with finished().
    QMetaObject::invokeMethod(this, &BatchRunner::claimNext, Qt::QueuedConnection);
    return true;
}

void BatchRunner::stop() {
    if (!running_)
        return;
    stopping_ = true;
    if (!out_)  // announced after the call, as any other end
        QMetaObject::invokeMethod(
            this, [this] { finish(Status::Stopped); }, Qt::QueuedConnection);
}

bool BatchRunner::abandon(const QString& why) {
    if (!running_)
        return false;
    running_ = false;
    pause_.stop();
    const bool wentOut = out_ && recorder_.abandon(why);
    out_ = false;
    releaseClaimed();
    keepBalance();
    flushWrites();
    return wentOut;
}

// The next queued rows, claimed at once: while a request is out, so that
// the claim is on disk when the pause ends.
void BatchRunner::claimNext() {
    if (!running_ || stopping_ || noneLeft_ || !claimed_.isEmpty() || !claiming_.isEmpty())
        return;
    const Expected<QList<BatchRequest>> next = store_.queued(batch_.id, lastSeen_, claimSize_);
    if (!next)
        return finish(Status::JournalFailed, next.error());
    if (next->isEmpty()) {
        noneLeft_ = true;
        return proceed();
    }
    claiming_ = *next;
    lastSeen_ = claiming_.constLast().id;
    QList<qint64> rows;
    for (const BatchRequest& request : std::as_const(claiming_))
        rows.append(request.id);
    recorder_.claim(rows);
}

void BatchRunner::onClaimed(const QList<qint64>& rows) {
    const QList<BatchRequest> asked = std::exchange(claiming_, {});
    if (!running_ || asked.isEmpty()) {  // a claim no longer wanted
        recorder_.release(rows);
        return;
    }
    // In order; those another program claimed first are its to send.
    for (const BatchRequest& request : asked) {
        if (rows.contains(request.id))
            claimed_.append(request);
    }
    if (claimed_.isEmpty())
        claimNext();
    markNext();
    proceed();
}

void BatchRunner::onNotSent(qint64 row, const QString& reason) {
    if (!running_ || !out_ || row != current_.id)
        return;
    // It could not be noted as sent: it did not leave.
    out_ = false;
    recorder_.release({row});
    progress_.counts.move(Outcome::Pending, Outcome::Queued, 0);
    finish(Status::JournalFailed, reason);
}

void BatchRunner::proceed() {
    if (!running_ || out_)
        return;
    if (stopping_)
        return finish(Status::Stopped);
    if (!pauseOver_)
        return;
    if (!claimed_.isEmpty())
        return post();
    if (claiming_.isEmpty() && noneLeft_)
        return finish(Status::Done);
    // Waiting for the disk: the gateway answers faster than a claim syncs,
    // so the next claims take more rows at once.
    if (!claiming_.isEmpty())
        claimSize_ = std::min(claimSize_ * 2, kMaxClaim);
}

void BatchRunner::post() {
    const RequestRecord& record = claimed_.constFirst().record;
    const FormFields fields = sendMessageFields(
        {batch_.account, password_, batch_.originator, record.recipients, record.message});
    if (!recorder_.postClaimed(claimed_.constFirst().id, QLatin1String(protocol::kSendPage), fields,
                               progress_.balance)) {
        QTimer::singleShot(kBusyRetry, this, &BatchRunner::proceed);
        return;
    }
    current_ = claimed_.takeFirst();
    out_ = true;
    requestTime_.start();
    progress_.counts.move(Outcome::Queued, Outcome::Pending, 0);
    claimNext();
    markNext();
}

// With no pause the next request follows the answer at once: its row is
// noted as sent while this one is out, not on its way.
void BatchRunner::markNext() {
    if (batch_.pause.count() > 0 || !out_ || claimed_.isEmpty())
        return;
    const qint64 next = claimed_.constFirst().id;
    if (std::exchange(markedAhead_, next) != next)
        recorder_.markAhead(next);
}

void BatchRunner::complete(Outcome outcome) {
    out_ = false;
    current_.record.outcome = outcome;
    progress_.counts.move(Outcome::Pending, outcome, current_.record.cost);
    timeSpent_ += std::chrono::milliseconds(requestTime_.elapsed());
    ++requestsTimed_;
    updateProgress();
    Q_EMIT requestFinished(current_);
    Q_EMIT progressChanged(progress_);
    if (outcome == Outcome::Queued)  // it did not reach the gateway
        return finish(Status::NetworkFailed, current_.record.reason);
    pauseOver_ = batch_.pause.count() <= 0;
    if (!pauseOver_)
        pause_.start(batch_.pause);
    proceed();
}

void BatchRunner::finish(Status status, QString reason) {
    if (!running_)
        return;
    running_ = false;
    pause_.stop();
    releaseClaimed();
    keepBalance();
    flushWrites();
    // A batch with nothing left is done; one stopped or cut off stays open.
    if (const Expected<void> done = store_.finishIfSettled(batch_.id);
        !done && status == Status::Done) {
        status = Status::JournalFailed;
        reason = done.error();
    }
    Q_EMIT finished(status, reason);
}

void BatchRunner::releaseClaimed() {
    // Those being claimed are released when their claim arrives.
    QList<qint64> rows;
    for (const BatchRequest& request : std::exchange(claimed_, {}))
        rows.append(request.id);
    if (!rows.isEmpty())
        recorder_.release(rows);
}

// The rows as the journal has them before anyone reads them: a claim that
// arrives during the first wait releases its row, written by the second.
void BatchRunner::flushWrites() {
    recorder_.waitForWrites();
    recorder_.waitForWrites();
}

void BatchRunner::keepBalance() {
    if (!progress_.balance.isNull() && progress_.balance != storedBalance_) {
        settings_.setValue(keys::kCredits, progress_.balance);
        storedBalance_ = progress_.balance;
    }
}

void BatchRunner::updateProgress() {
    const BatchCounts& counts = progress_.counts;
    progress_.total = counts.total();
    progress_.done = counts.done();
    progress_.creditsSpent = counts.spent;
    if (requestsTimed_ == 0)
        return;
    const qint64 left = counts.of(Outcome::Queued) + counts.of(Outcome::Pending);
    progress_.timeLeft = left * (timeSpent_ / requestsTimed_ + batch_.pause);
}

}  // namespace pelicast
