// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "core/message/draft_review.h"

class QWidget;

namespace pelicast {

class Settings;
struct Preferences;

// Asks a second time when `finding` says a send costs more than its limit;
// false when the user declines.
bool confirmCost(QWidget* window, const std::optional<CostFinding>& finding);

// Presents the review of a draft between the field checks and "Send SMS ?":
// tells what stops the send and focuses the field to look at, asks where the
// user may choose. Whatever the answer, the window's fields stay as typed.
class SendChecks {
    Q_DECLARE_TR_FUNCTIONS(SendChecks)

public:
    SendChecks(Settings& settings, QWidget* window, QWidget* originatorField,
               QWidget* recipientsField, QWidget* messageField);

    // The review of the draft to send, without repeated recipients when the
    // user wants each number once. Nothing when the user must look at a field
    // first; that field then has the focus.
    std::optional<DraftReview> review(const MessageDraft& draft);
    // Asks a second time when the cost is above the limit; false when the
    // user declines.
    bool confirmCost(const DraftReview& review);

private:
    bool acceptOriginator(const std::optional<OriginatorFinding>& finding);
    // Asks for the region the national numbers are in and keeps it as the
    // default; false when the user cancels.
    bool chooseRegion(const RegionFinding& finding, Preferences& preferences);

    Settings& settings_;
    QWidget* window_;
    QWidget* originatorField_;
    QWidget* recipientsField_;
    QWidget* messageField_;
    // Warned about once; the next send with the same originator goes on.
    QString warnedOriginator_;
};

}  // namespace pelicast
