// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QSaveFile>

#include "core/settings/owner_only.h"
#include "gui/help_launcher.h"
#include "gui/journal_window.h"
#include "gui/long_text.h"
#include "gui/message_box.h"
#include "gui/window_geometry.h"
#include "ui_history_window.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Kind = RequestRecord::Kind;
using Outcome = RequestRecord::Outcome;

// In the order of the kind box's entries.
const std::optional<Kind> kKinds[] = {std::nullopt, Kind::Send, Kind::CreditCheck, Kind::Upload};

// Shown in the reply box instead of the table.
const int kHiddenColumns[] = {Journal::Id, Journal::Reason, Journal::Reply, Journal::BalanceBefore,
                              Journal::Batch};
// Texts that could fill a line get this many characters at most at first.
const int kTextColumns[] = {Journal::Recipients, Journal::Message};
constexpr int kTextColumnChars = 36;

}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent, const QString& journalPath)
    : QDialog(parent), ui_(std::make_unique<Ui::HistoryWindow>()), journal_(journalPath) {
    ui_->setupUi(this);
    setUpTable();
    const QDate today = QDate::currentDate();
    ui_->from->setDate(today.addMonths(-1));
    ui_->to->setDate(today);

    connect(ui_->search, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    connect(ui_->kind, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
    connect(ui_->dates, &QCheckBox::toggled, this, [this](bool on) {
        ui_->from->setEnabled(on);
        ui_->to->setEnabled(on);
        refresh();
    });
    connect(ui_->from, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    connect(ui_->to, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    connect(ui_->sendAgain, &QPushButton::clicked, this, &HistoryWindow::sendAgain);
    connect(ui_->exportCsv, &QPushButton::clicked, this, &HistoryWindow::chooseExportFile);
    connect(ui_->batchRequests, &QPushButton::clicked, this, &HistoryWindow::toggleBatch);
    connect(ui_->requests, &QTableView::doubleClicked, this, [this] {
        if (batch_ == 0 && ui_->batchRequests->isEnabled())
            toggleBatch();
    });
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    setHelpTopic(this, u"history.htm"_s);
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::setUpTable() {
    QTableView* table = ui_->requests;
    table->setModel(&model_);
    // Rows of one height, so the view never measures rows it does not show.
    const int lineHeight = table->fontMetrics().height();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(lineHeight + lineHeight / 2);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::showSelected);
    ui_->reply->setFixedHeight(lineHeight * 5);
    WindowGeometry::keep(this, keys::windows::kHistory,
                         {table->fontMetrics().averageCharWidth() * 170, lineHeight * 36});
}

bool HistoryWindow::showHistory() {
    return showJournalWindow(*this, journal_, [this] { refresh(); });
}

void HistoryWindow::refresh() {
    if (!journal_.isOpen())
        return;
    QHeaderView* header = ui_->requests->horizontalHeader();
    // Column widths the user chose survive the model's reset.
    const QByteArray columns = model_.columnCount() > 0 ? header->saveState() : QByteArray();
    model_.setQuery(journal_.select(filter()));
    if (!columns.isEmpty()) {
        header->restoreState(columns);
    } else {
        for (const int column : kHiddenColumns)
            ui_->requests->setColumnHidden(column, true);
        // As wide as what the first rows and the titles hold.
        ui_->requests->resizeColumnsToContents();
        const int widest = ui_->requests->fontMetrics().averageCharWidth() * kTextColumnChars;
        for (const int column : kTextColumns)
            header->resizeSection(column, std::min(header->sectionSize(column), widest));
    }
    showSelected();
}

JournalFilter HistoryWindow::filter() const {
    JournalFilter filter;
    filter.batchesWhole = true;
    filter.batch = batch_;
    filter.search = ui_->search->text();
    const int kind = ui_->kind->currentIndex();
    if (kind >= 0 && kind < int(std::size(kKinds)))
        filter.kind = kKinds[kind];
    if (ui_->dates->isChecked()) {
        filter.from = ui_->from->date();
        filter.to = ui_->to->date();
    }
    return filter;
}

void HistoryWindow::showSelected() {
    const int row = ui_->requests->currentIndex().row();
    const bool batch = batch_ == 0 && row >= 0 && model_.isBatch(row);
    ui_->sendAgain->setEnabled(row >= 0 && !batch &&
                               model_.storedText(row, Journal::Kind) == kindName(Kind::Send));
    ui_->batchRequests->setEnabled(batch || batch_ > 0);
    if (row < 0) {
        ui_->reply->clear();
        return;
    }
    if (batch) {
        ui_->reply->setPlainText(
            tr("A batch of %n request(s): Requests of the batch shows each "
               "with its outcome and reply.",
               nullptr, int(model_.batchSize(row))));
        return;
    }
    const QString reason = model_.storedText(row, Journal::Reason);
    switch (outcomeOfName(model_.storedText(row, Journal::Outcome))) {
        case Outcome::Accepted:
        case Outcome::Refused:
        case Outcome::Unclear:
            ui_->reply->setPlainText(shownPart(model_.storedText(row, Journal::Reply),
                                               tr("the record: Export CSV writes all of it")));
            break;
        case Outcome::Failed:
            ui_->reply->setPlainText(reason);
            break;
        case Outcome::Unknown:
            ui_->reply->setPlainText(
                reason.isEmpty() ? tr("No complete answer came: the gateway may have acted on "
                                      "the request. Check your balance before sending again.")
                                 : reason);
            break;
        case Outcome::Declined:
            ui_->reply->setPlainText(tr("You answered No: nothing was sent."));
            break;
        case Outcome::Queued:
            ui_->reply->setPlainText(tr("Waiting to be sent."));
            break;
        case Outcome::Pending:
            ui_->reply->setPlainText(tr("Being sent: the answer has not come yet."));
            break;
    }
}

void HistoryWindow::sendAgain() {
    const int row = ui_->requests->currentIndex().row();
    if (row >= 0)
        Q_EMIT sendAgainRequested(model_.storedText(row, Journal::Recipients),
                                  model_.storedText(row, Journal::Message));
}

void HistoryWindow::toggleBatch() {
    const int row = ui_->requests->currentIndex().row();
    if (batch_ == 0 && row >= 0 && model_.isBatch(row)) {
        batch_ = model_.storedText(row, Journal::Batch).toLongLong();
        ui_->batchLabel->setText(tr("The requests of the batch of %1 to %2")
                                     .arg(model_.data(model_.index(row, Journal::Time)).toString(),
                                          model_.storedText(row, Journal::Recipients)));
    } else {
        batch_ = 0;
    }
    ui_->batchLabel->setVisible(batch_ > 0);
    ui_->batchRequests->setText(batch_ > 0 ? tr("&All requests") : tr("Requests of the &batch"));
    // The search and filters are for all requests.
    for (QWidget* filter : {static_cast<QWidget*>(ui_->search), static_cast<QWidget*>(ui_->kind),
                            static_cast<QWidget*>(ui_->dates)})
        filter->setEnabled(batch_ == 0);
    refresh();
}

void HistoryWindow::chooseExportFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), QDir::home().filePath(u"pelicast-history.csv"_s),
        tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

bool HistoryWindow::exportCsv(const QString& path) {
    QSaveFile file(path);
    // Each step in turn; the first that fails says why.
    const QString reason = [&] {
        if (!journal_.open())
            return journal_.errorString();
        if (!file.open(QIODevice::WriteOnly))
            return file.errorString();
        // What was sent to whom: the user's only, as the journal is.
        if (!file.setPermissions(kOwnerOnly))
            return file.errorString();
        if (!journal_.exportCsv(filter(), file))
            return journal_.errorString();
        if (!file.commit())
            return file.errorString();
        return QString();
    }();
    if (reason.isEmpty())
        return true;
    file.cancelWriting();
    MessageBox::tell(this, tr("The history could not be exported to %1: %2").arg(path, reason), {},
                     MessageBox::Icon::Warning);
    return false;
}

}  // namespace pelicast
