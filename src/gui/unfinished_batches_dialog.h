// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

#include "core/journal/batch_store.h"

class QListWidget;
class QPushButton;

namespace pelicast {

// The batches that are not finished, as the window finds them when it starts
// (after a crash, a kill, a power cut, a network that failed, or Stop):
// when each was made, what it went to, and how many of its requests were
// accepted, refused, have no clear answer and are still queued. The user
// chooses what becomes of one: Continue sends only its queued requests, so
// nobody gets a message twice; "Send again to refused" and "Send again to
// unknown" are asked again with their risk first; Close ends it with its
// queued requests unsent. Later (Escape) leaves them all as they are.
class UnfinishedBatchesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Action { Continue, SendAgainRefused, SendAgainUnknown, Close };

    explicit UnfinishedBatchesDialog(const QList<BatchInfo>& batches, QWidget* parent = nullptr);

    // Once accepted: the batch and what to do with it.
    qint64 chosenBatch() const { return chosen_; }
    Action chosenAction() const { return action_; }

    // "08/12/2026 10:15 · club.csv · Dear {first}, the club… · 120 requests:
    // 80 accepted, 2 refused, 1 without a clear answer, 37 queued"
    static QString summary(const BatchInfo& batch);

private:
    void updateButtons();
    void choose(Action action);
    const BatchInfo* current() const;

    QList<BatchInfo> batches_;
    QListWidget* list_;
    QPushButton* continue_;
    QPushButton* refused_;
    QPushButton* unknown_;
    QPushButton* close_;
    qint64 chosen_ = 0;
    Action action_ = Action::Continue;
};

}  // namespace pelicast
