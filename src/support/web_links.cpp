#include "support/web_links.h"

namespace pelicast {

namespace {

constexpr auto kMakerSite = "http://www.brackel.example/";
constexpr auto kStoreBasket =
    "https://store.brackel.example/shopping_basket.html?ID=%1&fromScript=%2";
// The store tells the program's orders apart from its own pages by this.
constexpr auto kFromScript = "1047392856";

}  // namespace

QString WebLinks::gatewayHome(const QString& transportPrefix) const {
    return gateway_.address(transportPrefix, {});
}

QString WebLinks::newAccount(const QString& transportPrefix) const {
    return gateway_.address(transportPrefix, QStringLiteral("newuser.asp"));
}

QString WebLinks::buyCredits(const QString& transportPrefix) const {
    return gateway_.address(transportPrefix, QStringLiteral("buy.asp"));
}

QString WebLinks::secureGatewayHome() const {
    return gatewayHome(gateway_.httpsBase);
}

QString WebLinks::makerSite() {
    return QString::fromLatin1(kMakerSite);
}

QString WebLinks::storeBasket(CreditPackage package) {
    return QString::fromLatin1(kStoreBasket)
        .arg(static_cast<int>(package))
        .arg(QLatin1String(kFromScript));
}

}  // namespace pelicast
