// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/schedule_preferences.h"

#include "core/settings/settings.h"

namespace pelicast {

namespace {
namespace key = keys::preferences;
}

SchedulePreferences SchedulePreferences::load(const Settings& settings) {
    const SchedulePreferences absent;
    SchedulePreferences preferences;
    const Expected<QuietHours> quiet =
        QuietHours::parse(settings.value(key::kQuietHours, absent.quietHours.text()));
    preferences.quietHours = quiet ? *quiet : absent.quietHours;
    const int late = settings.value(key::kLateHours).toInt();
    preferences.lateHours = late >= 1 && late <= kMaxLateHours ? late : absent.lateHours;
    return preferences;
}

bool SchedulePreferences::save(Settings& settings) const {
    const SchedulePreferences absent;
    return settings.setChoice(key::kQuietHours, quietHours.text(), absent.quietHours.text()) &&
           settings.setChoice(key::kLateHours, QString::number(lateHours),
                              QString::number(absent.lateHours));
}

}  // namespace pelicast
