#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "addressbook/clist.h"
#include "addressbook/picker_host.h"
#include "app/contact_upload.h"
#include "app/request_channel.h"
#include "app/user_data.h"
#include "connection/connection_profile.h"
#include "connection/profile_host.h"
#include "platform/services.h"

namespace Ui {
class frmAddIn;
}

namespace pelicast {

// The main window: account, originator, recipients and message, the three
// gateway requests, and the doors to every other window.
class frmAddIn : public QMainWindow,
                 public ChannelHost,
                 public PickerHost,
                 public ProfileHost,
                 public UploadHost {
    Q_OBJECT

public:
    frmAddIn(platform::Services services, GatewayLocation location, QWidget* parent = nullptr);
    ~frmAddIn() override;

    // How the program ends; tests may watch it.
    std::function<void()> endProgram;

    QString transportPrefix() const { return transport_prefix; }
    int mousePointer() const { return mousePointer_; }
    RequestChannel& channel() { return channel_; }

    // ProfileHost
    QString get_i_settings() override;
    void setTranspCaption(const QString& caption) override;
    // ChannelHost and PickerHost
    void setStatusText(const QString& text) override;
    void setMousePointer(int pointer) override;
    void setBalanceCaption(const QString& caption) override;
    QWidget* dialogParent() override { return this; }
    QString recipientsText() const override;
    void setRecipientsText(const QString& text) override;
    // UploadHost
    QString usernameText() const override;
    QString passwordText() const override;
    void focusUsername() override;
    void focusPassword() override;

    // Handlers.
    void Form_Load();
    void sms_KeyUp();
    void newb_Click();
    void CancelButton_Click();
    void transp_Change();
    void OKButton_Click();
    void chkcr_Click();
    void conlookup_Click();
    void sendcontacts_Click();
    void opmenu_Click();
    void htopics_Click();
    void About_Click();
    void launch_webbrowser(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpPictures();
    void connectHandlers();
    void keepFixedSize();
    bool needsField(bool empty, const QString& message, QWidget* field);
    QString pageAddress(const char* page) const;
    void rememberRecipients(const QString& recipients);
    void connectWebLinks();

    std::unique_ptr<::Ui::frmAddIn> ui;
    platform::Services services_;
    userdata::UserData userData_;
    ConnectionProfile profile_;
    RequestChannel channel_;
    ContactUpload upload_;
    QPointer<clist> picker_;
    QString transport_prefix;
    int mousePointer_ = kPointerDefault;
    bool ending_ = false;
};

// What Send tells the user before it posts: recipients, cost and whether
// other networks may charge more.
struct SendEstimate {
    qint64 recipients = 0;
    qint64 cost = 0;
    bool interconnectionNote = false;

    static SendEstimate of(const QString& recipientsText, const QString& originator);
    QString confirmation() const;
};

}  // namespace pelicast
