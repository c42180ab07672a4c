// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/address_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <utility>

#include "common/bounded_read.h"
#include "core/book/address_book_private.h"
#include "vcard/book.h"
#include "vcard/card.h"
#include "vcard/store.h"

namespace pelicast {

using namespace Qt::StringLiterals;
using vcard::CardInfo;
using vcard::EditedCard;
using vcard::Field;

namespace {

// This file's texts, under one context for the translators.
struct AddressBookText {
    Q_DECLARE_TR_FUNCTIONS(AddressBook)
};

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString messageOf(const vcard::FileError& error) {
    switch (error.kind) {
        case vcard::FileError::CreateFailed:
            return AddressBookText::tr("Cannot create the address book \"%1\": %2")
                .arg(shown(error.path), error.reason);
        case vcard::FileError::IsFolder:
            return AddressBookText::tr("\"%1\" is a folder, not an address book.")
                .arg(shown(error.path));
        case vcard::FileError::ReadFailed:
            return AddressBookText::tr("Cannot read the address book \"%1\": %2")
                .arg(shown(error.path), error.reason);
        case vcard::FileError::NotVCard:
            return AddressBookText::tr(
                       "\"%1\" is not a vCard file; the address book was left as it is.")
                .arg(shown(error.path));
        case vcard::FileError::WriteFailed:
            return AddressBookText::tr("Cannot write \"%1\": %2")
                .arg(shown(error.path), error.reason);
        case vcard::FileError::Locked:
            return AddressBookText::tr(
                       "The address book \"%1\" is in use; the changes were not saved.")
                .arg(shown(error.path));
        case vcard::FileError::LockFailed:
            return AddressBookText::tr(
                       "Cannot lock the address book \"%1\": %2; the changes were not saved.")
                .arg(shown(error.path), error.reason);
        case vcard::FileError::None:
            break;
    }
    return QString();
}

// Writes into `card` every field of `contact` that differs from what the card
// holds now, in the order the contact editor has always written them.
bool applyContact(QList<vcard::ContentLine>& properties, const CardInfo& info,
                  const QStringList& groups, const Contact& contact) {
    const std::pair<Field, const QString*> fields[] = {
        {Field::GivenName, &contact.firstName},       {Field::FamilyName, &contact.surname},
        {Field::CellPhone, &contact.mobile},          {Field::HomeEmail, &contact.email},
        {Field::FormattedName, &contact.displayName},
    };
    bool changed = false;
    for (const auto& [field, value] : fields) {
        if (info.fields.get(field) != *value) {
            vcard::setField(properties, field, *value);
            changed = true;
        }
    }
    if (groups != contact.groups) {
        vcard::setField(properties, Field::Categories, contact.groups.join(book_detail::kCrLf));
        changed = true;
    }
    return changed;
}

}  // namespace

AddressBook::AddressBook(QString path) : d(std::make_unique<Private>()) {
    d->userBook = path.isEmpty();
    d->path = d->userBook ? defaultPath() : std::move(path);
}

AddressBook::~AddressBook() = default;

QString AddressBook::defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return folder.isEmpty() ? QString() : folder + u"/Pelicast/contacts.vcf"_s;
}

const QString& AddressBook::path() const {
    return d->path;
}

bool AddressBook::load() {
    d->error.clear();
    if (d->path.isEmpty()) {
        d->error = AddressBookText::tr("There is no folder for the user's address book.");
        return false;
    }
    vcard::FileError error;
    // The user's own book is made at its first use, readable by the user only.
    if (d->userBook && !vcard::ensureFileExists(d->path, &error)) {
        d->error = messageOf(error);
        return false;
    }
    vcard::FileStamp stamp;
    std::shared_ptr<const vcard::Book> book = vcard::loadBook(d->path, stamp, &error);
    if (!book) {
        d->error = messageOf(error);
        return false;
    }
    d->reset(std::move(book));
    return true;
}

int AddressBook::count() const {
    return d->ordered ? int(d->order.size()) : int(d->base->contacts().size());
}

Contact AddressBook::contact(int index) const {
    if (index < 0 || index >= count())
        return {};
    const int card = d->cardOf(index);
    return {d->fieldOf(card, Field::GivenName),     d->fieldOf(card, Field::FamilyName),
            d->fieldOf(card, Field::FormattedName), d->fieldOf(card, Field::CellPhone),
            d->fieldOf(card, Field::HomeEmail),     d->groupsOf(card)};
}

QStringList AddressBook::groupsOf(int index) const {
    if (index < 0 || index >= count())
        return {};
    return d->groupsOf(d->cardOf(index));
}

bool AddressBook::isReadable(int index) const {
    if (index < 0 || index >= count())
        return false;
    const int card = d->cardOf(index);
    const EditedCard* edited = d->editedOf(card);
    return edited ? edited->info.decoded : d->base->isDecoded(card);
}

int AddressBook::add(const Contact& contact) {
    EditedCard card{
        vcard::newCardProperties(vcard::newUid(), contact.displayName, contact.email), {}, false};
    card.info = vcard::readCardInfo(card.properties);
    if (applyContact(card.properties, card.info, {}, contact))
        card.info = vcard::readCardInfo(card.properties);
    return d->addCreated(std::move(card));
}

void AddressBook::update(int index, const Contact& contact) {
    if (index < 0 || index >= count())
        return;
    const int card = d->cardOf(index);
    // Worked on a copy, so that a card with nothing to change is not rewritten.
    EditedCard edited;
    if (const EditedCard* before = d->editedOf(card)) {
        edited = *before;
        edited.expand();
    } else {
        edited.properties = d->propertiesOf(card);
        edited.info =
            d->base->hasSource() ? d->base->info(card) : vcard::readCardInfo(edited.properties);
    }
    if (!applyContact(edited.properties, edited.info, d->groupsOf(card), contact))
        return;
    edited.info = vcard::readCardInfo(edited.properties);
    if (card < 0)
        d->edits.created[~card] = std::move(edited);
    else
        d->edits.changed[card] = std::move(edited);
    d->modified = true;
}

void AddressBook::remove(int index) {
    if (index < 0 || index >= count())
        return;
    d->materializeOrder();
    const int card = d->order.takeAt(index);
    if (card < 0) {
        d->edits.created[~card].removed = true;
    } else {
        d->edits.changed.remove(card);
        d->edits.deleted.insert(card);
    }
    d->modified = true;
}

bool AddressBook::isModified() const {
    return d->modified;
}

bool AddressBook::save() {
    d->error.clear();
    d->importsFoundOnSave = 0;
    if (!d->modified)
        return true;
    vcard::FileError error;
    if (!vcard::saveBook(d->path, *d->base, d->edits, &error, &d->importsFoundOnSave)) {
        d->error = messageOf(error);
        return false;
    }
    // Read back what is on disk now, other programs' changes included. The
    // changes are saved even if that fails; the book then reads as empty.
    const QString path = d->path;
    vcard::FileStamp stamp;
    std::shared_ptr<const vcard::Book> book = vcard::loadBook(path, stamp, &error);
    if (!book) {
        d->reset(std::make_shared<const vcard::Book>(QByteArray()));
        d->error = messageOf(error);
        return true;
    }
    d->reset(std::move(book));
    return true;
}

int AddressBook::importsFoundOnSave() const {
    return d->importsFoundOnSave;
}

QString AddressBook::errorString() const {
    return d->error;
}

Expected<QByteArray> AddressBook::readVCardFile(const QString& path) {
    Expected<QByteArray> data = readRegularFile(path, vcard::kMaxBookSize);
    if (!data)
        return Unexpected{
            AddressBookText::tr("Cannot read \"%1\": %2.").arg(shown(path), data.error())};
    if (!vcard::isVCardText(*data))
        return Unexpected{AddressBookText::tr("\"%1\" is not a vCard file.").arg(shown(path))};
    return data;
}

AddressBook::ImportCount AddressBook::importCards(
    QByteArrayView vcardText, const std::function<bool(qsizetype done)>& progress) {
    vcard::KnownCards known;
    for (int i = 0; i < d->base->cardCount(); ++i) {
        if (!d->edits.deleted.contains(i))
            known.add(d->infoOf(i));
    }
    for (const EditedCard& created : std::as_const(d->edits.created)) {
        if (!created.removed)
            known.add(created.info);
    }
    ImportCount result;
    int cards = 0;
    for (const vcard::Segment& segment : vcard::splitCards(vcardText)) {
        if (!segment.isCard)
            continue;
        // Often enough for a progress bar, seldom enough to cost nothing.
        if (progress && ++cards % 512 == 0 && !progress(segment.begin))
            break;
        const QByteArrayView bytes = vcardText.sliced(segment.begin, segment.end - segment.begin);
        const CardInfo info = vcard::readCardInfo(bytes);
        if (known.contains(info)) {
            if (!info.isGroup)
                ++result.skipped;
            continue;
        }
        EditedCard card{vcard::readProperties(bytes), {}, false, true};
        if (info.fields.get(Field::Uid).isEmpty())
            vcard::setField(card.properties, Field::Uid, vcard::newUid());
        card.info = vcard::readCardInfo(card.properties);
        card.compact();
        known.add(card.info);
        d->addCreated(std::move(card));
        if (!info.isGroup) {
            ++result.added;
            result.undecoded += info.decoded ? 0 : 1;
        }
    }
    return result;
}

bool AddressBook::exportTo(const QString& path) {
    d->error.clear();
    if (QFileInfo::exists(path)) {
        const Expected<QByteArray> existing = readRegularFile(path, vcard::kMaxBookSize);
        if (!existing) {
            d->error = AddressBookText::tr("Cannot export to \"%1\": %2.")
                           .arg(shown(path), existing.error());
            return false;
        }
        if (!vcard::isVCardText(*existing)) {
            d->error = u"\"%1\" exists and is not a vCard file; not overwritten."_s.arg(path);
            return false;
        }
    }
    vcard::FileError error;
    // Onto the book as read; should the file have been rewritten in place
    // since, onto the file as it is now.
    std::shared_ptr<const vcard::Book> disk = d->base;
    vcard::FileStamp stamp;
    if (!disk->hasSource())
        disk = vcard::loadBook(d->path, stamp, &error);
    if (!disk || !disk->hasSource()) {
        d->error = error.kind == vcard::FileError::None
                       ? AddressBookText::tr("The address book \"%1\" changed while it was read.")
                             .arg(shown(d->path))
                       : messageOf(error);
        return false;
    }
    if (!vcard::writeFileAtomically(path, vcard::merge(*d->base, d->edits, *disk), &error)) {
        d->error = messageOf(error);
        return false;
    }
    return true;
}

}  // namespace pelicast
