// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/request_record.h"

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/message/send_estimate.h"
#include "core/message/sms_encoding.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString fieldValue(const FormFields& fields, const char* name) {
    for (const auto& [key, value] : fields) {
        if (key == QLatin1String(name))
            return value;
    }
    return {};
}

}  // namespace

RequestRecord RequestRecord::of(const QString& page, const FormFields& fields) {
    using namespace protocol;
    RequestRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.account = fieldValue(fields, kUser);
    if (page == QLatin1String(kCreditsPage)) {
        record.kind = Kind::CreditCheck;
    } else if (page == QLatin1String(kUploadPage)) {
        record.kind = Kind::Upload;
        // One line per contact, each preceded by CR LF.
        record.recipientCount = fieldValue(fields, kNewNum).count(QLatin1String(kLineBreak));
    } else {
        record.originator = fieldValue(fields, kFrom);
        record.recipients =
            fieldValue(fields, kRcpt).replace(QLatin1String(kListSeparator), u";"_s);
        record.message = fieldValue(fields, kSms);
        const SendEstimate estimate = SendEstimate::of(record.recipients, record.originator);
        record.recipientCount = estimate.recipients;
        record.cost = estimate.cost;
        const SmsLength length = measureSms(record.message);
        record.parts = length.parts;
        record.encoding = encodingName(length.encoding);
    }
    return record;
}

void RequestRecord::setReply(const QString& text) {
    outcome = outcomeOfReply(text);
    reply = text;
    balanceAfter = balanceFromReply(text);
}

void RequestRecord::setFailure(const QString& why, bool uncertain) {
    outcome = uncertain ? Outcome::Unknown : Outcome::Failed;
    reason = why;
}

QString searchKey(const QString& text) {
    QString key = text.normalized(QString::NormalizationForm_D);
    key.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return key.toCaseFolded();
}

QString encodingName(SmsEncoding encoding) {
    return encoding == SmsEncoding::Ucs2 ? u"UCS-2"_s : u"GSM 7-bit"_s;
}

namespace {

// The journal's words, in the order of the enums.
constexpr QStringView kKindNames[] = {u"send", u"credits", u"upload"};
constexpr QStringView kOutcomeNames[] = {u"queued",  u"pending", u"accepted", u"refused",
                                         u"unclear", u"unknown", u"failed",   u"declined"};

template <typename Enum, std::size_t N>
Enum fromName(const QStringView (&names)[N], QStringView name, Enum fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name)
            return Enum(i);
    }
    return fallback;
}

}  // namespace

QString kindName(RequestRecord::Kind kind) {
    return kKindNames[int(kind)].toString();
}

QString outcomeName(RequestRecord::Outcome outcome) {
    return kOutcomeNames[int(outcome)].toString();
}

RequestRecord::Kind kindOfName(QStringView name) {
    return fromName(kKindNames, name, RequestRecord::Kind::Send);
}

RequestRecord::Outcome outcomeOfName(QStringView name) {
    return fromName(kOutcomeNames, name, RequestRecord::Outcome::Unknown);
}

RequestRecord::Outcome outcomeOfReply(const QString& reply) {
    switch (verdictOf(reply)) {
        case ReplyVerdict::Accepted:
            return RequestRecord::Outcome::Accepted;
        case ReplyVerdict::Refused:
            return RequestRecord::Outcome::Refused;
        case ReplyVerdict::Unclear:
            break;
    }
    return RequestRecord::Outcome::Unclear;
}

}  // namespace pelicast
