// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/gateway_location.h"

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

GatewayLocation GatewayLocation::builtIn() {
    return {QStringLiteral(PELICAST_HTTP_BASE), QStringLiteral(PELICAST_HTTPS_BASE),
            QStringLiteral(PELICAST_GATEWAY_DOMAIN)};
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
