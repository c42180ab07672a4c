#pragma once

#include <QString>

namespace pelicast::platform {
class SettingsStore;
}

namespace pelicast::settings {

// The program keeps everything it remembers under this application and
// section of the per-user settings store.
inline constexpr auto kApplication = "Quillo";
inline constexpr auto kSection = "udata";

// The connection keys (the full key list is in app/user_data.h).
inline constexpr auto kTransport = "transport";  // "http" or "https"
inline constexpr auto kProxy = "proxy";          // "0" direct, "1" system, "2" custom
inline constexpr auto kProxyServer = "proxysrv";
inline constexpr auto kProxyPort = "proxyport";

// Text values of the program's section; a key never written reads as "".
class SettingsSection {
public:
    explicit SettingsSection(platform::SettingsStore& store) : store_(store) {}

    QString get(const char* key) const;
    void save(const char* key, const QString& value);

    platform::SettingsStore& store() const { return store_; }

private:
    platform::SettingsStore& store_;
};

}  // namespace pelicast::settings
