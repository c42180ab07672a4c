// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

#include "core/journal/batch_store.h"

namespace pelicast {

class GatewayClient;
class JournalRecorder;
class Settings;

// Where a running batch stands.
struct BatchProgress {
    qint64 total = 0;         // requests of the batch
    qint64 done = 0;          // those with an outcome
    qint64 creditsSpent = 0;  // quoted cost of the accepted ones
    // Estimated from the requests of this run and the pause; negative until
    // the first has its outcome.
    std::chrono::milliseconds timeLeft{-1};
    QString balance;  // as the last reply stated it; null while none did
    BatchCounts counts;
};

// Sends the queued requests of a batch, one at a time, through a
// JournalRecorder and its GatewayClient, with the batch's pause between two.
// Each row is claimed (on disk) before its request leaves; the next ones are
// claimed while a request is out, so the claim costs no time of its own:
// one row at a time, more in one transaction (up to kMaxClaim) where the
// gateway answers faster than the disk syncs. An unknown or unclear request
// is never sent again here. A request that did not reach the gateway goes
// back to the queue and ends the run (the network is down); the rest stay
// queued for a later run ("continue").
//
// The balance each reply states is kept, and written to the settings when
// the run ends.
class BatchRunner : public QObject {
    Q_OBJECT
public:
    // The most rows claimed at once. After a power cut, the rows this
    // program had claimed read as unknown, whether they left or not.
    static constexpr int kMaxClaim = 8;

    enum class Status {
        Done,           // no request is left in the queue
        Stopped,        // stop(): the rest stay queued
        NetworkFailed,  // a request did not reach the gateway; it and the rest stay queued
        JournalFailed,  // the journal cannot be used; the rest stay queued
    };

    // All of them outlive this. The recorder's client is `client`.
    BatchRunner(JournalRecorder& recorder, GatewayClient& client, BatchStore& store,
                Settings& settings, QObject* parent = nullptr);
    ~BatchRunner() override;

    // Starts sending the queued requests of batch `id`, with `password` for
    // its account; a scheduled batch is open from now on. False, with the
    // reason in errorString(), when a run is going on, or the batch cannot
    // be read, does not exist or was cancelled.
    bool start(qint64 id, const QString& password);
    // Lets the request out finish and sends no other: finished(Stopped).
    void stop();
    // The program ends now: a request out is recorded as without a complete
    // answer, every other row stays queued; no finished(). Returns whether a
    // request was out, once the rows are written.
    bool abandon(const QString& why);

    bool isRunning() const { return running_; }
    qint64 batchId() const { return batch_.id; }
    const BatchInfo& batch() const { return batch_; }
    const BatchProgress& progress() const { return progress_; }
    QString errorString() const { return error_; }

Q_SIGNALS:
    // A request has its outcome: accepted, refused, unclear or unknown, or
    // queued again when it did not reach the gateway.
    void requestFinished(const BatchRequest& request);
    void progressChanged(const BatchProgress& progress);
    // The run ended; `reason` says why when it did not end Done or Stopped.
    void finished(BatchRunner::Status status, const QString& reason);

private:
    void claimNext();
    void proceed();
    void post();
    void markNext();
    void onClaimed(const QList<qint64>& rows);
    void onNotSent(qint64 row, const QString& reason);
    void complete(RequestRecord::Outcome outcome);
    void finish(Status status, QString reason = {});
    void releaseClaimed();
    void flushWrites();
    void keepBalance();
    void updateProgress();

    JournalRecorder& recorder_;
    GatewayClient& client_;
    BatchStore& store_;
    Settings& settings_;
    QString password_;
    QString error_;
    BatchInfo batch_;
    BatchProgress progress_;
    bool running_ = false;
    bool stopping_ = false;
    BatchRequest current_;  // out while out_
    bool out_ = false;
    QList<BatchRequest> claimed_;   // claimed, to go next, in order
    QList<BatchRequest> claiming_;  // being claimed
    int claimSize_ = 1;             // rows a claim asks for
    bool noneLeft_ = false;         // no queued row after lastSeen_
    qint64 lastSeen_ = 0;
    qint64 markedAhead_ = 0;  // the row last asked to be noted as sent ahead
    QTimer pause_;
    bool pauseOver_ = true;
    QElapsedTimer requestTime_;
    std::chrono::milliseconds timeSpent_{0};  // on the requests of this run
    qint64 requestsTimed_ = 0;
    QString storedBalance_;
};

}  // namespace pelicast
