// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/send_estimate.h"

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// A number of the home networks holds "09" followed by 3, 4, 7 or 9 somewhere;
// any other recipient may cost the user interconnection charges.
bool isHomeNetworkNumber(QStringView piece) {
    for (qsizetype i = 0; i + 2 < piece.size(); ++i) {
        if (piece.at(i) == u'0' && piece.at(i + 1) == u'9' &&
            QStringView(u"3479").contains(piece.at(i + 2)))
            return true;
    }
    return false;
}

}  // namespace

SendEstimate SendEstimate::of(const QString& recipientsText, const QString& originator) {
    SendEstimate estimate;
    // Empty pieces name nobody, but do not match a home network either.
    for (QStringView piece : QStringView(recipientsText).split(u';')) {
        if (!piece.isEmpty())
            ++estimate.recipients;
        if (!isHomeNetworkNumber(piece))
            estimate.interconnectionNote = true;
    }
    const bool serviceName =
        originator.isEmpty() || originator == QLatin1String(protocol::kServiceOriginator);
    estimate.cost = estimate.recipients *
                    (serviceName ? protocol::kServicePrice : protocol::kOwnOriginatorPrice);
    return estimate;
}

QString SendEstimate::confirmation() const {
    const QString note =
        interconnectionNote ? u" (additional interconnection charges may apply) "_s : QString();
    return u"You will send sms to "_s + QString::number(recipients) +
           u" recipients.\r\nIt will cost You "_s + QString::number(cost) + u" credits "_s + note +
           u".\r\nDo you wish to continue ?"_s;
}

FormFields sendMessageFields(const MessageDraft& draft) {
    using namespace protocol;
    const QString recipients =
        trimBlanks(draft.recipients).replace(u';', QLatin1String(kListSeparator));
    return {{QLatin1String(kUser), trimBlanks(draft.user)},
            {QLatin1String(kPass), trimBlanks(draft.password)},
            {QLatin1String(kSms), trimBlanks(draft.message)},
            {QLatin1String(kRcpt), recipients},
            {QLatin1String(kFrom), trimBlanks(draft.originator)},
            {QLatin1String(kAff), QLatin1String(kAffiliate)}};
}

FormFields creditCheckFields(const QString& user, const QString& password) {
    using namespace protocol;
    return {{QLatin1String(kUser), trimBlanks(user)}, {QLatin1String(kPass), trimBlanks(password)}};
}

}  // namespace pelicast
