// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

#include "core/gateway/form_fields.h"
#include "core/journal/journal.h"
#include "core/journal/request_record.h"

namespace pelicast {

class GatewayClient;
class Settings;

// Records every request of one GatewayClient in the journal before it
// leaves: post() writes the request's row as pending, and the client posts
// the request once that row is on disk; the reply or the failure completes
// the row. Rows are written on a thread of their own, in order, so the caller
// never waits for the disk. The journal is opened and checked there by
// prepare() or the first request; when it cannot be used, requests go all
// the same and failed() tells once why.
//
// A batch's rows are in the journal before its first request: claim() makes
// some this program's (the claim replaces the row a request of its own gets)
// and postClaimed() sends one, the claim on disk before it leaves. Without a
// usable journal a batch's request does not go.
class JournalRecorder : public QObject {
    Q_OBJECT
public:
    // Each row takes the balance the last reply stated from `settings`.
    // `journalPath` empty: the user's own journal.
    JournalRecorder(GatewayClient& client, const Settings& settings,
                    const QString& journalPath = QString(), QObject* parent = nullptr);
    // What is busy is abandoned, every row written.
    ~JournalRecorder() override;

    // Opens and checks the journal ahead of the first request.
    void prepare();
    // Records a request to `page` with `fields`, then posts it with the
    // client once its row is on disk; a balance check goes at once, its row
    // written beside it. False, and nothing done, while a request is busy.
    bool post(const QString& page, const FormFields& fields);
    // From post() until its outcome (or while the client has one out).
    bool isBusy() const;
    // The page of the request post() was last given.
    QString page() const { return page_; }
    // The program ends while a request is busy: one that went out is
    // recorded as without a complete answer, for `why`; one not yet posted
    // never leaves and is recorded as failed. Returns whether it went out,
    // once its row is written.
    bool abandon(const QString& why);
    // Claims the queued rows `rows` of a batch for this program, in one
    // transaction on the writing thread: claimed() once that is on disk, or
    // claimFailed(). May be called while a request is out, so that the next
    // ones are ready.
    void claim(const QList<qint64>& rows);
    // Posts the request of the claimed row `row`: the row is noted as sent,
    // then the client posts it; its outcome completes the row, except that a
    // request that did not reach the gateway puts it back in the queue. That
    // outcome is written after the next row is noted as sent, when the next
    // is posted at once. `balanceBefore` null: the last one stated, from the
    // settings. False, and nothing done, while a request is busy; notSent()
    // when the row cannot be noted as sent.
    bool postClaimed(qint64 row, const QString& page, const FormFields& fields,
                     const QString& balanceBefore = QString());
    // Notes the claimed row `row` as sent ahead of its postClaimed(), while
    // the request before it is out, so that it leaves at once. After a crash
    // before it left, it reads as without a complete answer: never sent
    // twice, at the cost of one row listed as unknown that did not go.
    void markAhead(qint64 row);
    // Claimed rows that will not be posted go back to the queue.
    void release(const QList<qint64>& rows);
    // The user said No to a request to `page` with `fields`.
    void recordDeclined(const QString& page, const FormFields& fields);
    // Returns once every row asked for so far is written, its signals sent.
    void waitForWrites();

Q_SIGNALS:
    // A row was added or completed.
    void recorded();
    // The journal cannot be used; emitted at the first failure only.
    void failed(const QString& reason);
    // The journal was damaged and set aside, a new one started.
    void journalSetAside(const QString& notice);
    // claim() made `rows` this program's, on disk: those of the rows asked
    // for that another program had not claimed first (maybe none).
    void claimed(const QList<qint64>& rows);
    // claim() failed: the journal cannot be used, for `reason`.
    void claimFailed(const QString& reason);
    // The claimed row `row` could not be noted as sent, for `reason`: its
    // request did not leave.
    void notSent(qint64 row, const QString& reason);

private:
    enum class State { Idle, Recording, Out };

    RequestRecord recordOf(const QString& page, const FormFields& fields) const;
    QString lastBalance() const;
    void send(quint64 serial);
    void startRequest(const QString& page, const FormFields& fields, bool claimedRow);
    void refuseClaimed(quint64 serial, qint64 row, const QString& reason);
    void complete();
    void writeOutcome();
    void writeDeferred();
    void onWriter(std::function<void()> work);

    // On the writing thread only.
    qint64 add(const RequestRecord& record);
    bool usable();
    void reportRecorded();
    void reportFailure();

    GatewayClient& client_;
    const Settings& settings_;
    State state_ = State::Idle;
    quint64 serial_ = 0;  // tells an abandoned request's late row from the current one
    QString page_;
    FormFields fields_;  // kept until posted: they hold the password
    RequestRecord pending_;
    bool claimedRow_ = false;      // pending_ is a batch's row: back in the queue if it never left
    qint64 claimedId_ = 0;         // that row
    qint64 markedAhead_ = 0;       // the claimed row markAhead() noted as sent; 0: none
    quint64 aheadGeneration_ = 0;  // counts releases: a mark asked before one is void
    // Outcomes of a batch's rows, to be written once the next row is noted
    // as sent.
    QList<std::pair<qint64, RequestRecord>> deferred_;
    QThread thread_;
    QObject* writer_;  // lives on thread_: the calls queued to it run there
    // Used on thread_ only.
    std::unique_ptr<Journal> journal_;
    qint64 pendingId_ = 0;
    bool reported_ = false;
};

}  // namespace pelicast
