// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <optional>

namespace pelicast {

class Settings;

// The checks a send goes through before it is confirmed, as the user set
// them in Options (keys::preferences). A key is written only once its value
// differs from what an absent key means, so the region follows the system
// locale until the user chooses one.
struct Preferences {
    // Where the region comes from: the user's choice (in Options or when a
    // send asked; "" is the choice "None"), the system locale, or nowhere
    // (the C locale of cron and services): then no national number is read.
    enum class RegionSource { Chosen, System, Unknown };

    QString region;  // two-letter code the recipients are read in; "" for none
    bool checkRecipients = true;
    bool confirmCost = false;  // ask a second time above costThreshold
    int costThreshold = 100;   // credits
    // Saved only when Chosen, then even where the system names the same: a
    // region chosen once holds under any locale.
    RegionSource regionSource = RegionSource::Chosen;
    // Between two requests of a batch, so that the gateway and the networks
    // take them one by one.
    std::chrono::milliseconds pause{1000};

    // The region lists of recipients read numbers in: "" when the check is
    // off, which compares them as text.
    QString numberRegion() const { return checkRecipients ? region : QString(); }

    // The longest pause taken from the settings or a command line.
    static constexpr std::chrono::milliseconds kMaxPause{3'600'000};
    // "1", "0.5": seconds from 0 to an hour; none for any other text.
    static std::optional<std::chrono::milliseconds> pauseOf(const QString& seconds);
    static QString pauseText(std::chrono::milliseconds pause);

    static Preferences load(const Settings& settings);
    // False when the settings file cannot be written; the reason is in
    // settings.errorString().
    bool save(Settings& settings) const;
};

}  // namespace pelicast
