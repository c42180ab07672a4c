// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "core/gateway/gateway_location.h"

namespace pelicast {

// What a bug report needs to know of this Pelicast and the system it runs
// on, one fact a line: versions (Pelicast, Qt, libphonenumber), the system
// and desktop, the user's files, the keyring and the gateway in use.
QString systemReport(const GatewayLocation& gateway);

// About's "System Info...": the report in a read-only text, with Copy and
// Close.
class SystemInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit SystemInfoDialog(const GatewayLocation& gateway, QWidget* parent = nullptr);
};

}  // namespace pelicast
