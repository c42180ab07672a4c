// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "accounts.h"
#include "outbox.h"

namespace pelicast::gateway {

class Form;

struct Response {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// The gateway's pages, apart from any transport: a request's method, path,
// content type and body in, the response out. Refusals (a wrong password, too
// few credits) are ordinary 200 replies, since the program shows any reply
// text as it comes; 400 is kept for requests no client of the contract sends.
class GatewayService {
public:
    // The largest body the pages take; the HTTP front refuses larger ones
    // from their announced size.
    static constexpr qsizetype kMaxBodySize = 256 * 1024;

    GatewayService(AccountStore& accounts, const Outbox& outbox)
        : accounts_(accounts), outbox_(outbox) {}

    // Pages are told apart by the last segment of `path` alone, so the
    // stand-in answers under any domain folder.
    Response handle(const QByteArray& method, const QString& path, const QByteArray& contentType,
                    const QByteArray& body);

private:
    Response credits(const Form& form);
    Response send(const Form& form);
    Response upload(const Form& form);
    // Records `record` in the outbox, then charges `cost`, and answers
    // `acceptedText` with the new balance; no charge without a record.
    Response deliver(const Account& account, qint64 cost, QJsonObject record,
                     const QString& acceptedText);

    AccountStore& accounts_;
    const Outbox& outbox_;
};

}  // namespace pelicast::gateway
