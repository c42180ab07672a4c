#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <memory>

#include "connection/settings_section.h"

namespace pelicast {

namespace platform {
class Dialogs;
}  // namespace platform
class ProfileHost;

namespace Ui {
class frmOptions;
}

// The connection options: transport (HTTPS or plain HTTP) and proxy mode.
// It keeps nothing of its own: the controls show the stored choices, and
// saving them has the main window apply the connection profile at once.
// Modeless and deleted when closed.
class frmOptions : public QWidget {
    Q_OBJECT

public:
    frmOptions(platform::SettingsStore& settings, platform::Dialogs& dialogs, ProfileHost& host,
               QWidget* parent = nullptr);
    ~frmOptions() override;

    // Shows the one Options window: creates it when none is open, otherwise
    // brings the open one to the front.
    static frmOptions* showOrRaise(platform::SettingsStore& settings, platform::Dialogs& dialogs,
                                   ProfileHost& host, QWidget* parent = nullptr);

    // Saves the choices and applies the profile again; false when the custom
    // proxy lacks its address or port (the transport is saved all the same).
    bool apply_options();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
    void proxybut_Click(int Index);
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

    void enableProxyBoxes(bool enabled);

    std::unique_ptr<Ui::frmOptions> ui_;
    settings::SettingsSection settings_;
    platform::Dialogs& dialogs_;
    ProfileHost& host_;
    QButtonGroup http_;
    QButtonGroup proxybut_;
    // Our own message box takes the activation away; coming back from it is
    // not a return from another window, so the typed text must survive it.
    bool inMessage_ = false;
    bool leftForMessage_ = false;
};

}  // namespace pelicast
