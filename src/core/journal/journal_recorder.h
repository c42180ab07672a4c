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
    // client. False, and nothing done, while a request is busy.
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

private:
    enum class State { Idle, Recording, Out };

    RequestRecord recordOf(const QString& page, const FormFields& fields) const;
    void send(quint64 serial);
    void complete();
    void writeOutcome();
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
    QThread thread_;
    QObject* writer_;  // lives on thread_: the calls queued to it run there
    // Used on thread_ only.
    std::unique_ptr<Journal> journal_;
    qint64 pendingId_ = 0;
    bool reported_ = false;
};

}  // namespace pelicast
