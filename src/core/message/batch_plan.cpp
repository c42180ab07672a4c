// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/batch_plan.h"

#include <QCoreApplication>

#include "core/gateway/form_fields.h"
#include "core/message/draft_review.h"
#include "core/message/first_occurrence.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct BatchPlanText {
    Q_DECLARE_TR_FUNCTIONS(BatchPlan)
};

// The totals name a few of the values that make messages Unicode.
constexpr qsizetype kUnicodeNamed = 3;

}  // namespace

QString BatchTotals::text() const {
    QStringList parts{BatchPlanText::tr("%n messages", nullptr, int(messages)),
                      BatchPlanText::tr("%n SMS", nullptr, int(sms)),
                      BatchPlanText::tr("%n credits", nullptr, int(estimate.cost))};
    if (unicode > 0) {
        QString line = BatchPlanText::tr("%1 in Unicode").arg(unicode);
        if (!unicodeNames.isEmpty())
            line += u": "_s + unicodeNames.join(u", "_s) +
                    (unicode > unicodeNames.size() ? u", …"_s : QString());
        parts.append(line);
    }
    if (missing > 0)
        parts.append(BatchPlanText::tr("%1 with a field left empty").arg(missing));
    if (tooLong > 0)
        parts.append(BatchPlanText::tr("%1 over %2 characters").arg(tooLong).arg(kMessageLimit));
    if (skipped > 0)
        parts.append(BatchPlanText::tr("%1 left out").arg(skipped));
    return parts.join(u" · "_s);
}

BatchPlan::BatchPlan(const QString& text, const RecipientList& recipients,
                     const QString& originator, const BatchOptions& options)
    : text_(text, recipients.fieldNames()),
      recipients_(recipients),
      originator_(trimBlanks(originator)),
      options_(options) {
    const qsizetype n = recipients.count();
    std::vector<quint32> requestOf(static_cast<size_t>(n));
    constexpr quint32 kSkipped = ~quint32(0);
    // Nearly every personal text differs from the others.
    requests_.reserve(text_.isPersonal() ? size_t(n) : 1);
    FirstOccurrence sameText(
        [this](qsizetype request) { return fill(requests_[size_t(request)].first).text; });
    for (qsizetype i = 0; i < n; ++i) {
        // A text without fields is the same for everyone: made once.
        const bool made = text_.isPersonal() || requests_.empty();
        const Filled filled = made ? fill(i) : Filled();
        const bool tooLong =
            made ? messageCharacters(filled.text) > kMessageLimit : requests_.front().tooLong;
        // A message that comes out empty has nothing to send.
        const bool empty = made && filled.text.isEmpty();
        if (!filled.missing.isEmpty())
            missingValues_.append(i);
        if (tooLong)
            overLimit_.append(i);
        if (empty ||
            (!filled.missing.isEmpty() && options.missing == BatchOptions::Missing::Skip) ||
            (tooLong && options.tooLong == BatchOptions::TooLong::Skip)) {
            requestOf[size_t(i)] = kSkipped;
            skipped_.append(i);
            continue;
        }
        qsizetype request = text_.isPersonal() ? sameText.earlier(filled.text, count())
                                               : (requests_.empty() ? -1 : 0);
        if (request < 0) {
            request = count();
            const SmsLength length = measureSms(filled.text);
            requests_.push_back({quint32(i), 0, quint16(std::min(length.parts, 0xFFFF)),
                                 length.encoding == SmsEncoding::Ucs2, false, tooLong});
        }
        Slot& slot = requests_[size_t(request)];
        ++slot.count;
        slot.missing = slot.missing || !filled.missing.isEmpty();
        requestOf[size_t(i)] = quint32(request);

        ++totals_.messages;
        totals_.sms += slot.parts;
        totals_.missing += !filled.missing.isEmpty();
        totals_.tooLong += slot.tooLong;
        const SendEstimate one = SendEstimate::of(recipients.element(i), originator_);
        totals_.estimate.recipients += one.recipients;
        totals_.estimate.cost += one.cost;
        totals_.estimate.interconnectionNote |= one.interconnectionNote;
        if (!slot.ucs2)
            continue;
        ++totals_.unicode;
        for (int field : text_.fields()) {
            if (totals_.unicodeNames.size() >= kUnicodeNamed)
                break;
            QString value = recipients.value(i, field);
            if (options.replaceLookAlikes)
                value = replaceLookAlikes(value);
            if (!unicodeCharacters(value).isEmpty() && !totals_.unicodeNames.contains(value))
                totals_.unicodeNames.append(value);
        }
    }
    totals_.skipped = skipped_.size();
    if (requests_.size() < requests_.capacity() / 2)
        requests_.shrink_to_fit();
    // The recipients of each request, one after another, in their order.
    quint32 at = 0;
    for (Slot& slot : requests_) {
        const quint32 count = slot.count;
        slot.first = at;
        slot.count = 0;
        at += count;
    }
    members_.resize(at);
    for (qsizetype i = 0; i < n; ++i) {
        if (requestOf[size_t(i)] == kSkipped)
            continue;
        Slot& slot = requests_[requestOf[size_t(i)]];
        members_[slot.first + slot.count++] = quint32(i);
    }
}

BatchPlan::Filled BatchPlan::fill(qsizetype recipient) const {
    PersonalText::Filled filled =
        text_.fill([&](int field) { return recipients_.value(recipient, field); });
    QString text = filled.text;
    if (options_.replaceLookAlikes)
        text = replaceLookAlikes(text,
                                 std::max<qsizetype>(0, kMessageLimit - messageCharacters(text)));
    return {trimBlanks(text), filled.missing};
}

PlannedRequest BatchPlan::request(qsizetype i) const {
    const Slot& slot = requests_[size_t(i)];
    PlannedRequest request;
    for (quint32 k = slot.first; k < slot.first + slot.count; ++k)
        request.recipients.append(recipients_.element(members_[k]));
    request.text = fill(members_[slot.first]).text;
    request.length = measureSms(request.text);
    request.unicodeCharacters = unicodeCharacters(request.text);
    request.estimate = SendEstimate::of(request.recipientsText(), originator_);
    request.tooLong = slot.tooLong;
    // Recipients of one text may lack different fields.
    for (quint32 k = slot.first; slot.missing && k < slot.first + slot.count; ++k) {
        for (int field : fill(members_[k]).missing) {
            const QString& name = recipients_.fieldNames().at(field);
            if (!request.missing.contains(name))
                request.missing.append(name);
        }
    }
    return request;
}

}  // namespace pelicast
