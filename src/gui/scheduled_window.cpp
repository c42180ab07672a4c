// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/scheduled_window.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/schedule/due_rules.h"
#include "gui/encoding_line.h"
#include "gui/help_launcher.h"
#include "gui/journal_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/send_later_dialog.h"
#include "gui/window_geometry.h"

using namespace Qt::StringLiterals;

namespace pelicast {

// The scheduled batches as rows: when, to whom, messages, cost, text.
class ScheduledModel : public QAbstractTableModel {
public:
    ScheduledModel(const Clock& clock, QObject* parent)
        : QAbstractTableModel(parent), clock_(clock) {}

    void setBatches(QList<ScheduledBatch> batches) {
        beginResetModel();
        batches_ = std::move(batches);
        endResetModel();
    }
    const ScheduledBatch& batch(int row) const { return batches_.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(batches_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 5;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        const ScheduledBatch& scheduled = batches_.at(index.row());
        const BatchInfo& batch = scheduled.batch;
        if (role == Qt::ToolTipRole && index.column() == 1)
            return scheduled.firstRecipients;
        if (role == Qt::TextAlignmentRole && (index.column() == 2 || index.column() == 3))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
            case 0:
                return shownTime(batch.due, clock_.zone());
            case 1:
                return batch.source;
            case 2:
                return qlonglong(scheduled.recipients);
            case 3:
                return qlonglong(batch.counts.cost);
            default:
                return batch.templateText.simplified();
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const QString titles[] = {ScheduledWindow::tr("When"), ScheduledWindow::tr("To"),
                                  ScheduledWindow::tr("Messages"), ScheduledWindow::tr("Credits"),
                                  ScheduledWindow::tr("Message")};
        return titles[section];
    }

private:
    const Clock& clock_;
    QList<ScheduledBatch> batches_;
};

namespace {

// The new text of a batch, in the message field's rules; none when cancelled.
std::optional<QString> askMessage(QWidget* parent, const QString& text) {
    QDialog dialog(parent);
    dialog.setObjectName(u"editScheduledText"_s);
    dialog.setWindowTitle(ScheduledWindow::tr("Edit Text"));
    auto* edit = new MessageTextEdit(&dialog);
    edit->setObjectName(u"scheduledText"_s);
    edit->setText(text);
    auto* label = new QLabel(ScheduledWindow::tr("&Message:"), &dialog);
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(new EncodingLine(edit));
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || edit->text().trimmed().isEmpty())
        return std::nullopt;
    return edit->text();
}

}  // namespace

ScheduledWindow::ScheduledWindow(const Clock& clock, Settings& settings, QWidget* parent,
                                 const QString& journalPath)
    : QDialog(parent),
      clock_(clock),
      settings_(settings),
      journal_(journalPath),
      model_(new ScheduledModel(clock, this)),
      list_(new QTableView(this)),
      changeTime_(new QPushButton(tr("Change &time..."), this)),
      editText_(new QPushButton(tr("&Edit text..."), this)),
      cancel_(new QPushButton(tr("Ca&ncel batch"), this)) {
    setObjectName(u"scheduled"_s);
    setWindowTitle(tr("Scheduled Messages"));
    list_->setObjectName(u"scheduledList"_s);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->setWordWrap(false);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setAccessibleName(tr("Scheduled batches"));
    changeTime_->setObjectName(u"changeTime"_s);
    editText_->setObjectName(u"editText"_s);
    cancel_->setObjectName(u"cancelBatch"_s);
    auto* intro = new QLabel(tr("Pelicast sends these at their time while it is open, and the "
                                "systemd user timer while it is closed."),
                             this);
    intro->setWordWrap(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {changeTime_, editText_, cancel_})
        actions->addWidget(button);
    actions->addStretch();
    actions->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    layout->addLayout(actions);
    connect(changeTime_, &QPushButton::clicked, this, &ScheduledWindow::changeTime);
    connect(editText_, &QPushButton::clicked, this, &ScheduledWindow::editText);
    connect(cancel_, &QPushButton::clicked, this, &ScheduledWindow::cancelBatch);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScheduledWindow::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, this, &ScheduledWindow::updateButtons);
    setHelpTopic(this, u"sending_later.htm"_s);
    WindowGeometry::keep(this, keys::windows::kScheduled, QSize(640, 320));
    updateButtons();
}

ScheduledWindow::~ScheduledWindow() = default;

bool ScheduledWindow::showScheduled() {
    return showJournalWindow(*this, journal_, [this] { refresh(); });
}

void ScheduledWindow::refresh() {
    if (!journal_.isOpen())
        return;
    const Expected<QList<ScheduledBatch>> batches = schedule_.scheduled();
    model_->setBatches(batches ? *batches : QList<ScheduledBatch>());
    if (!batches)
        MessageBox::tell(this, batches.error(), {}, MessageBox::Icon::Warning);
    else if (model_->rowCount() > 0)
        list_->selectRow(0);
}

std::optional<ScheduledBatch> ScheduledWindow::selected() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return model_->batch(rows.first().row());
}

void ScheduledWindow::updateButtons() {
    const bool any = list_->selectionModel()->hasSelection();
    for (QPushButton* button : {changeTime_, editText_, cancel_})
        button->setEnabled(any);
}

void ScheduledWindow::tellAndRefresh(const QString& failure) {
    MessageBox::tell(this, failure, {}, MessageBox::Icon::Warning);
    refresh();
}

void ScheduledWindow::changeTime() {
    const std::optional<ScheduledBatch> batch = selected();
    if (!batch)
        return;
    SendLaterDialog dialog(clock_, SchedulePreferences::load(settings_), this, batch->batch.due);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const Expected<void> moved = schedule_.reschedule(batch->batch.id, dialog.chosenTime());
        !moved)
        return tellAndRefresh(moved.error());
    refresh();
    Q_EMIT changed();
}

void ScheduledWindow::editText() {
    const std::optional<ScheduledBatch> batch = selected();
    if (!batch)
        return;
    const std::optional<QString> text = askMessage(this, batch->batch.templateText);
    if (!text || *text == batch->batch.templateText)
        return;
    const Expected<BatchRecipients> stored = BatchStore(journal_).recipients(batch->batch.id);
    if (!stored)
        return tellAndRefresh(stored.error());
    const BatchPlan plan(*text, RecipientList::fromStored(stored->fields, stored->rows),
                         batch->batch.originator);
    if (plan.count() == 0)
        return tellAndRefresh(tr("With this text, no message would go: nothing was changed."));
    if (MessageBox::ask(this, tr("Keep the new text for the messages at %1?\n\n%2")
                                  .arg(shownTime(batch->batch.due, clock_.zone()),
                                       plan.totals().text())) != MessageBox::Answer::Yes)
        return;
    if (const Expected<void> replaced = schedule_.replace(batch->batch.id, *text, plan); !replaced)
        return tellAndRefresh(replaced.error());
    refresh();
    Q_EMIT changed();
}

void ScheduledWindow::cancelBatch() {
    const std::optional<ScheduledBatch> batch = selected();
    if (!batch)
        return;
    if (MessageBox::ask(this,
                        tr("Cancel the %n messages to %1 at %2? None of them will be sent.",
                           nullptr, int(batch->recipients))
                            .arg(batch->batch.source, shownTime(batch->batch.due, clock_.zone())),
                        {}, MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    if (const Expected<void> cancelled = schedule_.cancel(batch->batch.id); !cancelled)
        return tellAndRefresh(cancelled.error());
    refresh();
    Q_EMIT changed();
}

}  // namespace pelicast
