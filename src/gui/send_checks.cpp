// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/send_checks.h"

#include <QWidget>

#include "core/message/recipient_check.h"
#include "core/settings/preferences.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Answer = MessageBox::Answer;
using Icon = MessageBox::Icon;

}  // namespace

SendChecks::SendChecks(Settings& settings, QWidget* window, QWidget* originatorField,
                       QWidget* recipientsField, QWidget* messageField)
    : settings_(settings),
      window_(window),
      originatorField_(originatorField),
      recipientsField_(recipientsField),
      messageField_(messageField) {}

std::optional<DraftReview> SendChecks::review(const MessageDraft& draft) {
    Preferences preferences = Preferences::load(settings_);
    DraftReview review = reviewDraft(draft, preferences);
    if (review.tooLong || review.control) {
        MessageBox::tell(window_, review.tooLong ? review.tooLong->text() : review.control->text(),
                         tr("Message"), Icon::Warning);
        messageField_->setFocus();
        return std::nullopt;
    }
    if (review.noRegion) {
        if (!chooseRegion(*review.noRegion, preferences)) {
            recipientsField_->setFocus();
            return std::nullopt;
        }
        review = reviewDraft(draft, preferences);
    }
    if (review.impossible) {
        MessageBox::tell(window_,
                         review.impossible->text() + u"\n\n"_s + review.impossible->advice(),
                         tr("Recipients"), Icon::Warning);
        recipientsField_->setFocus();
        return std::nullopt;
    }
    if (review.repeats &&
        MessageBox::ask(window_, review.repeats->text() + u"\n\n"_s + review.repeats->question(),
                        tr("Repeated recipients"), Answer::Yes, Icon::Question) == Answer::Yes)
        review.dropRepeats();
    if (!acceptOriginator(review.originator))
        return std::nullopt;
    return review;
}

bool SendChecks::chooseRegion(const RegionFinding& finding, Preferences& preferences) {
    // The guess first and chosen, so that Return confirms it; none without one.
    const QString guess = guessedPhoneRegion();
    QList<std::pair<QString, QString>> choices;
    if (!guess.isEmpty())
        choices.append({phoneRegionName(guess), guess});
    for (const QString& code : phoneRegionsByName()) {
        if (code != guess)
            choices.append({phoneRegionName(code), code});
    }
    const QString region = MessageBox::askChoice(
        window_,
        finding.text() + u"\n\n"_s +
            tr("Which country are they numbers of? It is kept as the default region, which "
               "Options can change."),
        tr("Default region"), choices, guess);
    if (region.isEmpty())
        return false;
    preferences.region = region;
    preferences.regionSource = Preferences::RegionSource::Chosen;
    // A failed save is told by the window; this send uses the region all the same.
    preferences.save(settings_);
    return true;
}

bool SendChecks::acceptOriginator(const std::optional<OriginatorFinding>& finding) {
    if (!finding) {
        warnedOriginator_.clear();
        return true;
    }
    if (finding->originator == warnedOriginator_)
        return true;
    warnedOriginator_ = finding->originator;
    MessageBox::tell(window_,
                     finding->text() + u"\n\n"_s +
                         tr("Press Send again to send with this originator all the same."),
                     tr("Originator"), Icon::Warning);
    originatorField_->setFocus();
    return false;
}

bool SendChecks::confirmCost(const DraftReview& review) {
    return pelicast::confirmCost(window_, review.costly);
}

bool confirmCost(QWidget* window, const std::optional<CostFinding>& finding) {
    return !finding ||
           MessageBox::ask(window, finding->text() + u"\n\n"_s + finding->question(),
                           SendChecks::tr("Cost above your limit"), Answer::No,
                           Icon::Warning) == Answer::Yes;
}

}  // namespace pelicast
