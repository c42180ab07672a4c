// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "common/expected.h"

namespace pelicast {

// One address-book entry as the program sees it. Every other detail of the
// card (photos, addresses, notes, ...) is kept as it was when the contact is
// written back.
struct Contact {
    QString firstName;
    QString surname;
    QString displayName;
    QString mobile;  // the first telephone number of type "cell"
    QString email;
    QStringList groups;  // categories, or the group cards that list it
};

// The user's address book, kept in a vCard file. Changes stay in memory
// until save(), which writes them onto the file as it is then (so a change
// another program made meanwhile is kept), atomically, with the previous
// file kept as a backup.
class AddressBook {
public:
    // `path` empty: the user's own book, `$XDG_DATA_HOME/Pelicast/contacts.vcf`.
    explicit AddressBook(QString path = QString());
    ~AddressBook();
    AddressBook(const AddressBook&) = delete;
    AddressBook& operator=(const AddressBook&) = delete;

    static QString defaultPath();
    const QString& path() const;

    // Reads the file; a missing file is an empty book. False on failure,
    // with the reason in errorString().
    bool load();

    int count() const;
    Contact contact(int index) const;
    // contact(index).groups, without decoding the other fields.
    QStringList groupsOf(int index) const;
    // Contacts that could not be read are left out of contact() lists by
    // callers that walk the book; this says whether `index` is one.
    bool isReadable(int index) const;

    // Returns the new contact's index.
    int add(const Contact& contact);
    // Writes every field of `contact` that differs from contact(index), so
    // start from that to change only some; a card left as it was is not
    // rewritten.
    void update(int index, const Contact& contact);
    void remove(int index);
    bool isModified() const;

    // Groups are the contacts' categories (Contact::groups), written as
    // such; the group cards other address books write are renamed, removed
    // or lose a member along with them. Group names compare without regard
    // to case, as the picker lists them. Contacts that cannot be read are
    // left as they are. No change removes a contact.

    // Adds the contact to group `name` unless it is a member.
    void addToGroup(int index, const QString& name);
    // Takes the contact out of group `name`.
    void removeFromGroup(int index, const QString& name);
    // Group `from` becomes `to` for every member and group card; a member
    // of both is in `to` once.
    void renameGroup(const QString& from, const QString& to);
    // No contact is in group `name` any more; its group cards are removed.
    void removeGroup(const QString& name);
    // The contacts of group `name`, in book order.
    QList<int> membersOf(const QString& name) const;

    // False on failure (the file then stays as it was and the changes stay
    // here, to be saved again), with the reason. After a save the book reads
    // the file anew, other programs' changes included, so indexes may move.
    bool save();

    QString errorString() const;

    // For imports (contact_import.h).

    // The bytes of the vCard file at `path`, to import; or why not, in
    // words for the user: not a regular file, larger than any address book
    // (256 MiB), not vCard text.
    static Expected<QByteArray> readVCardFile(const QString& path);
    struct ImportCount {
        int added = 0;
        int skipped = 0;    // already in the book
        int undecoded = 0;  // added, in a character set this system cannot read
    };
    // Adds the cards of another vCard file (2.1, 3.0 or 4.0, as any address
    // book exports them), written as vCard 3.0. A contact whose UID, or whose
    // display name (else family and given name) and mobile number, the book
    // already holds is skipped and counted; a group card comes along unless
    // its UID is already there. save() checks again against the file.
    // `progress`, when given, is told now and then how many bytes of the
    // text are done; when it returns false the import stops there, and the
    // book, holding part of it, is not to be saved.
    ImportCount importCards(QByteArrayView vcardText,
                            const std::function<bool(qsizetype done)>& progress = {});
    // After save(): how many imported contacts the save left out because the
    // file held them by then (the same cards imported by another program
    // meanwhile).
    int importsFoundOnSave() const;
    // Writes the book with this instance's changes to `path`, atomically, but
    // never over an existing file that is not a vCard file. False on failure,
    // with the reason.
    bool exportTo(const QString& path);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace pelicast
