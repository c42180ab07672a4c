// SPDX-License-Identifier: GPL-3.0-or-later
// AddressBook's groups: categories of contacts, and group cards.
#include <algorithm>

#include "core/book/address_book.h"
#include "core/book/address_book_private.h"

namespace pelicast {

using book_detail::CardEdit;
using vcard::CardInfo;
using vcard::ContentLine;
using vcard::EditedCard;
using vcard::Field;

namespace {

bool sameGroup(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasGroup(const QStringList& groups, const QString& name) {
    return std::any_of(groups.cbegin(), groups.cend(),
                       [&name](const QString& group) { return sameGroup(group, name); });
}

}  // namespace

void AddressBook::Private::editGroupCards(
    const QString& name,
    const std::function<CardEdit(QList<ContentLine>&, const CardInfo&)>& edit) {
    const auto named = [&name](const CardInfo& info) {
        QString cardName = info.fields.get(Field::FormattedName);
        if (cardName.isEmpty())
            cardName = info.fields.get(Field::FamilyName);
        return info.isGroup && sameGroup(cardName, name);
    };
    for (int card = 0; card < base->cardCount(); ++card) {
        if (!base->isGroup(card) || edits.deleted.contains(card))
            continue;
        const CardInfo info = infoOf(card);
        if (!named(info))
            continue;
        EditedCard edited;
        if (const EditedCard* before = editedOf(card)) {
            edited = *before;
            edited.expand();
        } else {
            edited.properties = propertiesOf(card);
        }
        const CardEdit result = edit(edited.properties, info);
        if (result == CardEdit::Removed) {
            edits.changed.remove(card);
            edits.deleted.insert(card);
        } else if (result == CardEdit::Changed) {
            edited.info = vcard::readCardInfo(edited.properties);
            edits.changed.insert(card, edited);
        }
        modified = modified || result != CardEdit::Unchanged;
    }
    for (EditedCard& created : edits.created) {
        if (created.removed || !named(created.info))
            continue;
        EditedCard edited = created;
        edited.expand();
        const CardEdit result = edit(edited.properties, created.info);
        if (result == CardEdit::Removed) {
            created.removed = true;
        } else if (result == CardEdit::Changed) {
            edited.info = vcard::readCardInfo(edited.properties);
            created = std::move(edited);
        }
        modified = modified || result != CardEdit::Unchanged;
    }
}

// Whether the contact's groups are its categories: else they are the group
// cards that list it, which are changed instead.
bool AddressBook::Private::hasCategories(int index) const {
    return !fieldOf(cardOf(index), Field::Categories).isEmpty();
}

void AddressBook::addToGroup(int index, const QString& name) {
    if (!isReadable(index))
        return;
    Contact changed = contact(index);
    if (hasGroup(changed.groups, name))
        return;
    changed.groups.append(name);
    update(index, changed);
}

void AddressBook::removeFromGroup(int index, const QString& name) {
    if (!isReadable(index))
        return;
    if (d->hasCategories(index)) {
        Contact changed = contact(index);
        changed.groups.removeIf([&name](const QString& group) { return sameGroup(group, name); });
        update(index, changed);
    }
    // Else the group cards would name it a member again once it has no
    // categories left.
    const QString uid = vcard::normalizedUid(d->fieldOf(d->cardOf(index), Field::Uid));
    if (!uid.isEmpty())
        d->editGroupCards(name, [&uid](QList<ContentLine>& properties, const CardInfo&) {
            return vcard::removeMember(properties, uid) ? CardEdit::Changed : CardEdit::Unchanged;
        });
}

void AddressBook::renameGroup(const QString& from, const QString& to) {
    for (int i = 0; i < count(); ++i) {
        if (!isReadable(i) || !d->hasCategories(i) || !hasGroup(groupsOf(i), from))
            continue;
        Contact changed = contact(i);
        QStringList groups;
        for (const QString& group : std::as_const(changed.groups)) {
            const QString name = sameGroup(group, from) ? to : group;
            if (!sameGroup(name, to) || !hasGroup(groups, to))
                groups.append(name);
        }
        changed.groups = groups;
        update(i, changed);
    }
    d->editGroupCards(from, [&](QList<ContentLine>& properties, const CardInfo& info) {
        vcard::setField(properties, Field::FormattedName, to);
        if (sameGroup(info.fields.get(Field::FamilyName), from))
            vcard::setField(properties, Field::FamilyName, to);
        return CardEdit::Changed;
    });
}

void AddressBook::removeGroup(const QString& name) {
    for (int i = 0; i < count(); ++i) {
        if (!isReadable(i) || !d->hasCategories(i) || !hasGroup(groupsOf(i), name))
            continue;
        Contact changed = contact(i);
        changed.groups.removeIf([&name](const QString& group) { return sameGroup(group, name); });
        update(i, changed);
    }
    d->editGroupCards(name, [](QList<ContentLine>&, const CardInfo&) { return CardEdit::Removed; });
}

QList<int> AddressBook::membersOf(const QString& name) const {
    QList<int> members;
    for (int i = 0; i < count(); ++i) {
        if (isReadable(i) && hasGroup(groupsOf(i), name))
            members.append(i);
    }
    return members;
}

}  // namespace pelicast
