#pragma once

#include <QWidget>
#include <memory>

#include "connection/gateway_location.h"
#include "platform/services.h"

namespace pelicast {

namespace Ui {
class frmAbout;
}

// The About box: title, version, description, the system-information button
// and two pictures that open web pages. Modeless and deleted when closed.
class frmAbout : public QWidget {
    Q_OBJECT

public:
    frmAbout(const platform::Services& services, GatewayLocation gateway,
             QWidget* parent = nullptr);
    ~frmAbout() override;

    // Shows the one About box: creates it when none is open, otherwise brings
    // the open one to the front.
    static frmAbout* showOrRaise(const platform::Services& services, const GatewayLocation& gateway,
                                 QWidget* parent = nullptr);

    // Starts the system-information program or says that there is none.
    void StartSysInfo();

private:
    void Form_Load();
    void launch_webbrowser(const QString& address);

    std::unique_ptr<Ui::frmAbout> ui_;
    platform::ApplicationObject& app_;
    platform::Registry& registry_;
    platform::Shell& shell_;
    platform::Dialogs& dialogs_;
    GatewayLocation gateway_;
};

}  // namespace pelicast
