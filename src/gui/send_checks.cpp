// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/send_checks.h"

#include <QWidget>

#include "core/settings/preferences.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Answer = MessageBox::Answer;
using Icon = MessageBox::Icon;

}  // namespace

SendChecks::SendChecks(const Settings& settings, QWidget* window, QWidget* originatorField,
                       QWidget* recipientsField, QWidget* messageField)
    : settings_(settings),
      window_(window),
      originatorField_(originatorField),
      recipientsField_(recipientsField),
      messageField_(messageField) {}

std::optional<DraftReview> SendChecks::review(const MessageDraft& draft) {
    DraftReview review = reviewDraft(draft, Preferences::load(settings_));
    if (review.tooLong) {
        MessageBox::tell(window_, review.tooLong->text(), u"Message"_s, Icon::Warning);
        messageField_->setFocus();
        return std::nullopt;
    }
    if (review.impossible) {
        MessageBox::tell(window_,
                         review.impossible->text() + u"\n\n"_s + review.impossible->advice(),
                         u"Recipients"_s, Icon::Warning);
        recipientsField_->setFocus();
        return std::nullopt;
    }
    if (review.repeats &&
        MessageBox::ask(window_, review.repeats->text() + u"\n\n"_s + review.repeats->question(),
                        u"Repeated recipients"_s, Answer::Yes, Icon::Question) == Answer::Yes)
        review.dropRepeats();
    if (!acceptOriginator(review.originator))
        return std::nullopt;
    return review;
}

bool SendChecks::acceptOriginator(const std::optional<OriginatorFinding>& finding) {
    if (!finding) {
        warnedOriginator_.clear();
        return true;
    }
    if (finding->originator == warnedOriginator_)
        return true;
    warnedOriginator_ = finding->originator;
    MessageBox::tell(
        window_,
        finding->text() + u"\n\nPress Send again to send with this originator all the same."_s,
        u"Originator"_s, Icon::Warning);
    originatorField_->setFocus();
    return false;
}

bool SendChecks::confirmCost(const DraftReview& review) {
    return !review.costly ||
           MessageBox::ask(window_, review.costly->text() + u"\n\n"_s + review.costly->question(),
                           u"Cost above your limit"_s, Answer::No, Icon::Warning) == Answer::Yes;
}

}  // namespace pelicast
