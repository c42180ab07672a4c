// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/schedule/quiet_hours.h"

namespace pelicast {

class Settings;

// When scheduled batches may go, as the user set it in Options
// (keys::preferences): the quiet hours, and how late a batch may be before
// the timer leaves it for the user to decide. Kept apart from Preferences so
// that the timer's every-minute look reads nothing else.
struct SchedulePreferences {
    static constexpr int kDefaultLateHours = 2;
    static constexpr int kMaxLateHours = 24 * 7;

    QuietHours quietHours = QuietHours::defaults();
    int lateHours = kDefaultLateHours;  // 1 to kMaxLateHours

    // A value that cannot be read means the default: quiet rather than not.
    static SchedulePreferences load(const Settings& settings);
    // False when the settings file cannot be written; the reason is in
    // settings.errorString().
    bool save(Settings& settings) const;
};

}  // namespace pelicast
