// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/book/recipient_list.h"
#include "core/message/personal_text.h"
#include "core/message/send_estimate.h"
#include "core/message/sms_encoding.h"

namespace pelicast {

// What the user chose for the messages that are not as they should be.
struct BatchOptions {
    // A recipient without a value for a field of the message.
    enum class Missing { LeaveEmpty, Skip };
    // A filled-in message over kMessageLimit characters.
    enum class TooLong { SendAsIs, Skip };
    Missing missing = Missing::LeaveEmpty;
    TooLong tooLong = TooLong::SendAsIs;
    // Replaces the look-alikes (sms_encoding.h) in every filled-in message,
    // field values as well as the typed text, while it stays within the
    // limit.
    bool replaceLookAlikes = false;
};

// One request of a batch: one text, and everyone it goes to.
struct PlannedRequest {
    QStringList recipients;  // elements, as they go
    QString text;            // as sent: filled in, trimmed of blanks
    SmsLength length;
    QString unicodeCharacters;  // the characters that make it UCS-2
    SendEstimate estimate;      // of these recipients
    QStringList missing;        // fields a recipient had no value for, left empty
    bool tooLong = false;       // over kMessageLimit characters

    // The recipients as a MessageDraft takes them, separated by ";".
    QString recipientsText() const { return recipients.join(u';'); }
};

struct BatchTotals {
    qint64 messages = 0;       // one per recipient
    qint64 sms = 0;            // parts times recipients
    SendEstimate estimate;     // of every recipient: credits, interconnection
    qint64 unicode = 0;        // messages that go as UCS-2
    QStringList unicodeNames;  // the first few values that made them so
    qint64 missing = 0;        // messages with a field left empty
    qint64 tooLong = 0;        // messages over the limit, sent as they are
    qint64 skipped = 0;        // recipients left out by the options

    // "120 messages · 134 SMS · 672 credits · 3 in Unicode: Nikolić, …"
    QString text() const;
};

// Every request a batch makes, from its text, recipients and originator:
// recipients whose messages come out the same share one request (the
// gateway takes one text per request); each other text is a request of its
// own, in the order of its first recipient. A message that comes out empty
// is left out whatever the options. A request's text is made anew
// when asked for, so a plan of 100,000 requests holds a few bytes each.
// The cost limit applies to the total: checkCost(totals().estimate, ...).
class BatchPlan {
public:
    BatchPlan() = default;
    BatchPlan(const QString& text, const RecipientList& recipients, const QString& originator,
              const BatchOptions& options = {});

    qsizetype count() const { return qsizetype(requests_.size()); }
    PlannedRequest request(qsizetype i) const;
    const BatchTotals& totals() const { return totals_; }
    // "{x}" in the text where x names no field of these recipients: it goes
    // as typed.
    QStringList unknownFields() const { return text_.unknownFields(); }
    // The recipients the options left out, as indexes into the list.
    const QList<qsizetype>& skipped() const { return skipped_; }
    // The recipients whose message lacks a field's value, and those whose
    // message is over kMessageLimit, whatever the options made of them.
    const QList<qsizetype>& missingValues() const { return missingValues_; }
    const QList<qsizetype>& overLimit() const { return overLimit_; }

    const RecipientList& recipients() const { return recipients_; }
    // As sent: trimmed of blanks.
    const QString& originator() const { return originator_; }

private:
    struct Filled {
        QString text;
        QList<int> missing;
    };
    Filled fill(qsizetype recipient) const;

    struct Slot {
        quint32 first = 0;  // in members_ (while planning: the first recipient)
        quint32 count = 0;
        quint16 parts = 0;
        bool ucs2 : 1 = false;
        bool missing : 1 = false;
        bool tooLong : 1 = false;
    };
    PersonalText text_{QStringView(), {}};
    RecipientList recipients_;
    QString originator_;
    BatchOptions options_;
    std::vector<Slot> requests_;
    std::vector<quint32> members_;  // recipients of each request, one after another
    QList<qsizetype> skipped_;
    QList<qsizetype> missingValues_;
    QList<qsizetype> overLimit_;
    BatchTotals totals_;
};

}  // namespace pelicast
