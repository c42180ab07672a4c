#pragma once

#include <QString>

#include "connection/gateway_location.h"
#include "connection/settings_section.h"

namespace pelicast::platform {
class Registry;
class TransferComponent;
}  // namespace pelicast::platform

namespace pelicast {

// Applies the stored connection choices: which proxy the transfer component
// uses and which transport base gateway addresses start with.
class ConnectionProfile {
public:
    ConnectionProfile(platform::SettingsStore& store, platform::Registry& registry,
                      platform::TransferComponent& inet, GatewayLocation location);

    // Configures the transfer component, saves the transport and returns the
    // transport base.
    QString get_i_settings();

    const GatewayLocation& location() const { return location_; }

private:
    QString chooseTransport();
    QString chooseTransportFor(bool http);
    void useProxy(const QString& proxy);

    settings::SettingsSection settings_;
    platform::Registry& registry_;
    platform::TransferComponent& inet_;
    GatewayLocation location_;
};

// Where the system keeps its proxy setting.
inline constexpr auto kInternetSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr auto kProxyServerValue = "ProxyServer";

}  // namespace pelicast
