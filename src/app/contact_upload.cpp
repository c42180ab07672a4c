#include "app/contact_upload.h"

#include <optional>

#include "addressbook/address_book_access.h"
#include "addressbook/picker_host.h"
#include "app/form_body.h"
#include "app/gateway_contract.h"
#include "app/request_channel.h"
#include "app/user_data.h"
#include "platform/dialogs.h"
#include "platform/text.h"

namespace pelicast {

namespace {
using Message = platform::Dialogs::Message;
using Buttons = platform::Dialogs::Buttons;
using Icon = platform::Dialogs::Icon;
using Answer = platform::Dialogs::Answer;

const QString kDefaultGroups = QStringLiteral("Outlook Contacts");
}  // namespace

ContactList CollectContactList(platform::AddressBookComponent& book) {
    const QString lineBreak = QLatin1String(gateway::kLineBreak);
    ContactList list;
    forEachRecord(book, [&](int) {
        const QString cellPhone = book.GetValue(platform::fields::CellPhone);
        if (cellPhone.isEmpty())
            return true;
        list.numbers += lineBreak + QString(cellPhone).remove(QLatin1Char(' '));
        list.emails += lineBreak + book.GetValue(platform::fields::HomeEmail);
        const QString name = book.GetValue(platform::fields::Name);
        list.names += lineBreak + (name.isEmpty() ? cellPhone : name);
        return true;
    });
    return list;
}

QString ContactUploadBody(const QString& user, const QString& password, const ContactList& list,
                          const QString& groups, bool replaceGroups) {
    FormBody body;
    body.add(QLatin1String(gateway::kUser), TrimBlanks(user))
        .add(QLatin1String(gateway::kPass), TrimBlanks(password))
        .add(QLatin1String(gateway::kNewName), TrimBlanks(list.names))
        .add(QLatin1String(gateway::kNewNum), TrimBlanks(list.numbers))
        .add(QLatin1String(gateway::kNewEmails), TrimBlanks(list.emails))
        .add(QLatin1String(gateway::kNewGroups),
             TrimBlanks(groups).replace(QLatin1Char(';'), QLatin1String(gateway::kListSeparator)));
    if (replaceGroups)
        body.add(QLatin1String(gateway::kDelOld), QLatin1String(gateway::kDelOldValue));
    return body.text();
}

ContactUpload::ContactUpload(platform::Dialogs& dialogs, platform::ComponentFactory& components,
                             userdata::UserData& userData, RequestChannel& channel,
                             UploadHost& host, std::function<QString()> pageAddress)
    : dialogs_(dialogs),
      components_(components),
      userData_(userData),
      channel_(channel),
      host_(host),
      pageAddress_(std::move(pageAddress)) {}

bool ContactUpload::isMissing(const QString& text, const QString& message,
                              void (UploadHost::*focus)()) {
    if (!text.isEmpty())
        return false;
    dialogs_.MsgBox(host_.dialogParent(), {message});
    (host_.*focus)();
    return true;
}

void ContactUpload::run() {
    if (channel_.refuseIfBusy())
        return;
    QWidget* parent = host_.dialogParent();
    if (isMissing(host_.usernameText(), QStringLiteral("Please enter Your Quillo username"),
                  &UploadHost::focusUsername) ||
        isMissing(host_.passwordText(), QStringLiteral("Please enter Your Quillo password"),
                  &UploadHost::focusPassword))
        return;

    const QString saved = userData_.get(userdata::kNewGroups);
    const QString groups = dialogs_.InputBox(
        parent, QStringLiteral("Group(s) ? (separate groups with ;)"),
        QStringLiteral("Enter default group(s)"), saved.isEmpty() ? kDefaultGroups : saved);
    if (groups.isEmpty())
        return;
    userData_.save(userdata::kNewGroups, groups);
    const bool replaceGroups =
        dialogs_.MsgBox(parent, Message{QStringLiteral("Delete existing groups with this name ?"),
                                        Buttons::YesNo, Icon::None, QString(), Answer::Yes}) ==
        Answer::Yes;

    host_.setStatusText(QStringLiteral("Collecting Address Book Contacts..."));
    host_.setMousePointer(kPointerArrowHourglass);
    std::optional<ContactList> list;
    try {
        // The instance is only read, so it is let go without closing.
        list = CollectContactList(*openAddressBook(components_));
    } catch (const platform::ComponentError& error) {
        host_.setStatusText(QString());
        host_.setMousePointer(kPointerDefault);
        reportAddressBookFailure(dialogs_, parent, error);
        return;
    }
    const QString body =
        ContactUploadBody(host_.usernameText(), host_.passwordText(), *list, groups, replaceGroups);
    channel_.post(pageAddress_(), body, QStringLiteral("Sending Request to server..."));
}

}  // namespace pelicast
