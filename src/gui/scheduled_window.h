// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "core/journal/journal.h"
#include "core/journal/schedule_store.h"

class QPushButton;
class QTableView;

namespace pelicast {

class Clock;
class ScheduledModel;
class Settings;

// The batches that wait for their time, soonest first: when, to whom, how
// many messages, what they cost and their text. The selected one can get
// another time, another text (planned again for the same recipients) or be
// cancelled; each change holds only while it still waits.
class ScheduledWindow : public QDialog {
    Q_OBJECT
public:
    // `clock` and `settings` outlive the window. `journalPath` empty: the
    // user's own journal.
    ScheduledWindow(const Clock& clock, Settings& settings, QWidget* parent = nullptr,
                    const QString& journalPath = QString());
    ~ScheduledWindow() override;

    // Opens the journal and shows the window; when the journal cannot be
    // opened, says why and returns false.
    bool showScheduled();

public Q_SLOTS:
    void refresh();
    void changeTime();
    void editText();
    void cancelBatch();

Q_SIGNALS:
    // A batch got another time or text, or was cancelled.
    void changed();

private:
    std::optional<ScheduledBatch> selected() const;
    void updateButtons();
    // Tells `failure` and shows the batches as they are now.
    void tellAndRefresh(const QString& failure);

    const Clock& clock_;
    Settings& settings_;
    Journal journal_;
    ScheduleStore schedule_{journal_};
    ScheduledModel* model_;
    QTableView* list_;
    QPushButton* changeTime_;
    QPushButton* editText_;
    QPushButton* cancel_;
};

}  // namespace pelicast
