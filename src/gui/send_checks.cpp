// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/send_checks.h"

#include <QWidget>

#include "core/gateway/form_fields.h"
#include "core/message/recipient_check.h"
#include "core/message/send_estimate.h"
#include "core/message/sms_encoding.h"
#include "core/settings/preferences.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Answer = MessageBox::Answer;
using Icon = MessageBox::Icon;

// A pasted list may hold thousands: a box names a few.
constexpr qsizetype kLinesNamed = 10;
constexpr qsizetype kElementsNamed = 3;

QString indented(const QStringList& lines) {
    QString text;
    for (const QString& line : lines.first(std::min(lines.size(), kLinesNamed)))
        text += u"\n    "_s + line;
    if (lines.size() > kLinesNamed)
        text += u"\n    … and %1 more"_s.arg(lines.size() - kLinesNamed);
    return text;
}

QString sameNumber(const QStringList& elements) {
    QString line = elements.first(std::min(elements.size(), kElementsNamed)).join(u" = "_s);
    if (elements.size() > kElementsNamed)
        line += u" = … (%1 in all)"_s.arg(elements.size());
    return line;
}

}  // namespace

SendChecks::SendChecks(const Settings& settings, QWidget* window, QWidget* originatorField,
                       QWidget* recipientsField)
    : settings_(settings),
      window_(window),
      originatorField_(originatorField),
      recipientsField_(recipientsField) {}

std::optional<MessageDraft> SendChecks::review(const MessageDraft& draft) {
    MessageDraft checked = draft;
    if (const auto recipients = reviewRecipients(draft.recipients))
        checked.recipients = *recipients;
    else
        return std::nullopt;
    if (!acceptOriginator(trimBlanks(draft.originator)))
        return std::nullopt;
    return checked;
}

std::optional<QString> SendChecks::reviewRecipients(const QString& recipients) {
    const Preferences preferences = Preferences::load(settings_);
    if (!preferences.checkRecipients)
        return recipients;
    const RecipientReport report = checkRecipients(recipients, preferences.region);
    if (!report.impossible.isEmpty()) {
        const bool one = report.impossible.size() == 1;
        MessageBox::tell(window_,
                         (one ? u"This recipient is not a possible phone number of %1:"_s
                              : u"These recipients are not possible phone numbers of %1:"_s)
                                 .arg(phoneRegionName(preferences.region)) +
                             indented(report.impossible) +
                             u"\n\nPlease correct the recipients, or choose another default "
                             u"region in Options."_s,
                         u"Recipients"_s, Icon::Warning);
        recipientsField_->setFocus();
        return std::nullopt;
    }
    if (report.repeats.isEmpty())
        return recipients;
    QStringList lines;
    for (const QStringList& elements : report.repeats)
        lines.append(sameNumber(elements));
    const Answer answer = MessageBox::ask(
        window_,
        u"These recipients name the same number:"_s + indented(lines) +
            u"\n\nSend the message once to each number? (No sends it to every recipient as "
            u"written.)"_s,
        u"Repeated recipients"_s, Answer::Yes, Icon::Question);
    return answer == Answer::Yes ? report.withoutRepeats : recipients;
}

bool SendChecks::acceptOriginator(const QString& originator) {
    if (isWidelyAcceptedOriginator(originator)) {
        warnedOriginator_.clear();
        return true;
    }
    if (originator == warnedOriginator_)
        return true;
    warnedOriginator_ = originator;
    MessageBox::tell(window_,
                     u"Many networks replace or drop the originator “%1”. They carry a name of "
                     u"at most 11 letters, digits or other characters of the GSM alphabet, or a "
                     u"number of at most 15 digits with an optional leading +.\n\nPress Send "
                     u"again to send with this originator all the same."_s.arg(originator),
                     u"Originator"_s, Icon::Warning);
    originatorField_->setFocus();
    return false;
}

bool SendChecks::confirmCost(const SendEstimate& estimate) {
    const Preferences preferences = Preferences::load(settings_);
    if (!preferences.confirmCost || estimate.cost <= preferences.costThreshold)
        return true;
    return MessageBox::ask(window_,
                           u"This message costs %1 credits for %2 recipients, more than the %3 "
                           u"credits set in Options.\n\nSend it all the same?"_s.arg(estimate.cost)
                               .arg(estimate.recipients)
                               .arg(preferences.costThreshold),
                           u"Cost above your limit"_s, Answer::No, Icon::Warning) == Answer::Yes;
}

}  // namespace pelicast
