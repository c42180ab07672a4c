#pragma once

#include <QNetworkProxy>
#include <QSet>
#include <QUrl>

#include "platform/registry.h"

namespace pelicast::platform {

// The registry of a platform that has none. It holds one value, the Internet
// setting "ProxyServer" of the current user, made from the system's proxy
// configuration for the gateway's plain and secure addresses each time it is
// read; every other key and value is not found.
class SystemProxyRegistry : public Registry {
public:
    // The system is asked which proxy it would use for these two addresses.
    SystemProxyRegistry(QUrl httpAddress, QUrl httpsAddress);

    RegStatus RegOpenKeyExA(RegHandle root, const QByteArray& subKey, std::uint32_t options,
                            std::uint32_t samDesired, RegHandle* result) override;
    RegStatus RegQueryValueExA(RegHandle key, const QByteArray& valueName, std::uint32_t reserved,
                               std::uint32_t* type, char* data, std::uint32_t* dataSize) override;
    RegStatus RegCloseKey(RegHandle key) override;

private:
    QUrl httpAddress_;
    QUrl httpsAddress_;
    QSet<RegHandle> open_;
    RegHandle nextHandle_ = 0x1000;
};

// The "ProxyServer" text for the proxies the system names for plain and secure
// traffic: one "host:port" when both are the same HTTP proxy, otherwise
// "http=host:port;https=host:port" with only the schemes that have one; ""
// when neither has one. Only HTTP proxies count: the transfer component speaks
// to no other kind.
QString ProxyServerText(const QNetworkProxy& http, const QNetworkProxy& https);

}  // namespace pelicast::platform
