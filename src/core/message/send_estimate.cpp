// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/send_estimate.h"

#include <QCoreApplication>

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct SendEstimateText {
    Q_DECLARE_TR_FUNCTIONS(SendEstimate)
};

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
        interconnectionNote
            ? SendEstimateText::tr(" (additional interconnection charges may apply) ")
            : QString();
    return SendEstimateText::tr(
               "You will send sms to %n recipients.\r\nIt will cost You %1 credits %2.\r\n"
               "Do you wish to continue ?",
               nullptr, int(recipients))
        .arg(cost)
        .arg(note);
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
