// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/contact_upload.h"

#include <QCoreApplication>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal_recorder.h"
#include "core/settings/settings.h"
#include "gui/address_book_error.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct ContactUploadText {
    Q_DECLARE_TR_FUNCTIONS(ContactUpload)
};

}  // namespace

bool uploadContacts(QWidget* parent, JournalRecorder& recorder, Settings& settings,
                    const QString& user, const QString& password,
                    const std::function<void(const QString&)>& setStatus) {
    // The last answer is proposed again; the first run proposes the default.
    const QString lastGroups = settings.value(keys::kNewGroups);
    const QString groups = MessageBox::askText(
        parent, ContactUploadText::tr("Group(s) ? (separate groups with ;)"),
        ContactUploadText::tr("Enter default group(s)"),
        lastGroups.isEmpty() ? ContactUploadText::tr("Outlook Contacts") : lastGroups);
    if (groups.isEmpty())
        return false;
    settings.setValue(keys::kNewGroups, groups);
    const bool replaceGroups =
        MessageBox::ask(parent, ContactUploadText::tr("Delete existing groups with this name ?"),
                        {}, MessageBox::Answer::Yes) == MessageBox::Answer::Yes;

    setStatus(ContactUploadText::tr("Collecting Address Book Contacts..."));
    AddressBook book;
    if (!book.load()) {
        setStatus(QString());
        reportAddressBookError(parent, AddressBookStep::Read, book.errorString());
        return false;
    }
    const FormFields fields =
        contactUploadFields(user, password, contactList(book), groups, replaceGroups);
    setStatus(ContactUploadText::tr("Sending Request to server..."));
    if (!recorder.post(QLatin1String(protocol::kUploadPage), fields)) {
        setStatus(QString());
        return false;
    }
    return true;
}

}  // namespace pelicast
