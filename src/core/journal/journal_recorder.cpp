// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/journal_recorder.h"

#include <QCoreApplication>
#include <utility>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
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
    writeDeferred();
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
    // A balance check changes nothing at the gateway and costs nothing: it
    // goes at once, its row written beside it. Anything else waits for its
    // row on disk.
    const bool waits = page != QLatin1String(protocol::kCreditsPage);
    startRequest(page, fields, false);
    // The connection is made while the row is written; the request waits.
    if (waits)
        client_.connectAhead(page);
    onWriter([this, record = pending_, serial = serial_, waits] {
        pendingId_ = add(record);
        // On disk, or the journal cannot be used: the request goes either way.
        if (waits)
            QMetaObject::invokeMethod(
                this, [this, serial] { send(serial); }, Qt::QueuedConnection);
    });
    if (!waits)
        send(serial_);
    return true;
}

void JournalRecorder::claim(const QList<qint64>& rows) {
    onWriter([this, rows] {
        const Expected<QList<qint64>> ours =
            usable() ? journal_->claim(rows) : Unexpected(journal_->errorString());
        QMetaObject::invokeMethod(
            this,
            [this, ours] {
                if (ours)
                    Q_EMIT claimed(*ours);
                else
                    Q_EMIT claimFailed(ours.error());
            },
            Qt::QueuedConnection);
    });
}

bool JournalRecorder::postClaimed(qint64 row, const QString& page, const FormFields& fields,
                                  const QString& balanceBefore) {
    if (isBusy())
        return false;
    startRequest(page, fields, true);
    claimedId_ = row;
    const QString balance = balanceBefore.isNull() ? lastBalance() : balanceBefore;
    if (row == std::exchange(markedAhead_, 0)) {
        // Noted as sent already: it goes at once, its balance with its outcome.
        pending_.balanceBefore = balance;
        send(serial_);
        writeDeferred();
        return true;
    }
    onWriter([this, row, balance, serial = serial_] {
        // Never posted unless noted as sent: after a crash it reads as
        // without a complete answer, never as queued.
        const bool marked = usable() && journal_->markSent(row, balance);
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
    // The last row's outcome goes after this one's mark, off its way out.
    writeDeferred();
    return true;
}

void JournalRecorder::markAhead(qint64 row) {
    onWriter([this, row, generation = aheadGeneration_] {
        const bool marked = usable() && journal_->markSent(row, QString());
        QMetaObject::invokeMethod(
            this,
            [this, row, generation, marked] {
                // Not once the row went back to the queue meanwhile.
                if (marked && generation == aheadGeneration_)
                    markedAhead_ = row;
            },
            Qt::QueuedConnection);
    });
}

void JournalRecorder::release(const QList<qint64>& rows) {
    if (rows.isEmpty())
        return;
    // Queued again, its mark cleared: a later claim must mark it anew.
    markedAhead_ = 0;
    ++aheadGeneration_;
    onWriter([this, rows] {
        for (const qint64 row : rows) {
            if (journal_->isOpen())
                journal_->requeue(row);
        }
    });
}

void JournalRecorder::startRequest(const QString& page, const FormFields& fields, bool claimedRow) {
    state_ = State::Recording;
    ++serial_;
    page_ = page;
    fields_ = fields;
    claimedRow_ = claimedRow;
    if (claimedRow) {
        // The row holds the request already: only its outcome is to come.
        // Nor a connection ahead: the mark is no sync to hide it behind (the
        // runner connects ahead of the batch's first claim).
        pending_ = {};
        return;
    }
    pending_ = recordOf(page, fields);
}

void JournalRecorder::refuseClaimed(quint64 serial, qint64 row, const QString& reason) {
    if (serial == serial_ && state_ == State::Recording) {
        state_ = State::Idle;
        fields_ = {};
    }
    Q_EMIT notSent(row, reason);
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
    writeDeferred();
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this);
}

RequestRecord JournalRecorder::recordOf(const QString& page, const FormFields& fields) const {
    RequestRecord record = RequestRecord::of(page, fields);
    record.balanceBefore = lastBalance();
    return record;
}

// The balance the last reply stated, whichever program received it; null
// where none did.
QString JournalRecorder::lastBalance() const {
    return settings_.contains(keys::kCredits) ? settings_.value(keys::kCredits) : QString();
}

void JournalRecorder::complete() {
    if (state_ != State::Out)  // not ours, or abandoned
        return;
    state_ = State::Idle;
    writeOutcome();
}

void JournalRecorder::writeOutcome() {
    if (claimedRow_) {
        // The batch's next request may be posted in this same turn: its row
        // is noted as sent first, this outcome written after it.
        deferred_.append({claimedId_, pending_});
        QMetaObject::invokeMethod(this, &JournalRecorder::writeDeferred, Qt::QueuedConnection);
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

void JournalRecorder::writeDeferred() {
    for (const auto& outcome : std::exchange(deferred_, {})) {
        onWriter([this, id = outcome.first, record = outcome.second] {
            if (!journal_->isOpen())
                return;
            // One that never reached the gateway waits to be sent again.
            const bool written = record.outcome == RequestRecord::Outcome::Failed
                                     ? journal_->requeue(id, record.reason)
                                     : journal_->setOutcome(id, record);
            if (written)
                reportRecorded();
            else
                reportFailure();
        });
    }
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
