#include "connection/connection_profile.h"

#include "connection/regrw.h"
#include "platform/text.h"
#include "platform/transfer_component.h"

namespace pelicast {

using settings::kProxy;
using settings::kProxyPort;
using settings::kProxyServer;
using settings::kTransport;

ConnectionProfile::ConnectionProfile(platform::SettingsStore& store, platform::Registry& registry,
                                     platform::TransferComponent& inet, GatewayLocation location)
    : settings_(store), registry_(registry), inet_(inet), location_(std::move(location)) {}

QString ConnectionProfile::chooseTransportFor(bool http) {
    settings_.save(kTransport, http ? QStringLiteral("http") : QStringLiteral("https"));
    return http ? location_.httpBase : location_.httpsBase;
}

QString ConnectionProfile::chooseTransport() {
    return chooseTransportFor(settings_.get(kTransport) == QLatin1String("http"));
}

void ConnectionProfile::useProxy(const QString& proxy) {
    // The proxy text first: the access type takes effect with it.
    inet_.SetProxy(proxy);
    inet_.SetAccessType(platform::TransferComponent::icNamedProxy);
}

QString ConnectionProfile::get_i_settings() {
    const QString mode = settings_.get(kProxy);
    QString base;
    if (mode.isEmpty() || mode == QLatin1String("1")) {
        QString system;
        regrw::GetRegValue(registry_, platform::HKEY_CURRENT_USER,
                           QLatin1String(kInternetSettingsKey), QLatin1String(kProxyServerValue),
                           system);
        if (system.isEmpty()) {
            base = chooseTransport();
        } else {
            settings_.save(kProxy, QStringLiteral("1"));
            if (sCount(system, QStringLiteral(";")) != QLatin1String("0")) {
                system.replace(QLatin1Char(';'), QLatin1Char(' '));
                const bool http = settings_.get(kTransport) == QLatin1String("http") ||
                                  sCount(system, QStringLiteral("https")) == QLatin1String("0");
                base = chooseTransportFor(http);
            } else {
                base = chooseTransport();
            }
            useProxy(system);
        }
    } else if (mode == QLatin1String("0")) {
        inet_.SetAccessType(platform::TransferComponent::icDirect);
        base = chooseTransport();
    } else {
        base = chooseTransport();
        useProxy(settings_.get(kProxyServer) + QLatin1Char(':') + settings_.get(kProxyPort));
    }
    return base;
}

}  // namespace pelicast
