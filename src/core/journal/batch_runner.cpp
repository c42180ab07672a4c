// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/batch_runner.h"

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
    connect(&recorder, &JournalRecorder::notClaimed, this, &BatchRunner::onNotClaimed);
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
    next_ = {};
    nextClaimed_ = noneLeft_ = false;
    lastSeen_ = 0;
    pauseOver_ = true;
    timeSpent_ = {};
    requestsTimed_ = 0;
    updateProgress();
    // After the call, so that even a batch with nothing queued ends as any
    // other run: with finished().
    QMetaObject::invokeMethod(this, &BatchRunner::findNext, Qt::QueuedConnection);
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
    releaseNext();
    keepBalance();
    flushWrites();
    return wentOut;
}

// The next queued row, claimed at once: while a request is out, so that
// its claim is on disk when the pause ends.
void BatchRunner::findNext() {
    if (!running_ || next_.id != 0 || noneLeft_ || stopping_)
        return;
    const Expected<BatchRequest> next = store_.nextQueued(batch_.id, lastSeen_);
    if (!next)
        return finish(Status::JournalFailed, next.error());
    if (next->id == 0) {
        noneLeft_ = true;
        return proceed();
    }
    next_ = *next;
    nextClaimed_ = false;
    lastSeen_ = next_.id;
    recorder_.claim(next_.id);
}

void BatchRunner::onClaimed(qint64 row) {
    if (!running_ || row != next_.id) {  // a claim no longer wanted
        recorder_.release(row);
        return;
    }
    nextClaimed_ = true;
    proceed();
}

void BatchRunner::onNotClaimed(qint64 row, const QString& reason) {
    if (!running_)
        return;
    if (out_ && row == current_.id) {  // it could not be noted as sent: it did not leave
        out_ = false;
        recorder_.release(row);
        progress_.counts.move(Outcome::Pending, Outcome::Queued, 0);
        return finish(Status::JournalFailed, reason);
    }
    if (row != next_.id)
        return;
    next_ = {};
    if (!reason.isEmpty())
        return finish(Status::JournalFailed, reason);
    // Another program is sending it: on to the next.
    findNext();
}

void BatchRunner::proceed() {
    if (!running_ || out_)
        return;
    if (stopping_)
        return finish(Status::Stopped);
    if (!pauseOver_)
        return;
    if (next_.id == 0 && noneLeft_)
        return finish(Status::Done);
    if (next_.id != 0 && nextClaimed_)
        post();
}

void BatchRunner::post() {
    const RequestRecord& record = next_.record;
    const FormFields fields = sendMessageFields(
        {batch_.account, password_, batch_.originator, record.recipients, record.message});
    if (!recorder_.postClaimed(next_.id, QLatin1String(protocol::kSendPage), fields,
                               progress_.balance)) {
        QTimer::singleShot(kBusyRetry, this, &BatchRunner::proceed);
        return;
    }
    current_ = std::exchange(next_, {});
    out_ = true;
    requestTime_.start();
    progress_.counts.move(Outcome::Queued, Outcome::Pending, 0);
    findNext();
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
    releaseNext();
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

void BatchRunner::releaseNext() {
    // One being claimed is released when its claim arrives.
    if (next_.id != 0 && nextClaimed_)
        recorder_.release(next_.id);
    next_ = {};
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
