// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/journal_recorder.h"

#include <QCoreApplication>
#include <chrono>
#include <utility>

#include "core/gateway/gateway_client.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// A request answered within this gets one whole row, written after the
// exchange instead of beside it; one still out then gets its row at once.
constexpr std::chrono::milliseconds kRowDelay{500};

}  // namespace

JournalRecorder::JournalRecorder(GatewayClient& client, const Settings& settings,
                                 const QString& journalPath, QObject* parent)
    : QObject(parent),
      settings_(settings),
      writer_(new QObject),
      journal_(std::make_unique<Journal>(journalPath)) {
    thread_.setObjectName(u"journal"_s);
    writer_->moveToThread(&thread_);
    thread_.start();
    rowDelay_.setSingleShot(true);
    rowDelay_.setInterval(kRowDelay);
    connect(&rowDelay_, &QTimer::timeout, this, &JournalRecorder::writePending);
    connect(&client, &GatewayClient::replied, this, [this](const QString& reply) {
        pending_.setReply(reply);
        complete();
    });
    connect(&client, &GatewayClient::failed, this, [this](const QString& message) {
        pending_.setFailure(message);
        complete();
    });
}

JournalRecorder::~JournalRecorder() {
    // A request still out when the program ends is kept as pending.
    writePending();
    // The journal closes on the thread that opened it.
    onWriter([this] {
        journal_.reset();
        thread_.quit();
    });
    thread_.wait();
    delete writer_;
}

void JournalRecorder::recordRequest(const QString& page, const FormFields& fields) {
    pending_ = recordOf(page, fields);
    rowDue_ = true;
    rowDelay_.start();
}

void JournalRecorder::writePending() {
    if (std::exchange(rowDue_, false))
        onWriter([this, record = pending_] { pendingId_ = add(record); });
}

void JournalRecorder::recordRefusal(const QString& page, const FormFields& fields) {
    RequestRecord record = recordOf(page, fields);
    record.outcome = RequestRecord::Outcome::Refused;
    onWriter([this, record] { add(record); });
}

void JournalRecorder::waitForWrites() {
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this);
}

RequestRecord JournalRecorder::recordOf(const QString& page, const FormFields& fields) const {
    RequestRecord record = RequestRecord::of(page, fields);
    // The balance the last reply stated, whichever program received it.
    if (settings_.contains(keys::kCredits))
        record.balanceBefore = settings_.value(keys::kCredits);
    return record;
}

void JournalRecorder::complete() {
    rowDelay_.stop();
    if (std::exchange(rowDue_, false)) {  // ended quickly: one whole row
        onWriter([this, record = pending_] { add(record); });
        return;
    }
    onWriter([this, record = pending_] {
        const qint64 id = std::exchange(pendingId_, 0);
        if (id == 0)  // not recorded when it went out
            return;
        if (journal_->setOutcome(id, record))
            reportRecorded();
        else
            reportFailure();
    });
}

void JournalRecorder::onWriter(std::function<void()> work) {
    QMetaObject::invokeMethod(writer_, std::move(work), Qt::QueuedConnection);
}

qint64 JournalRecorder::add(const RequestRecord& record) {
    if (!usable())
        return 0;
    const qint64 id = journal_->add(record);
    if (id == 0)
        reportFailure();
    else
        reportRecorded();
    return id;
}

bool JournalRecorder::usable() {
    // Opened again at each request until it works: the user may mend it
    // while the program runs.
    if (journal_->open())
        return true;
    reportFailure();
    return false;
}

void JournalRecorder::reportRecorded() {
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT recorded(); }, Qt::QueuedConnection);
}

void JournalRecorder::reportFailure() {
    if (std::exchange(reported_, true))
        return;
    QMetaObject::invokeMethod(
        this, [this, reason = journal_->errorString()] { Q_EMIT failed(reason); },
        Qt::QueuedConnection);
}

}  // namespace pelicast
