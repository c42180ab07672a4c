// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <functional>

#include "core/gateway/gateway_client.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"

namespace pelicast {

class BatchRunner;
class SendContext;

// What pelicast-send makes, sends and lists batches with: the gateway client
// and its recorder, and the journal on this thread. A batch needs its
// journal: without one, nothing is sent.
class BatchSession {
public:
    explicit BatchSession(SendContext& context);

    // Opens and checks the journal (a damaged one is set aside, and the user
    // told); false, with status 4, when it cannot be used.
    bool open();
    BatchStore& store() { return store_; }
    Journal& journal() { return journal_; }

    // Sends the queued requests of batch `id` with `password` for its
    // account (a request per line on standard output as it ends), then tells
    // where the batch stands; the exit status. SIGINT, SIGTERM and SIGHUP
    // stop it: a request out is recorded as unknown, the rest stay queued.
    // `watch`, when given, sees the runner before it starts (the quiet
    // hours' guard of a scheduled batch).
    int run(qint64 id, const QString& password,
            const std::function<void(BatchRunner&)>& watch = {});
    // Tells the batch as it stands: its requests and outcomes with --json,
    // else a summary and what is left to do; the exit status its outcomes
    // come to. `balance` null: no reply of this run stated one.
    int report(qint64 id, const QString& balance = QString(), const QString& error = QString());

private:
    SendContext& context_;
    GatewayClient client_;
    JournalRecorder recorder_;
    Journal journal_;
    BatchStore store_;
};

// "Batch 12, 120 requests: 80 accepted, 2 refused, 1 unknown, 37 queued".
QString batchLine(const BatchInfo& batch);

// What --json tells of a batch, one shape for a run and a dry run: the
// account, the totals, each request with its outcome, and the balance.
class BatchJson {
public:
    BatchJson(const QString& account, const QString& originator);
    void add(const QStringList& recipients, const QString& text, int parts, const QString& encoding,
             qint64 cost, const QString& outcome);
    // `batch` null for a dry run; `balance` as the last reply stated it.
    QJsonObject result(const QJsonValue& batch, const QString& outcome,
                       const QString& balance = {}) const;

private:
    QJsonObject shape_;
    QJsonArray requests_;
    qint64 messages_ = 0, sms_ = 0, cost_ = 0;
};

}  // namespace pelicast
