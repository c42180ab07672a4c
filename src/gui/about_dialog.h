// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "core/gateway/gateway_location.h"

namespace pelicast {

namespace Ui {
class AboutDialog;
}

// The About box: title, version, description, licence and project page, a
// button that shows a report of the system Pelicast runs on, and two
// pictures that open web pages.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(GatewayLocation location, QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Opens the report of the system (SystemInfoDialog).
    void showSystemInformation();

private:
    std::unique_ptr<Ui::AboutDialog> ui_;
    GatewayLocation location_;
};

}  // namespace pelicast
