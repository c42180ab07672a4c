// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/gateway_location.h"

#include <QCoreApplication>

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

GatewayLocation GatewayLocation::builtIn() {
    return {QStringLiteral(PELICAST_HTTP_BASE), QStringLiteral(PELICAST_HTTPS_BASE),
            QStringLiteral(PELICAST_GATEWAY_DOMAIN)};
}

Expected<GatewayLocation> GatewayLocation::at(const QString& address) {
    QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http"_L1 && scheme != "https"_L1) ||
        url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return Unexpected(
            QCoreApplication::translate("GatewayLocation",
                                        "\"%1\" is not a gateway address: it begins with "
                                        "http:// or https:// and names a host, as in "
                                        "http://127.0.0.1:18080/.")
                .arg(address));
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    // A page's address is base + domain + "/" + page: the base is the
    // address without its last "/", and there is no domain.
    QString base = url.toString();
    base.chop(1);
    return GatewayLocation{base, base, QString(), url.toString()};
}

Expected<GatewayLocation> GatewayLocation::chosen(const QString& option, bool optionGiven,
                                                  const GatewayLocation& fallback) {
    if (optionGiven) {
        auto location = at(option);
        if (!location)
            return Unexpected(u"--gateway: "_s + location.error());
        return location;
    }
    if (!qEnvironmentVariableIsSet(kGatewayVariable))
        return fallback;
    auto location = at(qEnvironmentVariable(kGatewayVariable));
    if (!location)
        return Unexpected(QLatin1String(kGatewayVariable) + u": "_s + location.error());
    return location;
}

QString GatewayLocation::optionDescription() {
    return QCoreApplication::translate(
        "GatewayLocation",
        "Talks to the gateway at URL (such as http://127.0.0.1:18080/, where pelicast-gateway "
        "listens) instead of Quillo's: its pages are at URL followed by the page's name. "
        "The environment variable PELICAST_GATEWAY does the same; this option wins.");
}

QUrl GatewayLocation::pageUrl(const QString& base, const QString& page) const {
    return QUrl(base + domain + u'/' + page, QUrl::StrictMode);
}

namespace weblinks {

namespace {
constexpr auto kMakerSite = "http://www.brackel.example/";
constexpr auto kStoreBasket =
    "https://store.brackel.example/shopping_basket.html?ID=%1&fromScript=%2";
// The store tells the program's orders apart from its own pages by this.
constexpr auto kFromScript = "1047392856";
}  // namespace

QUrl gatewayHome(const GatewayLocation& gateway, const QString& transportBase) {
    return gateway.pageUrl(transportBase, QString());
}

QUrl newAccount(const GatewayLocation& gateway, const QString& transportBase) {
    return gateway.pageUrl(transportBase, QLatin1String(protocol::kNewUserPage));
}

QUrl buyCredits(const GatewayLocation& gateway, const QString& transportBase) {
    return gateway.pageUrl(transportBase, QLatin1String(protocol::kBuyPage));
}

QUrl secureGatewayHome(const GatewayLocation& gateway) {
    return gatewayHome(gateway, gateway.httpsBase);
}

QUrl makerSite() {
    return QUrl(QLatin1String(kMakerSite));
}

QUrl storeBasket(CreditPackage package) {
    return QUrl(QLatin1String(kStoreBasket)
                    .arg(QString::number(static_cast<int>(package)), QLatin1String(kFromScript)));
}

}  // namespace weblinks

}  // namespace pelicast
