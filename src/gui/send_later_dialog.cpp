// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/send_later_dialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/schedule/clock.h"
#include "core/schedule/due_rules.h"
#include "gui/help_launcher.h"

using namespace Qt::StringLiterals;

namespace pelicast {

SendLaterDialog::SendLaterDialog(const Clock& clock, const SchedulePreferences& preferences,
                                 QWidget* parent, const QDateTime& due)
    : QDialog(parent),
      clock_(clock),
      preferences_(preferences),
      when_(new QDateTimeEdit(this)),
      effect_(new QLabel(this)) {
    setObjectName(u"sendLater"_s);
    setWindowTitle(tr("Send Later"));
    // The edit shows the clock's wall time, whatever zone the process has.
    const QDateTime offered =
        (due.isValid() ? due : nextFullHour(clock_.now(), clock_.zone())).toTimeZone(clock_.zone());
    when_->setObjectName(u"sendAt"_s);
    when_->setCalendarPopup(true);
    when_->setDisplayFormat(u"yyyy-MM-dd HH:mm"_s);
    when_->setMinimumDate(clock_.now().toTimeZone(clock_.zone()).date());
    when_->setDateTime(QDateTime(offered.date(), offered.time()));
    effect_->setObjectName(u"sendLaterNote"_s);
    effect_->setWordWrap(true);
    effect_->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    auto* label = new QLabel(tr("Send &at:"), this);
    label->setBuddy(when_);
    form->addRow(label, when_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    schedule_ = buttons->addButton(tr("&Schedule"), QDialogButtonBox::AcceptRole);
    schedule_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(effect_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    effect_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    connect(when_, &QDateTimeEdit::dateTimeChanged, this, &SendLaterDialog::showEffect);
    setHelpTopic(this, u"sending_later.htm"_s);
    showEffect();
}

QDateTime SendLaterDialog::chosenTime() const {
    const QDateTime wall = when_->dateTime();
    return QDateTime(wall.date(), QTime(wall.time().hour(), wall.time().minute()), clock_.zone())
        .toUTC();
}

void SendLaterDialog::showEffect() {
    const QDateTime chosen = chosenTime();
    const Expected<void> allowed = checkScheduleTime(chosen, clock_.now(), clock_.zone());
    schedule_->setEnabled(bool(allowed));
    effect_->setText(allowed ? quietHoursEffect(chosen, preferences_.quietHours, clock_.zone())
                             : allowed.error());
}

void SendLaterDialog::accept() {
    // The time may have passed while the dialog was open.
    showEffect();
    if (schedule_->isEnabled())
        QDialog::accept();
}

}  // namespace pelicast
