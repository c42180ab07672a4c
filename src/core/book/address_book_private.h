// SPDX-License-Identifier: GPL-3.0-or-later
// The inside of AddressBook, shared by the files that implement it.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/book/address_book.h"
#include "vcard/book.h"
#include "vcard/card.h"
#include "vcard/store.h"

namespace pelicast {

namespace book_detail {

inline const QString kCrLf = QStringLiteral("\r\n");

// A contact's group names: the categories when it has any, else the names of
// the group cards that list it. A text with CR LF is split at every CR LF.
inline QStringList groupNames(const QString& categories, const QString& groupCardNames) {
    const QString& text = categories.isEmpty() ? groupCardNames : categories;
    if (text.isEmpty())
        return {};
    if (!text.contains(kCrLf))
        return {text};
    return text.split(kCrLf);
}

// What an edit did to a group card.
enum class CardEdit { Unchanged, Changed, Removed };

}  // namespace book_detail

struct AddressBook::Private {
    using CardInfo = vcard::CardInfo;
    using EditedCard = vcard::EditedCard;
    using Field = vcard::Field;

    QString path;
    bool userBook = false;
    std::shared_ptr<const vcard::Book> base = std::make_shared<const vcard::Book>(QByteArray());
    vcard::Edits edits;
    // Contact positions: a card index of `base`, or ~n for created card n.
    // Left empty (reading the book's own order) until a contact is added or
    // removed, so that a large book is walked without copying its order.
    QList<int> order;
    bool ordered = false;
    bool modified = false;
    int importsFoundOnSave = 0;
    QString error;
    // Group lists by categories text: a large book has few distinct ones, and
    // the picker asks for every contact's.
    mutable QHash<QByteArray, QStringList> groupLists;

    int cardOf(int index) const { return ordered ? order[index] : base->contacts()[index]; }
    const EditedCard* editedOf(int card) const {
        if (card < 0)
            return &edits.created[~card];
        const auto changed = edits.changed.constFind(card);
        return changed == edits.changed.constEnd() ? nullptr : &changed.value();
    }
    CardInfo infoOf(int card) const {
        const EditedCard* edited = editedOf(card);
        return edited ? edited->info : base->info(card);
    }
    QString fieldOf(int card, Field field) const {
        const EditedCard* edited = editedOf(card);
        return edited ? edited->info.fields.get(field) : base->field(card, field);
    }
    QStringList groupsOf(int card) const {
        const EditedCard* edited = editedOf(card);
        if (!edited) {
            const QByteArrayView categories = base->utf8(card, Field::Categories);
            if (categories.isEmpty())
                return book_detail::groupNames(QString(), base->groupCardNames(card));
            const QByteArray key = QByteArray::fromRawData(categories.data(), categories.size());
            auto list = groupLists.constFind(key);
            if (list == groupLists.constEnd())
                list = groupLists.insert(
                    categories.toByteArray(),
                    book_detail::groupNames(QString::fromUtf8(categories), QString()));
            return list.value();
        }
        const QString categories = edited->info.fields.get(Field::Categories);
        if (!categories.isEmpty())
            return book_detail::groupNames(categories, QString());
        return book_detail::groupNames(
            QString(), base->groupCardNamesOfUid(edited->info.fields.get(Field::Uid)));
    }
    // The properties of base card `card`. Should another program have
    // rewritten the file in place since it was read, they are taken from the
    // file as it is now, else made from the fields read.
    QList<vcard::ContentLine> propertiesOf(int card) const {
        if (base->hasSource())
            return vcard::readProperties(base->rawCard(card));
        const QString uid = vcard::normalizedUid(base->field(card, Field::Uid));
        vcard::FileStamp stamp;
        const std::shared_ptr<const vcard::Book> now = vcard::loadBook(path, stamp, nullptr);
        for (int i = 0; now && now->hasSource() && !uid.isEmpty() && i < now->cardCount(); ++i) {
            if (vcard::normalizedUid(now->field(i, Field::Uid)) == uid)
                return vcard::readProperties(now->rawCard(i));
        }
        QList<vcard::ContentLine> properties;
        for (const Field field :
             {Field::FormattedName, Field::FamilyName, Field::GivenName, Field::CellPhone,
              Field::HomeEmail, Field::Uid, Field::Categories})
            vcard::setField(properties, field, base->field(card, field));
        return properties;
    }
    // Calls `edit` on the properties of each group card named `name` (its
    // formatted name, else its family name, without regard to case), and
    // keeps what it did (address_book_groups.cpp).
    void editGroupCards(const QString& name,
                        const std::function<book_detail::CardEdit(QList<vcard::ContentLine>&,
                                                                  const CardInfo&)>& edit);
    bool hasCategories(int index) const;
    void materializeOrder() {
        if (ordered)
            return;
        order = base->contacts();
        ordered = true;
    }
    int addCreated(EditedCard card) {
        materializeOrder();
        const bool isContact = !card.info.isGroup;
        edits.created.append(std::move(card));
        if (isContact)
            order.append(~int(edits.created.size() - 1));
        modified = true;
        return int(order.size()) - 1;
    }
    void reset(std::shared_ptr<const vcard::Book> book) {
        base = std::move(book);
        edits = {};
        order.clear();
        ordered = false;
        modified = false;
        groupLists.clear();
    }
};

}  // namespace pelicast
