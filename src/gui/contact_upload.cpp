// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/contact_upload.h"

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal_recorder.h"
#include "core/settings/settings.h"
#include "gui/address_book_error.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

bool uploadContacts(QWidget* parent, JournalRecorder& recorder, Settings& settings,
                    const QString& user, const QString& password,
                    const std::function<void(const QString&)>& setStatus) {
    // The last answer is proposed again; the first run proposes the default.
    const QString lastGroups = settings.value(keys::kNewGroups);
    const QString groups = MessageBox::askText(
        parent, u"Group(s) ? (separate groups with ;)"_s, u"Enter default group(s)"_s,
        lastGroups.isEmpty() ? u"Outlook Contacts"_s : lastGroups);
    if (groups.isEmpty())
        return false;
    settings.setValue(keys::kNewGroups, groups);
    const bool replaceGroups =
        MessageBox::ask(parent, u"Delete existing groups with this name ?"_s, {},
                        MessageBox::Answer::Yes) == MessageBox::Answer::Yes;

    setStatus(u"Collecting Address Book Contacts..."_s);
    AddressBook book;
    if (!book.load()) {
        setStatus(QString());
        reportAddressBookError(parent, AddressBookStep::Read, book.errorString());
        return false;
    }
    const FormFields fields =
        contactUploadFields(user, password, contactList(book), groups, replaceGroups);
    setStatus(u"Sending Request to server..."_s);
    if (!recorder.post(QLatin1String(protocol::kUploadPage), fields)) {
        setStatus(QString());
        return false;
    }
    return true;
}

}  // namespace pelicast
