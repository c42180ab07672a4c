// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "core/gateway/gateway_location.h"

namespace pelicast {

namespace Ui {
class AboutDialog;
}

// The About box: title, version, description, a button that starts the
// desktop's system-information program, and two pictures that open web pages.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(GatewayLocation location, QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Starts the first system-information program found on the PATH, or says
    // that there is none.
    void startSystemInformation();

private:
    std::unique_ptr<Ui::AboutDialog> ui_;
    GatewayLocation location_;
};

}  // namespace pelicast
