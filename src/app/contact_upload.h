#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pelicast {

namespace platform {
class AddressBookComponent;
class ComponentFactory;
class Dialogs;
}  // namespace platform
namespace userdata {
class UserData;
}
class RequestChannel;

// What the contact-list upload reaches of the main window.
class UploadHost {
public:
    virtual ~UploadHost() = default;
    virtual QString usernameText() const = 0;
    virtual QString passwordText() const = 0;
    virtual void focusUsername() = 0;
    virtual void focusPassword() = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void setMousePointer(int pointer) = 0;
    virtual QWidget* dialogParent() = 0;
};

// The address book as three parallel lists, one line per contact with a
// mobile number, every line preceded by CR LF.
struct ContactList {
    QString names;
    QString numbers;
    QString emails;
};

// Walks the whole book; failures propagate as ComponentError.
ContactList CollectContactList(platform::AddressBookComponent& book);

// The form body of an upload; `replaceGroups` asks the gateway to drop the
// existing groups of these names first.
QString ContactUploadBody(const QString& user, const QString& password, const ContactList& list,
                          const QString& groups, bool replaceGroups);

// Copies the whole address book to the gateway account as a contact list.
class ContactUpload {
public:
    // `pageAddress` gives the upload page's full address at the time of the
    // upload (the transport base can change between uploads).
    ContactUpload(platform::Dialogs& dialogs, platform::ComponentFactory& components,
                  userdata::UserData& userData, RequestChannel& channel, UploadHost& host,
                  std::function<QString()> pageAddress);

    // What `sendcontacts` and `uploadb` do.
    void run();

private:
    // An empty account field: the message, the focus into the field, true.
    bool isMissing(const QString& text, const QString& message, void (UploadHost::*focus)());

    platform::Dialogs& dialogs_;
    platform::ComponentFactory& components_;
    userdata::UserData& userData_;
    RequestChannel& channel_;
    UploadHost& host_;
    std::function<QString()> pageAddress_;
};

}  // namespace pelicast
