#include "connection/gateway_location.h"

namespace pelicast {

GatewayLocation GatewayLocation::builtIn() {
    return {QStringLiteral(PELICAST_HTTP_BASE), QStringLiteral(PELICAST_HTTPS_BASE),
            QStringLiteral(PELICAST_GATEWAY_DOMAIN)};
}

}  // namespace pelicast
