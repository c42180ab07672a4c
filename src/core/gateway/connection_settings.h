// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QNetworkProxy>
#include <QString>

namespace pelicast {

class Settings;

// How the program reaches the gateway: transport and proxy, as stored.
struct ConnectionSettings {
    enum class Proxy { Direct = 0, System = 1, Custom = 2 };

    bool https = true;
    Proxy proxy = Proxy::System;  // also what an absent "proxy" key means
    QString proxyServer;
    QString proxyPort;

    static ConnectionSettings load(const Settings& settings);
    // load(), then "transport" written back as "http" or "https": what the
    // program does each time it takes the connection into use (at start and
    // after Options), so a first run stores "https". "proxy" is not written.
    static ConnectionSettings loadAndStoreTransport(Settings& settings);
    // Writes transport and proxy keys; nothing else. "proxy" is left out
    // while it is the system proxy that no stored key named, so a choice
    // nobody made is not written; "proxysrv" and "proxyport" are written with
    // a typed proxy only. False when the file cannot be written; the reason
    // is in settings.errorString().
    bool save(Settings& settings) const;

    // The proxy the requests go through: none, the system's (asked through
    // QNetworkProxyFactory for `url`), or the typed one.
    // An unusable typed proxy (no address, or a port that is not 1 to
    // 65535) gives QNetworkProxy::DefaultProxy; GatewayClient refuses it.
    QNetworkProxy networkProxy(const QUrl& url) const;
    // False only for a typed proxy that names no usable address and port.
    bool hasUsableProxy() const;
};

}  // namespace pelicast
