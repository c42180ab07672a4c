// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/journal_recorder.h"

#include <QCoreApplication>
#include <utility>

#include "core/gateway/gateway_client.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

JournalRecorder::JournalRecorder(GatewayClient& client, const Settings& settings,
                                 const QString& journalPath, QObject* parent)
    : QObject(parent),
      client_(client),
      settings_(settings),
      writer_(new QObject),
      journal_(std::make_unique<Journal>(journalPath)) {
    thread_.setObjectName(u"journal"_s);
    writer_->moveToThread(&thread_);
    thread_.start();
    connect(&client, &GatewayClient::replied, this, [this](const QString& reply) {
        pending_.setReply(reply);
        complete();
    });
    connect(&client, &GatewayClient::failed, this, [this](const QString& message, bool uncertain) {
        pending_.setFailure(message, uncertain);
        complete();
    });
}

JournalRecorder::~JournalRecorder() {
    abandon(tr("The program ended before the answer came."));
    // The journal closes on the thread that opened it.
    onWriter([this] {
        journal_.reset();
        thread_.quit();
    });
    thread_.wait();
    delete writer_;
}

void JournalRecorder::prepare() {
    onWriter([this] { usable(); });
}

bool JournalRecorder::post(const QString& page, const FormFields& fields) {
    if (isBusy())
        return false;
    startRequest(page, fields, QString(), false);
    onWriter([this, record = pending_, serial = serial_] {
        pendingId_ = add(record);
        // On disk, or the journal cannot be used: the request goes either way.
        QMetaObject::invokeMethod(
            this, [this, serial] { send(serial); }, Qt::QueuedConnection);
    });
    return true;
}

void JournalRecorder::claim(qint64 row) {
    onWriter([this, row] {
        const Journal::Claim claim = usable() ? journal_->claim(row) : Journal::Claim::Failed;
        const QString reason =
            claim == Journal::Claim::Failed ? journal_->errorString() : QString();
        QMetaObject::invokeMethod(
            this,
            [this, row, claim, reason] {
                if (claim == Journal::Claim::Ours)
                    Q_EMIT claimed(row);
                else
                    Q_EMIT notClaimed(row, reason);
            },
            Qt::QueuedConnection);
    });
}

bool JournalRecorder::postClaimed(qint64 row, const QString& page, const FormFields& fields,
                                  const QString& balanceBefore) {
    if (isBusy())
        return false;
    startRequest(page, fields, balanceBefore, true);
    onWriter([this, row, balance = pending_.balanceBefore, serial = serial_] {
        // Never posted unless noted as sent: after a crash it reads as
        // without a complete answer, never as queued.
        const bool marked = usable() && journal_->markSent(row, balance);
        pendingId_ = marked ? row : 0;
        const QString reason = marked ? QString() : journal_->errorString();
        QMetaObject::invokeMethod(
            this,
            [this, serial, row, reason] {
                if (reason.isEmpty())
                    send(serial);
                else
                    refuseClaimed(serial, row, reason);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void JournalRecorder::release(qint64 row) {
    onWriter([this, row] {
        if (journal_->isOpen())
            journal_->requeue(row);
    });
}

void JournalRecorder::startRequest(const QString& page, const FormFields& fields,
                                   const QString& balanceBefore, bool claimedRow) {
    state_ = State::Recording;
    ++serial_;
    page_ = page;
    fields_ = fields;
    pending_ = recordOf(page, fields);
    if (!balanceBefore.isNull())
        pending_.balanceBefore = balanceBefore;
    claimedRow_ = claimedRow;
    // The connection is made while the row is written; the request waits.
    client_.connectAhead(page);
}

void JournalRecorder::refuseClaimed(quint64 serial, qint64 row, const QString& reason) {
    if (serial == serial_ && state_ == State::Recording) {
        state_ = State::Idle;
        fields_ = {};
    }
    Q_EMIT notClaimed(row, reason);
}

void JournalRecorder::send(quint64 serial) {
    if (serial != serial_ || state_ != State::Recording)  // abandoned meanwhile
        return;
    state_ = State::Out;
    client_.post(page_, std::exchange(fields_, {}));
}

bool JournalRecorder::isBusy() const {
    return state_ != State::Idle || client_.isBusy();
}

bool JournalRecorder::abandon(const QString& why) {
    if (state_ == State::Idle)
        return false;
    const bool out = state_ == State::Out;
    state_ = State::Idle;
    fields_ = {};
    if (out)
        pending_.setFailure(why, true);
    else
        pending_.setFailure(tr("The program ended before the request was sent."), false);
    writeOutcome();
    waitForWrites();
    return out;
}

void JournalRecorder::recordDeclined(const QString& page, const FormFields& fields) {
    RequestRecord record = recordOf(page, fields);
    record.outcome = RequestRecord::Outcome::Declined;
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
    if (state_ != State::Out)  // not ours, or abandoned
        return;
    state_ = State::Idle;
    writeOutcome();
}

void JournalRecorder::writeOutcome() {
    // A batch's request that never reached the gateway waits to be sent again.
    const bool requeue = claimedRow_ && pending_.outcome == RequestRecord::Outcome::Failed;
    onWriter([this, record = pending_, requeue] {
        const qint64 id = std::exchange(pendingId_, 0);
        if (id == 0)  // not recorded when it went out
            return;
        if (requeue ? journal_->requeue(id, record.reason) : journal_->setOutcome(id, record))
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
    if (journal_->isOpen())
        return true;
    const bool opened = journal_->open(Journal::Check::Pages);
    if (const QString notice = journal_->setAsideNotice(); !notice.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, notice] { Q_EMIT journalSetAside(notice); }, Qt::QueuedConnection);
    if (!opened)
        reportFailure();
    return opened;
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
