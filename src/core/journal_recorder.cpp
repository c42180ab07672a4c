// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal_recorder.h"

#include <utility>

#include "core/gateway_client.h"
#include "core/settings.h"

namespace pelicast {

JournalRecorder::JournalRecorder(GatewayClient& client, const QString& journalPath, QObject* parent)
    : QObject(parent), journal_(journalPath) {
    connect(&client, &GatewayClient::replied, this, [this](const QString& reply) {
        pending_.setReply(reply);
        complete();
    });
    connect(&client, &GatewayClient::failed, this, [this](const QString& message) {
        pending_.setFailure(message);
        complete();
    });
}

JournalRecorder::~JournalRecorder() = default;

void JournalRecorder::recordRequest(const QString& page, const FormFields& fields) {
    pending_ = recordOf(page, fields);
    // Written once the client has started the request from the event loop,
    // so that creating or opening the journal never holds the request up.
    // The outcome comes through the same loop, later.
    pendingId_ = kNotWrittenYet;
    QMetaObject::invokeMethod(this, &JournalRecorder::writePending, Qt::QueuedConnection);
}

void JournalRecorder::writePending() {
    if (pendingId_ == kNotWrittenYet)
        pendingId_ = add(pending_);
}

void JournalRecorder::recordRefusal(const QString& page, const FormFields& fields) {
    RequestRecord record = recordOf(page, fields);
    record.outcome = RequestRecord::Outcome::Refused;
    add(record);
}

RequestRecord JournalRecorder::recordOf(const QString& page, const FormFields& fields) const {
    RequestRecord record = RequestRecord::of(page, fields);
    // The balance the last reply stated, whichever program received it.
    const Settings settings;
    if (settings.contains(keys::kCredits))
        record.balanceBefore = settings.value(keys::kCredits);
    return record;
}

qint64 JournalRecorder::add(const RequestRecord& record) {
    if (!usable())
        return 0;
    const qint64 id = journal_.add(record);
    if (id == 0)
        reportFailure();
    else
        Q_EMIT recorded();
    return id;
}

void JournalRecorder::complete() {
    writePending();  // an outcome that came first, such as a failure found at once
    const qint64 id = std::exchange(pendingId_, 0);
    if (id == 0)  // not recorded when it went out
        return;
    if (journal_.setOutcome(id, pending_))
        Q_EMIT recorded();
    else
        reportFailure();
}

bool JournalRecorder::usable() {
    // Opened again at each request until it works: the user may mend it
    // while the program runs.
    if (journal_.open())
        return true;
    reportFailure();
    return false;
}

void JournalRecorder::reportFailure() {
    if (std::exchange(reported_, true))
        return;
    Q_EMIT unavailable(journal_.errorString());
}

}  // namespace pelicast
