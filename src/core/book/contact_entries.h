// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "core/gateway/form_fields.h"

namespace pelicast {

class AddressBook;
class NumberKeys;
struct Contact;

// "Surname, Firstname (mobile)": how the picker shows a contact; "Name
// (mobile)" for one with a formatted name only.
QString contactLabel(const Contact& contact);
// "Name (group)": how the picker shows a group.
QString groupLabel(const QString& name);
bool isGroupLabel(const QString& text);
QString groupNameOfLabel(const QString& label);

// Every readable contact with a mobile number, in book order: its label, and
// its index in the book, which tells apart contacts of one label.
struct ContactEntries {
    QStringList labels;
    QList<int> indexes;
};
ContactEntries contactEntries(const AddressBook& book);
QStringList contactLabels(const AddressBook& book);
// One label per group name, in the spelling met first; names that differ only
// in case are one group.
QStringList groupLabels(const AddressBook& book);

// The recipients text of each group label, in one walk of the book: "label;"
// for every member with a mobile number, in book order, once for every time
// it names the group; one text per label, in their order (empty for a label
// that is not a group's). Contacts that cannot be read are skipped, each
// counted once.
struct MembersOfGroups {
    QStringList recipients;
    int skipped = 0;
};
MembersOfGroups membersOfGroups(const AddressBook& book, const QStringList& labels);

// The contact a recipients element names: by its picker label, else by its
// number as `keys` reads numbers; the first in book order where two contacts
// share one. Only readable contacts with a mobile number count. The book is
// walked when first needed, once for labels and once for numbers.
class ContactFinder {
public:
    ContactFinder(const AddressBook& book, const NumberKeys& keys) : book_(book), keys_(keys) {}
    // The contact's index in the book, -1 for none. `key`: the element's
    // NumberKeys key, when the caller has it already.
    int find(const QString& element) const;
    int find(const QString& element, const QString& key) const;

private:
    const AddressBook& book_;
    const NumberKeys& keys_;
    mutable QHash<QString, int> byLabel_, byNumber_;
    mutable bool labelsRead_ = false, numbersRead_ = false;
};

// The contacts a recipients text names, each once in the order named: each
// element's (ContactFinder, numbers read in `region`), and the members of a
// group label. The elements that name no contact, as typed.
struct NamedContacts {
    QList<int> indexes;
    QStringList unknown;
};
NamedContacts contactsNamedIn(const QString& recipients, const AddressBook& book,
                              const QString& region);

// Sorts ascending without regard to case; entries equal but for case keep
// their order. `alongside`, of the same size, is put in the same order.
void sortIgnoringCase(QStringList& entries);
void sortIgnoringCase(QStringList& entries, QList<int>& alongside);

// The whole book as the three parallel lists of a contact-list upload, one
// line per contact with a mobile number, every line preceded by CR LF.
struct ContactList {
    QString names;
    QString numbers;
    QString emails;
};
ContactList contactList(const AddressBook& book);
FormFields contactUploadFields(const QString& user, const QString& password,
                               const ContactList& list, const QString& groups, bool replaceGroups);

}  // namespace pelicast
