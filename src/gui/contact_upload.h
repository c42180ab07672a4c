// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/gateway/form_fields.h"

class QWidget;

namespace pelicast {

class GatewayClient;
class Settings;

// The contact-list upload after the account fields were checked: asks for the
// default groups and whether to replace existing groups, reads the address
// book and posts it. `setStatus` is called with the status line's text
// ("" when done without posting). Returns the fields posted, if a request
// went out.
std::optional<FormFields> uploadContacts(QWidget* parent, GatewayClient& client, Settings& settings,
                                         const QString& user, const QString& password,
                                         const std::function<void(const QString&)>& setStatus);

}  // namespace pelicast
