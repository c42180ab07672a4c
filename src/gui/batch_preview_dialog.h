// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

#include "core/message/batch_plan.h"
#include "core/message/draft_review.h"

class QCheckBox;
class QLabel;
class QTableView;

namespace pelicast {

class BatchPreviewModel;

// Every request of a batch as it will go, before anything is sent: the
// totals on top, then a row per request with its recipients, text, parts,
// alphabet and cost, Unicode rows and rows that are not as they should be
// marked. "Replace look-alikes" applies to every row at once. Send asks what
// is left to ask (rows missing a value, rows over the limit), then "Send SMS
// ?" with the totals, then about a total above the cost limit; the dialog is
// accepted only when every answer lets the batch go, with plan() as it goes.
class BatchPreviewDialog : public QDialog {
    Q_OBJECT
public:
    BatchPreviewDialog(const QString& text, const RecipientList& recipients,
                       const QString& originator, const std::optional<CostLimit>& limit,
                       QWidget* parent = nullptr);
    ~BatchPreviewDialog() override;

    const BatchPlan& plan() const { return plan_; }
    const BatchOptions& options() const { return options_; }

    void accept() override;

private:
    void replan();
    bool askAboutMissing();
    bool askAboutTooLong();

    QString text_;
    RecipientList recipients_;
    QString originator_;
    std::optional<CostLimit> limit_;
    BatchOptions options_;
    BatchPlan plan_;
    BatchPreviewModel* model_;
    QLabel* totals_;
    QLabel* notices_;
    QTableView* requests_;
    QCheckBox* replaceLookAlikes_;
};

}  // namespace pelicast
