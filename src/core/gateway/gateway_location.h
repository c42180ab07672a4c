// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace pelicast {

// Where the gateway lives: the two transport bases (scheme and first host
// label) and the domain. A page's address is base + domain + "/" + page.
struct GatewayLocation {
    QString httpBase;
    QString httpsBase;
    QString domain;

    // The values the program was built with.
    static GatewayLocation builtIn();

    QString base(bool https) const { return https ? httpsBase : httpBase; }
    QUrl pageUrl(const QString& base, const QString& page) const;
};

// The web store's credit packages, by their basket ID.
enum class CreditPackage : int {
    Credits900 = 6219,
    Credits2500 = 6241,
    Credits5500 = 6242,
    Credits12000 = 6243,
};

// Addresses of the pages the program opens in the browser. The gateway's own
// pages follow the transport in use; the rest are fixed.
namespace weblinks {
QUrl gatewayHome(const GatewayLocation& gateway, const QString& transportBase);
QUrl newAccount(const GatewayLocation& gateway, const QString& transportBase);
QUrl buyCredits(const GatewayLocation& gateway, const QString& transportBase);
QUrl secureGatewayHome(const GatewayLocation& gateway);
QUrl makerSite();
QUrl storeBasket(CreditPackage package);
}  // namespace weblinks

}  // namespace pelicast
