#include "platform/system_proxy_registry.h"

#include <QNetworkProxyFactory>
#include <QStringList>
#include <cstring>

namespace pelicast::platform {

namespace {

constexpr RegStatus ERROR_INVALID_PARAMETER = 87;
// A proxy named without a port listens on the usual proxy port.
constexpr int kDefaultProxyPort = 8080;

bool isInternetSettingsKey(RegHandle root, const QByteArray& subKey) {
    return root == HKEY_CURRENT_USER &&
           subKey.compare("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                          Qt::CaseInsensitive) == 0;
}

bool isHttpProxy(const QNetworkProxy& proxy) {
    return (proxy.type() == QNetworkProxy::HttpProxy ||
            proxy.type() == QNetworkProxy::HttpCachingProxy) &&
           !proxy.hostName().isEmpty();
}

QString hostAndPort(const QNetworkProxy& proxy) {
    QString host = proxy.hostName();
    if (host.contains(QLatin1Char(':')))  // an IPv6 address
        host = QLatin1Char('[') + host + QLatin1Char(']');
    const int port = proxy.port() > 0 ? proxy.port() : kDefaultProxyPort;
    return host + QLatin1Char(':') + QString::number(port);
}

QNetworkProxy systemProxyFor(const QUrl& address) {
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(address));
    return proxies.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy) : proxies.first();
}

}  // namespace

QString ProxyServerText(const QNetworkProxy& http, const QNetworkProxy& https) {
    const QString httpEntry = isHttpProxy(http) ? hostAndPort(http) : QString();
    const QString httpsEntry = isHttpProxy(https) ? hostAndPort(https) : QString();
    if (httpEntry == httpsEntry)
        return httpEntry;
    QStringList entries;
    if (!httpEntry.isEmpty())
        entries.append(QStringLiteral("http=") + httpEntry);
    if (!httpsEntry.isEmpty())
        entries.append(QStringLiteral("https=") + httpsEntry);
    return entries.join(QLatin1Char(';'));
}

SystemProxyRegistry::SystemProxyRegistry(QUrl httpAddress, QUrl httpsAddress)
    : httpAddress_(std::move(httpAddress)), httpsAddress_(std::move(httpsAddress)) {}

RegStatus SystemProxyRegistry::RegOpenKeyExA(RegHandle root, const QByteArray& subKey,
                                             std::uint32_t, std::uint32_t, RegHandle* result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    if (!isInternetSettingsKey(root, subKey))
        return ERROR_FILE_NOT_FOUND;
    *result = nextHandle_++;
    open_.insert(*result);
    return ERROR_SUCCESS;
}

RegStatus SystemProxyRegistry::RegQueryValueExA(RegHandle key, const QByteArray& valueName,
                                                std::uint32_t, std::uint32_t* type, char* data,
                                                std::uint32_t* dataSize) {
    if (!open_.contains(key))
        return ERROR_INVALID_HANDLE;
    if (data && !dataSize)
        return ERROR_INVALID_PARAMETER;
    if (valueName.compare("ProxyServer", Qt::CaseInsensitive) != 0)
        return ERROR_FILE_NOT_FOUND;
    const QString text =
        ProxyServerText(systemProxyFor(httpAddress_), systemProxyFor(httpsAddress_));
    if (text.isEmpty())
        return ERROR_FILE_NOT_FOUND;

    const QByteArray bytes = text.toLocal8Bit() + '\0';
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (type)
        *type = REG_SZ;
    if (!dataSize)
        return ERROR_SUCCESS;
    const bool fits = data && size <= *dataSize;
    *dataSize = size;
    if (!data)
        return ERROR_SUCCESS;
    if (!fits)
        return ERROR_MORE_DATA;
    std::memcpy(data, bytes.constData(), size);
    return ERROR_SUCCESS;
}

RegStatus SystemProxyRegistry::RegCloseKey(RegHandle key) {
    return open_.remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace pelicast::platform
