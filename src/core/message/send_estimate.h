// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/gateway/form_fields.h"

namespace pelicast {

// What a send tells the user before it posts: recipients, cost and whether
// other networks may charge more.
struct SendEstimate {
    qint64 recipients = 0;
    qint64 cost = 0;
    bool interconnectionNote = false;

    static SendEstimate of(const QString& recipientsText, const QString& originator);
    // The text of the "Send SMS ?" box.
    QString confirmation() const;
};

// The account and message of one send, as typed.
struct MessageDraft {
    QString user;
    QString password;
    QString originator;
    QString recipients;
    QString message;
};

// The fields of each request, trimmed and joined as the gateway expects.
FormFields sendMessageFields(const MessageDraft& draft);
FormFields creditCheckFields(const QString& user, const QString& password);

}  // namespace pelicast
