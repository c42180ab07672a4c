// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/late_batches_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message/printable_text.h"
#include "core/schedule/clock.h"
#include "core/schedule/due_rules.h"
#include "gui/help_launcher.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr qsizetype kShownText = 50;

}  // namespace

LateBatchesDialog::LateBatchesDialog(const QList<BatchInfo>& batches, const Clock& clock,
                                     int lateHours, QWidget* parent)
    : QDialog(parent),
      list_(new QListWidget(this)),
      sendNow_(new QPushButton(tr("&Send now"), this)),
      cancel_(new QPushButton(tr("&Cancel batch"), this)) {
    setObjectName(u"lateBatches"_s);
    setWindowTitle(tr("Late Scheduled Messages"));
    auto* intro = new QLabel(
        tr("These scheduled messages were not sent at their time, and are more than %n hours "
           "late: they go only on your word. Choose for the selected ones; what you leave is "
           "asked about again at the next start.",
           nullptr, lateHours),
        this);
    intro->setWordWrap(true);
    list_->setObjectName(u"lateList"_s);
    list_->setAccessibleName(tr("Late batches"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const BatchInfo& batch : batches) {
        const QString text = shortened(batch.templateText.simplified(), kShownText);
        auto* item = new QListWidgetItem(
            tr("Due at %1, to %2: %3").arg(shownTime(batch.due, clock.zone()), batch.source, text),
            list_);
        item->setData(kIdRole, batch.id);
        item->setSelected(true);
    }
    sendNow_->setObjectName(u"sendLateNow"_s);
    cancel_->setObjectName(u"cancelLate"_s);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(sendNow_, QDialogButtonBox::ActionRole);
    buttons->addButton(cancel_, QDialogButtonBox::ActionRole);
    QPushButton* later = buttons->addButton(tr("Ask &later"), QDialogButtonBox::RejectRole);
    later->setObjectName(u"askLater"_s);
    later->setDefault(true);
    connect(sendNow_, &QPushButton::clicked, this, [this] { choose(Choice::SendNow); });
    connect(cancel_, &QPushButton::clicked, this, [this] { choose(Choice::Cancel); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, &LateBatchesDialog::updateButtons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    setHelpTopic(this, u"sending_later.htm"_s);
    updateButtons();
}

void LateBatchesDialog::choose(Choice choice) {
    for (QListWidgetItem* item : list_->selectedItems()) {
        choices_.insert(item->data(kIdRole).toLongLong(), choice);
        delete item;
    }
    if (list_->count() == 0)
        accept();
}

void LateBatchesDialog::updateButtons() {
    const bool any = !list_->selectedItems().isEmpty();
    sendNow_->setEnabled(any);
    cancel_->setEnabled(any);
}

}  // namespace pelicast
