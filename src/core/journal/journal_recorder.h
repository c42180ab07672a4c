// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/gateway/form_fields.h"
#include "core/journal/journal.h"
#include "core/journal/request_record.h"

namespace pelicast {

class GatewayClient;
class Settings;

// Writes every request of one GatewayClient into the journal: one whole row
// when it ends quickly, else a row while it is out, completed with the reply
// or the failure. The journal is opened at the first request; when it cannot
// be opened or written, requests go on and failed() tells once why.
// Rows are written on a thread of their own, in order, so a request and its
// reply never wait for the disk.
class JournalRecorder : public QObject {
    Q_OBJECT
public:
    // Each row takes the balance the last reply stated from `settings`.
    // `journalPath` empty: the user's own journal.
    JournalRecorder(GatewayClient& client, const Settings& settings,
                    const QString& journalPath = QString(), QObject* parent = nullptr);
    // Writes what is still queued first.
    ~JournalRecorder() override;

    // Call when the client has just taken a request to `page` with `fields`.
    void recordRequest(const QString& page, const FormFields& fields);
    // Call when the user said No to the request: it is recorded as refused.
    void recordRefusal(const QString& page, const FormFields& fields);
    // Returns once every row asked for so far is written, its signals sent.
    void waitForWrites();

Q_SIGNALS:
    // A row was added or completed.
    void recorded();
    // The journal cannot be used; emitted at the first failure only.
    void failed(const QString& reason);

private:
    RequestRecord recordOf(const QString& page, const FormFields& fields) const;
    void writePending();
    void complete();
    void onWriter(std::function<void()> work);

    // On the writing thread only.
    qint64 add(const RequestRecord& record);
    bool usable();
    void reportRecorded();
    void reportFailure();

    const Settings& settings_;
    RequestRecord pending_;
    bool rowDue_ = false;  // pending_ is recorded, its row not yet asked for
    QTimer rowDelay_;
    QThread thread_;
    QObject* writer_;  // lives on thread_: the calls queued to it run there
    // Used on thread_ only.
    std::unique_ptr<Journal> journal_;
    qint64 pendingId_ = 0;
    bool reported_ = false;
};

}  // namespace pelicast
