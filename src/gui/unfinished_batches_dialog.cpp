// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/unfinished_batches_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message/printable_text.h"
#include "gui/help_launcher.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Outcome = RequestRecord::Outcome;

// The start of a long message is enough to know it again.
constexpr qsizetype kShownText = 40;

}  // namespace

UnfinishedBatchesDialog::UnfinishedBatchesDialog(const QList<BatchInfo>& batches, QWidget* parent)
    : QDialog(parent), batches_(batches) {
    setObjectName(u"unfinishedBatches"_s);
    setWindowTitle(tr("Unfinished batches"));
    auto* intro = new QLabel(tr("These batches were not sent to the end. Choose one, then what "
                                "becomes of it; Later leaves them all as they are."),
                             this);
    intro->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(u"batches"_s);
    list_->setAccessibleName(tr("Unfinished batches"));
    for (const BatchInfo& batch : batches_)
        list_->addItem(summary(batch));
    auto* buttons = new QDialogButtonBox(this);
    const auto button = [&](const QString& text, const char* name,
                            QDialogButtonBox::ButtonRole role, Action action) {
        QPushButton* made = buttons->addButton(text, role);
        made->setObjectName(QLatin1String(name));
        connect(made, &QPushButton::clicked, this, [this, action] { choose(action); });
        return made;
    };
    continue_ =
        button(tr("&Continue"), "continueBatch", QDialogButtonBox::AcceptRole, Action::Continue);
    continue_->setToolTip(
        tr("Sends only the requests still queued: nobody gets the message twice."));
    refused_ = button(tr("Send again to &refused..."), "sendAgainRefused",
                      QDialogButtonBox::ActionRole, Action::SendAgainRefused);
    unknown_ = button(tr("Send again to &unknown..."), "sendAgainUnknown",
                      QDialogButtonBox::ActionRole, Action::SendAgainUnknown);
    close_ = button(tr("Cl&ose batch..."), "closeBatch", QDialogButtonBox::DestructiveRole,
                    Action::Close);
    buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    // Each button's clicked() chooses; accepted() is left unconnected.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    connect(list_, &QListWidget::currentRowChanged, this, &UnfinishedBatchesDialog::updateButtons);
    list_->setCurrentRow(0);
    continue_->setDefault(true);
    setMinimumWidth(fontMetrics().averageCharWidth() * 100);
    setHelpTopic(this, u"sending_to_many.htm"_s);
    updateButtons();
}

QString UnfinishedBatchesDialog::summary(const BatchInfo& batch) {
    const BatchCounts& counts = batch.counts;
    QStringList parts{QLocale().toString(batch.created.toLocalTime(), QLocale::ShortFormat)};
    if (!batch.source.isEmpty())
        parts.append(batch.source);
    parts.append(shortened(batch.templateText.simplified(), kShownText));
    parts.append(tr("%n request(s): %1 accepted, %2 refused, %3 without a clear answer, "
                    "%4 queued",
                    nullptr, int(counts.total()))
                     .arg(counts.of(Outcome::Accepted))
                     .arg(counts.of(Outcome::Refused))
                     .arg(counts.uncertain() + counts.of(Outcome::Pending))
                     .arg(counts.of(Outcome::Queued)));
    return parts.join(u" · "_s);
}

const BatchInfo* UnfinishedBatchesDialog::current() const {
    const int row = list_->currentRow();
    return row >= 0 && row < batches_.size() ? &batches_.at(row) : nullptr;
}

void UnfinishedBatchesDialog::updateButtons() {
    const BatchInfo* batch = current();
    continue_->setEnabled(batch && batch->counts.of(Outcome::Queued) > 0);
    refused_->setEnabled(batch && batch->counts.of(Outcome::Refused) > 0);
    unknown_->setEnabled(batch && batch->counts.uncertain() > 0);
    close_->setEnabled(batch != nullptr);
}

void UnfinishedBatchesDialog::choose(Action action) {
    const BatchInfo* batch = current();
    if (!batch)
        return;
    const BatchCounts& counts = batch->counts;
    QString question;
    switch (action) {
        case Action::Continue:
            break;
        case Action::SendAgainRefused:
            question =
                tr("The gateway refused %n request(s) of this batch, so their recipients "
                   "got nothing. Sent again, they are paid for if the gateway takes them "
                   "now; History shows why they were refused. Send them again?",
                   nullptr, int(counts.of(Outcome::Refused)));
            break;
        case Action::SendAgainUnknown:
            question =
                tr("%n request(s) of this batch went out and no complete answer came: the "
                   "gateway may have sent them. Sent again, their recipients may get the "
                   "message twice, and both are paid for. Check your balance and History "
                   "first. Send them again all the same?",
                   nullptr, int(counts.uncertain()));
            break;
        case Action::Close:
            question =
                tr("Close this batch? Its %n queued request(s) are never sent, and it is "
                   "no longer listed as unfinished.",
                   nullptr, int(counts.of(Outcome::Queued)));
            break;
    }
    if (!question.isEmpty() &&
        MessageBox::ask(this, question, windowTitle(), MessageBox::Answer::No,
                        MessageBox::Icon::Warning) != MessageBox::Answer::Yes)
        return;
    chosen_ = batch->id;
    action_ = action;
    accept();
}

}  // namespace pelicast
