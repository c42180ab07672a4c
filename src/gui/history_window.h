// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "core/journal/journal.h"
#include "gui/history_model.h"

namespace pelicast {

namespace Ui {
class HistoryWindow;
}

// The journal of requests, newest first: search over recipients and text,
// filters by kind and days, the reply of the selected row, "Send again" and
// CSV export. A batch is one entry with its totals, and opens to its
// requests. It never sends: "Send again" hands the recipients and text to
// the main window.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // `journalPath` empty: the user's own journal.
    explicit HistoryWindow(QWidget* parent = nullptr, const QString& journalPath = QString());
    ~HistoryWindow() override;

    // Opens the journal and shows the window with its rows; when the journal
    // cannot be opened, says why and returns false.
    bool showHistory();
    // Writes the rows that pass the filters to `path`; says why it failed.
    bool exportCsv(const QString& path);

public Q_SLOTS:
    // Reads the rows again, with the filters as they are set.
    void refresh();

Q_SIGNALS:
    void sendAgainRequested(const QString& recipients, const QString& message);

private:
    void setUpTable();
    JournalFilter filter() const;
    void showSelected();
    void sendAgain();
    // Shows the requests of the batch selected, or all requests again.
    void toggleBatch();
    void chooseExportFile();

    std::unique_ptr<Ui::HistoryWindow> ui_;
    Journal journal_;
    HistoryModel model_;
    qint64 batch_ = 0;  // the batch whose requests are shown; 0: all requests
};

}  // namespace pelicast
