#pragma once

#include <QString>

#include "connection/gateway_location.h"

namespace pelicast {

// The web store's credit packages, by their basket ID.
enum class CreditPackage : int {
    Credits900 = 6219,
    Credits2500 = 6241,
    Credits5500 = 6242,
    Credits12000 = 6243,
};

// Addresses of the pages the program opens in the browser. The gateway's own
// pages follow the transport the user chose; the rest are fixed.
class WebLinks {
public:
    explicit WebLinks(GatewayLocation gateway) : gateway_(std::move(gateway)) {}

    QString gatewayHome(const QString& transportPrefix) const;
    QString newAccount(const QString& transportPrefix) const;
    QString buyCredits(const QString& transportPrefix) const;
    // The gateway's home page over HTTPS, whatever the chosen transport.
    QString secureGatewayHome() const;

    static QString makerSite();
    static QString storeBasket(CreditPackage package);

private:
    GatewayLocation gateway_;
};

}  // namespace pelicast
