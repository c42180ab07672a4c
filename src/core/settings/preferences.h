// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pelicast {

// The checks a send goes through before it is confirmed, as the user set
// them in Options: section "preferences" of the settings file. A key is
// written only once its value differs from what an absent key means, so the
// region follows the system locale until the user chooses one.
struct Preferences {
    QString region;  // two-letter code the recipients are read in; "" for none
    bool checkRecipients = true;
    bool confirmCost = false;  // ask a second time above costThreshold
    int costThreshold = 100;   // credits

    static Preferences load();
    // False when the settings file cannot be written (it is read-only).
    bool save() const;
};

}  // namespace pelicast
