#pragma once

#include <QString>

#include "connection/settings_section.h"

namespace pelicast::userdata {

// Every key the program reads or writes, all in the section of
// settings::SettingsSection; a missing key reads as "".
inline constexpr auto kUsername = "username";      // scrambled
inline constexpr auto kPassword = "password";      // scrambled; "" unless remembered
inline constexpr auto kOriginator = "originator";  // scrambled
inline constexpr auto kRecent1 = "rcpt1";          // most recent recipients text
inline constexpr auto kRecent2 = "rcpt2";
inline constexpr auto kRecent3 = "rcpt3";
inline constexpr auto kRecent4 = "rcpt4";
inline constexpr auto kCredits = "credits";      // text after "Credits Left:" in the last reply
inline constexpr auto kNewGroups = "newgroups";  // last group answer of an upload
using settings::kProxy;
using settings::kProxyPort;
using settings::kProxyServer;
using settings::kTransport;

inline constexpr const char* kRecent[] = {kRecent1, kRecent2, kRecent3, kRecent4};

// The fixed key the three account values are scrambled with.
inline constexpr auto kScrambleKey = "581603";

// The program's section, plus the scrambled account values.
class UserData : public settings::SettingsSection {
public:
    using SettingsSection::SettingsSection;

    // Read back as plain text.
    QString getScrambled(const char* key) const;
    void saveScrambled(const char* key, const QString& plain);
};

}  // namespace pelicast::userdata
