// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include "common/expected.h"

namespace pelicast {

// The environment variable that names a gateway as --gateway does.
inline constexpr auto kGatewayVariable = "PELICAST_GATEWAY";

// Where the gateway lives: the two transport bases (scheme and first host
// label) and the domain. A page's address is base + domain + "/" + page.
struct GatewayLocation {
    QString httpBase;
    QString httpsBase;
    QString domain;
    // The address given at run time in place of the built-in gateway (a
    // stand-in for trying and testing); empty for the built-in one.
    QString testAddress{};

    // The values the program was built with.
    static GatewayLocation builtIn();
    // The gateway at `address` (http:// or https:// and a host): its pages
    // are at the address, ending in "/", followed by the page's name,
    // whichever transport Options choose. Else why `address` is none.
    static Expected<GatewayLocation> at(const QString& address);
    // The gateway of --gateway (`option`, when given), else of
    // PELICAST_GATEWAY when set, else `fallback`; a wrong address is refused
    // with the name of where it came from.
    static Expected<GatewayLocation> chosen(const QString& option, bool optionGiven,
                                            const GatewayLocation& fallback = builtIn());
    // What --gateway says in every program's --help.
    static QString optionDescription();

    bool isTest() const { return !testAddress.isEmpty(); }

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
