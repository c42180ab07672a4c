#pragma once

#include <QString>

namespace pelicast {

// Where the gateway lives: the two transport bases (scheme and first host
// label) and the domain. A page's address is base + domain + "/" + page.
struct GatewayLocation {
    QString httpBase;
    QString httpsBase;
    QString domain;

    // The values the program was built with.
    static GatewayLocation builtIn();

    QString address(const QString& base, const QString& page) const {
        return base + domain + QLatin1Char('/') + page;
    }
};

}  // namespace pelicast
