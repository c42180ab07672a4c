// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/draft_review.h"

#include <QCoreApplication>

#include "core/gateway/form_fields.h"
#include "core/message/printable_text.h"
#include "core/message/recipient_check.h"
#include "core/settings/preferences.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct DraftReviewText {
    Q_DECLARE_TR_FUNCTIONS(DraftReview)
};

// A pasted list may hold thousands: a finding names a few.
constexpr qsizetype kLinesNamed = 10;
constexpr qsizetype kElementsNamed = 3;

QString indented(const QStringList& lines) {
    QString text;
    for (const QString& line : lines.first(std::min(lines.size(), kLinesNamed)))
        text += u"\n    "_s + line;
    if (lines.size() > kLinesNamed)
        text += u"\n    "_s + DraftReviewText::tr("… and %1 more").arg(lines.size() - kLinesNamed);
    return text;
}

QString sameNumber(const QStringList& elements) {
    QString line = elements.first(std::min(elements.size(), kElementsNamed)).join(u" = "_s);
    if (elements.size() > kElementsNamed)
        line += u" = "_s + DraftReviewText::tr("… (%1 in all)").arg(elements.size());
    return line;
}

}  // namespace

qsizetype messageCharacters(QStringView text) {
    return text.size() - text.count(u"\r\n");
}

QString LengthFinding::text() const {
    return DraftReviewText::tr(
               "The message has %1 characters; at most %2 fit, a line break counting as one.")
        .arg(characters)
        .arg(kMessageLimit);
}

QString ControlFinding::text() const {
    return DraftReviewText::tr(
               "The message holds the control character U+%1, which phones do not show; only line "
               "breaks and tabs may be in a message.")
        .arg(QString::number(character.unicode(), 16).toUpper().rightJustified(4, u'0'));
}

QString ImpossibleFinding::text() const {
    if (regionName.isEmpty())
        return (recipients.size() == 1
                    ? DraftReviewText::tr("This recipient is not a possible phone number:")
                    : DraftReviewText::tr("These recipients are not possible phone numbers:")) +
               indented(recipients);
    return (recipients.size() == 1
                ? DraftReviewText::tr("This recipient is not a possible phone number of %1:")
                : DraftReviewText::tr("These recipients are not possible phone numbers of %1:"))
               .arg(regionName) +
           indented(recipients);
}

QString RegionFinding::text() const {
    return (recipients.size() == 1
                ? DraftReviewText::tr(
                      "No default region is set, so this national number cannot be checked:")
                : DraftReviewText::tr(
                      "No default region is set, so these national numbers cannot be checked:")) +
           indented(recipients);
}

QString ImpossibleFinding::advice() const {
    return DraftReviewText::tr(
        "Please correct the recipients, or choose another default region in Options.");
}

QString RepeatFinding::text() const {
    QStringList lines;
    for (const QStringList& elements : groups)
        lines.append(sameNumber(elements));
    return DraftReviewText::tr("These recipients name the same number:") + indented(lines);
}

QString RepeatFinding::question() const {
    return DraftReviewText::tr(
        "Send the message once to each number? (No sends it to every recipient as written.)");
}

QString OriginatorFinding::text() const {
    return DraftReviewText::tr(
               "Many networks replace or drop the originator “%1”. They carry a name of at most 11 "
               "letters, digits or other characters of the GSM alphabet, or a number of at most 15 "
               "digits with an optional leading +.")
        .arg(originator);
}

std::optional<CostLimit> costLimit(const Preferences& preferences,
                                   std::optional<qint64> allowance) {
    if (allowance)
        return CostLimit{*allowance, CostLimit::Source::Allowance};
    if (preferences.confirmCost)
        return CostLimit{preferences.costThreshold, CostLimit::Source::Options};
    return std::nullopt;
}

QString CostFinding::text() const {
    return (limit.source == CostLimit::Source::Options
                ? DraftReviewText::tr(
                      "This message costs %1 credits for %n recipient(s), more than the %2 "
                      "credits set in Options.",
                      nullptr, int(estimate.recipients))
                : DraftReviewText::tr(
                      "This message costs %1 credits for %n recipient(s), more than the %2 "
                      "credits allowed for this send.",
                      nullptr, int(estimate.recipients)))
        .arg(estimate.cost)
        .arg(limit.credits);
}

QString CostFinding::question() const {
    return DraftReviewText::tr("Send it all the same?");
}

std::optional<CostFinding> checkCost(const SendEstimate& estimate,
                                     const std::optional<CostLimit>& limit) {
    if (!limit || estimate.cost <= limit->credits)
        return std::nullopt;
    return CostFinding{estimate, *limit};
}

void DraftReview::dropRepeats() {
    if (!repeats)
        return;
    draft.recipients = repeats->withoutRepeats;
    repeats.reset();
    estimate = SendEstimate::of(draft.recipients, trimBlanks(draft.originator));
    costly = checkCost(estimate, limit);
}

DraftReview reviewDraft(const MessageDraft& draft, const Preferences& preferences,
                        std::optional<qint64> allowance) {
    DraftReview review;
    review.draft = draft;
    review.length = measureSms(draft.message);
    if (const qsizetype characters = messageCharacters(draft.message); characters > kMessageLimit)
        review.tooLong = LengthFinding{characters};
    if (const qsizetype at = firstForbiddenControl(draft.message); at >= 0)
        review.control = ControlFinding{draft.message.at(at)};
    if (preferences.checkRecipients) {
        const bool regionKnown = preferences.regionSource != Preferences::RegionSource::Unknown;
        const RecipientReport report =
            checkRecipients(draft.recipients, preferences.region, regionKnown);
        if (!report.national.isEmpty())
            review.noRegion = RegionFinding{report.national};
        if (!report.impossible.isEmpty())
            review.impossible =
                ImpossibleFinding{report.impossible, isPhoneRegion(preferences.region)
                                                         ? phoneRegionName(preferences.region)
                                                         : QString()};
        if (!report.repeats.isEmpty())
            review.repeats = RepeatFinding{report.repeats, report.withoutRepeats};
    }
    // As sent: the fields go trimmed.
    const QString originator = trimBlanks(draft.originator);
    if (!isWidelyAcceptedOriginator(originator))
        review.originator = OriginatorFinding{originator};
    review.limit = costLimit(preferences, allowance);
    review.estimate = SendEstimate::of(draft.recipients, originator);
    review.costly = checkCost(review.estimate, review.limit);
    return review;
}

}  // namespace pelicast
