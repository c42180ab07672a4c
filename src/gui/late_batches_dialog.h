// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>

#include "core/journal/batch_store.h"

class QListWidget;
class QPushButton;

namespace pelicast {

class Clock;

// The scheduled batches found too late to be sent without the user's word
// (the computer was off at their time): for the ones selected, or all of
// them, send now or cancel; the others are asked about at the next start.
class LateBatchesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { SendNow, Cancel };

    // `lateHours`: how late a batch may be before it is asked about.
    LateBatchesDialog(const QList<BatchInfo>& batches, const Clock& clock, int lateHours,
                      QWidget* parent = nullptr);

    // What the user chose, by batch; a batch left out is asked about again.
    const QHash<qint64, Choice>& choices() const { return choices_; }

private:
    void choose(Choice choice);
    void updateButtons();

    QListWidget* list_;
    QPushButton* sendNow_;
    QPushButton* cancel_;
    QHash<qint64, Choice> choices_;
};

}  // namespace pelicast
