// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/options_dialog.h"

#include <algorithm>

#include "core/message/recipient_check.h"
#include "core/schedule/schedule_preferences.h"
#include "core/settings/settings.h"
#include "gui/help_launcher.h"
#include "gui/message_box.h"
#include "ui_options_dialog.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {
using Proxy = ConnectionSettings::Proxy;
}

OptionsDialog::OptionsDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::OptionsDialog>()), settings_(settings) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    proxyButtons_.addButton(ui_->proxybut_0, int(Proxy::Direct));
    proxyButtons_.addButton(ui_->proxybut_1, int(Proxy::System));
    proxyButtons_.addButton(ui_->proxybut_2, int(Proxy::Custom));
    connect(&proxyButtons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            enableProxyFields(id == int(Proxy::Custom));
    });
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] {
        if (applyOptions())
            accept();
    });
    connect(ui_->cmdApply, &QPushButton::clicked, this, &OptionsDialog::applyOptions);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setHelpTopic(this, u"options.htm"_s);
    connect(ui_->confirmCost, &QCheckBox::toggled, ui_->costThreshold, &QWidget::setEnabled);
    connect(ui_->quietHours, &QCheckBox::toggled, ui_->quietStart, &QWidget::setEnabled);
    connect(ui_->quietHours, &QCheckBox::toggled, ui_->quietEnd, &QWidget::setEnabled);
    // Read once, when the dialog opens: what the user types must survive a
    // look at another window.
    showStoredChoices();
    showStoredPreferences();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::showStoredChoices() {
    stored_ = ConnectionSettings::load(settings_);
    (stored_.https ? ui_->http_0 : ui_->http_1)->setChecked(true);
    proxyButtons_.button(int(stored_.proxy))->setChecked(true);
    enableProxyFields(stored_.proxy == Proxy::Custom);
    ui_->proxysrv->setText(stored_.proxyServer);
    ui_->proxyport->setText(stored_.proxyPort);
}

void OptionsDialog::enableProxyFields(bool enabled) {
    ui_->proxysrv->setEnabled(enabled);
    ui_->proxyport->setEnabled(enabled);
}

void OptionsDialog::showStoredPreferences() {
    const Preferences stored = Preferences::load(settings_);
    ui_->region->addItem(tr("None: compare numbers as written"), QString());
    for (const QString& code : phoneRegionsByName())
        ui_->region->addItem(phoneRegionName(code), code);
    // Nothing chosen while no region is known: a send asks for one.
    ui_->region->setPlaceholderText(tr("Not set: asked at the first send"));
    ui_->region->setCurrentIndex(stored.regionSource == Preferences::RegionSource::Unknown
                                     ? -1
                                     : std::max(0, ui_->region->findData(stored.region)));
    regionChosen_ = stored.regionSource == Preferences::RegionSource::Chosen;
    connect(ui_->region, &QComboBox::activated, this, [this] { regionChosen_ = true; });
    ui_->checkRecipients->setChecked(stored.checkRecipients);
    ui_->confirmCost->setChecked(stored.confirmCost);
    ui_->costThreshold->setEnabled(stored.confirmCost);
    ui_->costThreshold->setValue(stored.costThreshold);
    ui_->pause->setValue(double(stored.pause.count()) / 1000);

    const SchedulePreferences schedule = SchedulePreferences::load(settings_);
    // Off, the edits offer the usual hours for when they are turned on.
    const QuietHours shown =
        schedule.quietHours.isOn() ? schedule.quietHours : QuietHours::defaults();
    ui_->quietHours->setChecked(schedule.quietHours.isOn());
    ui_->quietStart->setTime(shown.start());
    ui_->quietEnd->setTime(shown.end());
    ui_->quietStart->setEnabled(schedule.quietHours.isOn());
    ui_->quietEnd->setEnabled(schedule.quietHours.isOn());
    ui_->lateHours->setMaximum(SchedulePreferences::kMaxLateHours);
    ui_->lateHours->setValue(schedule.lateHours);
}

Expected<SchedulePreferences> OptionsDialog::chosenSchedule() const {
    SchedulePreferences chosen;
    chosen.lateHours = ui_->lateHours->value();
    if (!ui_->quietHours->isChecked()) {
        chosen.quietHours = QuietHours();
        return chosen;
    }
    const QString format = u"HH:mm"_s;
    const Expected<QuietHours> quiet = QuietHours::parse(
        ui_->quietStart->time().toString(format) + u'-' + ui_->quietEnd->time().toString(format));
    if (!quiet)
        return Unexpected(quiet.error());
    chosen.quietHours = *quiet;
    return chosen;
}

Preferences OptionsDialog::chosenPreferences() const {
    Preferences chosen;
    chosen.region = ui_->region->currentData().toString();
    // One the user never picked keeps following the system.
    chosen.regionSource = regionChosen_                     ? Preferences::RegionSource::Chosen
                          : ui_->region->currentIndex() < 0 ? Preferences::RegionSource::Unknown
                                                            : Preferences::RegionSource::System;
    chosen.checkRecipients = ui_->checkRecipients->isChecked();
    chosen.confirmCost = ui_->confirmCost->isChecked();
    chosen.costThreshold = ui_->costThreshold->value();
    chosen.pause = std::chrono::milliseconds(qRound64(ui_->pause->value() * 1000));
    return chosen;
}

bool OptionsDialog::applyOptions() {
    ConnectionSettings chosen = stored_;
    chosen.https = ui_->http_0->isChecked();
    const auto proxy = Proxy(proxyButtons_.checkedId());
    const QString server = ui_->proxysrv->text();
    const QString port = ui_->proxyport->text();
    const bool complete = proxy != Proxy::Custom || (!server.isEmpty() && !port.isEmpty());
    // An incomplete custom proxy keeps the stored one; the transport is saved
    // all the same.
    if (complete) {
        chosen.proxy = proxy;
        chosen.proxyServer = server;
        chosen.proxyPort = port;
    }
    // Quiet hours that would never end keep the stored schedule; the rest is
    // saved.
    const Expected<SchedulePreferences> schedule = chosenSchedule();
    const bool saved = chosen.save(settings_) && chosenPreferences().save(settings_) &&
                       (!schedule || schedule->save(settings_));
    stored_ = ConnectionSettings::load(settings_);
    if (!saved)
        Q_EMIT saveFailed(settings_.errorString());
    if (!complete) {
        MessageBox::tell(this, tr("Please enter proxy address and port"));
        (server.isEmpty() ? ui_->proxysrv : ui_->proxyport)->setFocus();
    } else if (!schedule) {
        MessageBox::tell(this, schedule.error());
        ui_->quietEnd->setFocus();
    }
    Q_EMIT connectionChanged();
    return saved && complete && schedule;
}

}  // namespace pelicast
