#pragma once

#include <QString>

namespace pelicast::platform {
class SettingsStore;
}

namespace pelicast::userdata {

// Everything the program remembers between runs lives under this application
// and section of the settings store, under these keys and no others.
inline constexpr auto kApplication = "Quillo";
inline constexpr auto kSection = "udata";

inline constexpr auto kUsername = "username";      // scrambled
inline constexpr auto kPassword = "password";      // scrambled; "" unless remembered
inline constexpr auto kOriginator = "originator";  // scrambled
inline constexpr auto kRecent1 = "rcpt1";          // most recent recipients text
inline constexpr auto kRecent2 = "rcpt2";
inline constexpr auto kRecent3 = "rcpt3";
inline constexpr auto kRecent4 = "rcpt4";
inline constexpr auto kCredits = "credits";      // text after "Credits Left:" in the last reply
inline constexpr auto kNewGroups = "newgroups";  // last group answer of an upload
inline constexpr auto kTransport = "transport";  // "http" or "https"
inline constexpr auto kProxy = "proxy";          // "0" direct, "1" system, "2" custom
inline constexpr auto kProxyServer = "proxysrv";
inline constexpr auto kProxyPort = "proxyport";

inline constexpr const char* kRecent[] = {kRecent1, kRecent2, kRecent3, kRecent4};

// The fixed key the three account values are scrambled with.
inline constexpr auto kScrambleKey = "581603";

// Reads and writes of the program's own section; a missing key reads as "".
class UserData {
public:
    explicit UserData(platform::SettingsStore& store) : store_(store) {}

    QString get(const char* key) const;
    void save(const char* key, const QString& value);

    // The three scrambled values, turned back into plain text on reading.
    QString getScrambled(const char* key) const;
    void saveScrambled(const char* key, const QString& plain);

private:
    platform::SettingsStore& store_;
};

}  // namespace pelicast::userdata
