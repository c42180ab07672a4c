// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/preferences.h"

#include <QVariant>

#include "core/message/recipient_check.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

namespace key = keys::preferences;

// What absent keys mean.
Preferences defaults() {
    Preferences preferences;
    preferences.region = systemPhoneRegion();
    preferences.regionSource = preferences.region.isEmpty() ? Preferences::RegionSource::Unknown
                                                            : Preferences::RegionSource::System;
    return preferences;
}

// As QSettings writes a bool, and reads one back.
QString text(bool on) {
    return on ? u"true"_s : u"false"_s;
}
bool flag(const QString& text) {
    return QVariant(text).toBool();
}

}  // namespace

Preferences Preferences::load(const Settings& settings) {
    const Preferences absent = defaults();
    Preferences preferences;
    preferences.region = settings.value(key::kRegion, absent.region);
    preferences.regionSource =
        settings.contains(key::kRegion) ? RegionSource::Chosen : absent.regionSource;
    preferences.checkRecipients =
        flag(settings.value(key::kCheckRecipients, text(absent.checkRecipients)));
    preferences.confirmCost = flag(settings.value(key::kConfirmCost, text(absent.confirmCost)));
    const int threshold = settings.value(key::kCostThreshold).toInt();
    preferences.costThreshold = threshold > 0 ? threshold : absent.costThreshold;
    preferences.pause = pauseOf(settings.value(key::kPause)).value_or(absent.pause);
    return preferences;
}

std::optional<std::chrono::milliseconds> Preferences::pauseOf(const QString& seconds) {
    bool number = false;
    const double value = seconds.trimmed().toDouble(&number);
    // NaN fails both comparisons.
    if (!number || !(value >= 0) || !(value * 1000 <= double(kMaxPause.count())))
        return std::nullopt;
    return std::chrono::milliseconds(qRound64(value * 1000));
}

QString Preferences::pauseText(std::chrono::milliseconds pause) {
    return QString::number(double(pause.count()) / 1000);
}

bool Preferences::save(Settings& settings) const {
    const Preferences absent = defaults();
    return (regionSource != RegionSource::Chosen || settings.setValue(key::kRegion, region)) &&
           settings.setChoice(key::kCheckRecipients, text(checkRecipients),
                              text(absent.checkRecipients)) &&
           settings.setChoice(key::kConfirmCost, text(confirmCost), text(absent.confirmCost)) &&
           settings.setChoice(key::kCostThreshold, QString::number(costThreshold),
                              QString::number(absent.costThreshold)) &&
           settings.setChoice(key::kPause, pauseText(pause), pauseText(absent.pause));
}

}  // namespace pelicast
