// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/preferences.h"

#include <QFile>
#include <QSettings>

#include "core/message/recipient_check.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

const QString kRegion = u"preferences/region"_s;
const QString kCheckRecipients = u"preferences/checkRecipients"_s;
const QString kConfirmCost = u"preferences/confirmCost"_s;
const QString kCostThreshold = u"preferences/costThreshold"_s;

// What absent keys mean.
Preferences defaults() {
    Preferences preferences;
    preferences.region = systemPhoneRegion();
    return preferences;
}

}  // namespace

Preferences Preferences::load() {
    const QSettings file(Settings::fileName(), QSettings::IniFormat);
    Preferences preferences = defaults();
    preferences.region = file.value(kRegion, preferences.region).toString();
    preferences.checkRecipients = file.value(kCheckRecipients, true).toBool();
    preferences.confirmCost = file.value(kConfirmCost, false).toBool();
    const int threshold = file.value(kCostThreshold).toInt();
    if (threshold > 0)
        preferences.costThreshold = threshold;
    return preferences;
}

bool Preferences::save() const {
    // The owner's write permission is asked for even when root runs the
    // program: a read-only settings file stays as it is.
    if (QFile::exists(Settings::fileName()) &&
        !(QFile::permissions(Settings::fileName()) & QFileDevice::WriteOwner))
        return false;
    QSettings file(Settings::fileName(), QSettings::IniFormat);
    const Preferences absent = defaults();
    const auto write = [&file](const QString& key, const QVariant& value, const QVariant& absent) {
        if (file.contains(key) || value != absent)
            file.setValue(key, value);
    };
    write(kRegion, region, absent.region);
    write(kCheckRecipients, checkRecipients, absent.checkRecipients);
    write(kConfirmCost, confirmCost, absent.confirmCost);
    write(kCostThreshold, costThreshold, absent.costThreshold);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace pelicast
