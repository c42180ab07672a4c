// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/batch_progress_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/help_launcher.h"

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace pelicast {

namespace {

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

BatchProgressDialog::BatchProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(u"batchProgress"_s);
    setWindowTitle(tr("Sending the messages"));
    done_ = valueLabel(this, "done");
    bar_ = new QProgressBar(this);
    bar_->setObjectName(u"progress"_s);
    bar_->setAccessibleName(tr("Requests done"));
    credits_ = valueLabel(this, "creditsSpent");
    timeLeft_ = valueLabel(this, "timeLeft");
    balance_ = valueLabel(this, "balance");
    summary_ = valueLabel(this, "summary");
    summary_->setWordWrap(true);
    summary_->hide();
    buttons_ = new QDialogButtonBox(this);
    stop_ = buttons_->addButton(tr("&Stop"), QDialogButtonBox::RejectRole);
    stop_->setObjectName(u"stop"_s);
    stop_->setToolTip(
        tr("The request on its way is finished; no other is sent. The rest can be "
           "sent later with Continue."));
    QPushButton* close = buttons_->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"close"_s);
    close->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("Done:"), done_);
    form->addRow(tr("Credits spent:"), credits_);
    form->addRow(tr("Time left:"), timeLeft_);
    form->addRow(tr("Balance:"), balance_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    connect(stop_, &QPushButton::clicked, this, &BatchProgressDialog::requestStop);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    setHelpTopic(this, u"sending_to_many.htm"_s);
}

QString BatchProgressDialog::timeLeftText(std::chrono::milliseconds left) {
    if (left < 0ms)
        return {};
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(left).count();
    if (seconds < 60)
        return tr("about %n second(s)", nullptr, int(seconds));
    const auto minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return tr("about %n minute(s)", nullptr, int(minutes));
    return tr("about %1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

void BatchProgressDialog::start(qint64 total) {
    running_ = true;
    summary_->hide();
    stop_->show();
    stop_->setEnabled(true);
    stop_->setText(tr("&Stop"));
    buttons_->button(QDialogButtonBox::Close)->hide();
    BatchProgress none;
    none.total = total;
    showProgress(none);
    show();
    raise();
}

void BatchProgressDialog::showProgress(const BatchProgress& progress) {
    done_->setText(tr("%1 of %2 requests").arg(progress.done).arg(progress.total));
    // A bar counts in int; its steps stay right for any batch size.
    const qint64 scale = progress.total / 1'000'000 + 1;
    bar_->setRange(0, int(progress.total / scale));
    bar_->setValue(int(progress.done / scale));
    credits_->setText(QString::number(progress.creditsSpent));
    const QString left = timeLeftText(progress.timeLeft);
    timeLeft_->setText(left.isEmpty() ? tr("not known yet") : left);
    balance_->setText(progress.balance.isEmpty() ? tr("not stated yet")
                                                 : progress.balance.trimmed());
}

void BatchProgressDialog::showFinished(const QString& summary) {
    running_ = false;
    timeLeft_->setText(tr("none"));
    summary_->setText(summary);
    summary_->show();
    stop_->hide();
    QPushButton* close = buttons_->button(QDialogButtonBox::Close);
    close->show();
    close->setDefault(true);
    close->setFocus();
}

void BatchProgressDialog::requestStop() {
    if (!running_ || !stop_->isEnabled())
        return;
    stop_->setEnabled(false);
    stop_->setText(tr("Stopping..."));
    Q_EMIT stopRequested();
}

void BatchProgressDialog::reject() {
    if (running_)
        requestStop();
    else
        QDialog::reject();
}

}  // namespace pelicast
