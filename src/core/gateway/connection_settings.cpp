// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/connection_settings.h"

#include <QNetworkProxyFactory>
#include <optional>

#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

std::optional<QNetworkProxy> typedProxy(const QString& server, const QString& port) {
    QString host = server.trimmed();
    if (host.startsWith(u'[') && host.endsWith(u']'))  // an IPv6 address
        host = host.mid(1, host.size() - 2);
    bool isNumber = false;
    const uint number = port.trimmed().toUInt(&isNumber);
    if (host.isEmpty() || !isNumber || number < 1 || number > 65535)
        return std::nullopt;
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(number));
}

}  // namespace

ConnectionSettings ConnectionSettings::load(const Settings& settings) {
    ConnectionSettings connection;
    // Only "http" exactly means plain HTTP; anything else, nothing included, HTTPS.
    connection.https = settings.value(keys::kTransport) != "http"_L1;
    const QString proxy = settings.value(keys::kProxy);
    if (proxy.isEmpty() || proxy == "1"_L1)
        connection.proxy = Proxy::System;
    else if (proxy == "0"_L1)
        connection.proxy = Proxy::Direct;
    else
        connection.proxy = Proxy::Custom;
    connection.proxyServer = settings.value(keys::kProxyServer);
    connection.proxyPort = settings.value(keys::kProxyPort);
    return connection;
}

ConnectionSettings ConnectionSettings::loadAndStoreTransport(Settings& settings) {
    ConnectionSettings connection = load(settings);
    settings.setValue(keys::kTransport, connection.https ? u"https"_s : u"http"_s);
    return connection;
}

bool ConnectionSettings::save(Settings& settings) const {
    if (!settings.setValue(keys::kTransport, https ? u"https"_s : u"http"_s) ||
        !settings.setChoice(keys::kProxy, QString::number(int(proxy)),
                            QString::number(int(Proxy::System))))
        return false;
    return proxy != Proxy::Custom || (settings.setValue(keys::kProxyServer, proxyServer) &&
                                      settings.setValue(keys::kProxyPort, proxyPort));
}

QNetworkProxy ConnectionSettings::networkProxy(const QUrl& url) const {
    switch (proxy) {
        case Proxy::Direct:
            return QNetworkProxy::NoProxy;
        case Proxy::System: {
            const QList<QNetworkProxy> proxies =
                QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
            return proxies.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy) : proxies.first();
        }
        case Proxy::Custom:
            break;
    }
    return typedProxy(proxyServer, proxyPort).value_or(QNetworkProxy(QNetworkProxy::DefaultProxy));
}

bool ConnectionSettings::hasUsableProxy() const {
    return proxy != Proxy::Custom || typedProxy(proxyServer, proxyPort).has_value();
}

}  // namespace pelicast
