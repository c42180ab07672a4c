// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "core/form_fields.h"
#include "core/journal.h"
#include "core/request_record.h"

namespace pelicast {

class GatewayClient;

// Writes every request of one GatewayClient into the journal: a row when it
// goes out, completed with the reply or the failure. The journal is opened at
// the first request; when it cannot be opened or written, requests go on and
// unavailable() tells once why.
class JournalRecorder : public QObject {
    Q_OBJECT
public:
    // `journalPath` empty: the user's own journal.
    explicit JournalRecorder(GatewayClient& client, const QString& journalPath = QString(),
                             QObject* parent = nullptr);
    ~JournalRecorder() override;

    // Call when the client has just taken a request to `page` with `fields`.
    void recordRequest(const QString& page, const FormFields& fields);
    // Call when the user said No to the request: it is recorded as refused.
    void recordRefusal(const QString& page, const FormFields& fields);

Q_SIGNALS:
    // A row was added or completed.
    void recorded();
    // The journal cannot be used; emitted at the first failure only.
    void unavailable(const QString& reason);

private:
    static constexpr qint64 kNotWrittenYet = -1;

    void writePending();
    RequestRecord recordOf(const QString& page, const FormFields& fields) const;
    qint64 add(const RequestRecord& record);
    void complete();
    bool usable();
    void reportFailure();

    Journal journal_;
    RequestRecord pending_;
    qint64 pendingId_ = 0;
    bool reported_ = false;
};

}  // namespace pelicast
