// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include "core/gateway/form_fields.h"
#include "core/message/sms_encoding.h"

namespace pelicast {

// One request to the gateway as the journal keeps it. It never holds the
// password.
struct RequestRecord {
    enum class Kind { Send, CreditCheck, Upload };
    // queued: waits to be sent; pending: on its way (recorded before it
    // leaves); accepted, refused, unclear: the gateway replied, classified by
    // verdictOf(); unknown: it went out and no complete answer came, so the
    // gateway may have acted on it; failed: it did not reach the gateway;
    // declined: the user said No.
    enum class Outcome { Queued, Pending, Accepted, Refused, Unclear, Unknown, Failed, Declined };

    Kind kind = Kind::Send;
    QDateTime time;  // UTC
    QString account;
    QString originator;
    QString recipients;  // as sent, elements separated by ";"
    QString message;
    qint64 recipientCount = 0;
    int parts = 0;  // 0 where not known
    QString encoding;
    qint64 cost = 0;  // as quoted before sending
    Outcome outcome = Outcome::Pending;
    QString reason;  // why it failed, or why no complete answer came
    QString reply;
    QString balanceBefore;  // null where not known
    QString balanceAfter;   // null when the reply states none
    qint64 batch = 0;       // the batch it belongs to; 0 for a request of its own

    // A request to `page` with `fields`, made now, before its outcome:
    // kind, account and, for a message, originator, recipients, text, count
    // and cost by the rules the window quotes them with.
    static RequestRecord of(const QString& page, const FormFields& fields);

    // The outcome once the gateway replied, or the request failed: `uncertain`
    // when it went out, so that the gateway may have acted on it.
    void setReply(const QString& text);
    void setFailure(const QString& why, bool uncertain);
};

// `text` as searches compare it: case folded and without accents, in every
// script ("ΚΑΛΗΜΕΡΑ" and "Καλημέρα" both read "καλημερα").
QString searchKey(const QString& text);

// "GSM 7-bit" or "UCS-2", as the journal keeps it.
QString encodingName(SmsEncoding encoding);

// The journal's word for a kind or outcome ("send", "credits", "upload";
// "queued", "pending", "accepted", "refused", "unclear", "unknown", "failed",
// "declined"), as stored and exported.
QString kindName(RequestRecord::Kind kind);
QString outcomeName(RequestRecord::Outcome outcome);
// The other way round; an unknown word reads as a send, or as unknown.
RequestRecord::Kind kindOfName(QStringView name);
RequestRecord::Outcome outcomeOfName(QStringView name);
// The outcome of a request the gateway answered with `reply`.
RequestRecord::Outcome outcomeOfReply(const QString& reply);

}  // namespace pelicast
