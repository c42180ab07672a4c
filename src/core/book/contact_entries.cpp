// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/contact_entries.h"

#include <QHash>
#include <QSet>
#include <QStringBuilder>
#include <algorithm>
#include <memory>
#include <vector>

#include "core/book/address_book.h"
#include "core/gateway/gateway_protocol.h"
#include "core/message/recipient_check.h"

namespace pelicast {

using namespace Qt::StringLiterals;

namespace {

const QString kGroupSuffix = u" (group)"_s;

char16_t folded(char16_t c) {
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    const char32_t f = QChar::toCaseFolded(char32_t(c));
    return f <= 0xffff ? char16_t(f) : c;
}

// The entries' indexes in sorted order. Each entry is folded once, into one
// block of keys, rather than at every comparison; a byte a letter where that
// fits, as memory first touched costs more than the folding.
template <typename Unit>
std::vector<quint32> orderIgnoringCase(const QStringList& entries, qsizetype total) {
    const std::unique_ptr<Unit[]> keys(new Unit[size_t(total)]);
    struct Key {
        quint32 begin;
        quint32 size;
    };
    std::vector<Key> ranges;
    ranges.reserve(size_t(entries.size()));
    quint32 at = 0;
    for (const QString& entry : entries) {
        ranges.push_back({at, quint32(entry.size())});
        for (const QChar c : entry)
            keys[at++] = Unit(folded(c.unicode()));
    }
    std::vector<quint32> order(ranges.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = quint32(i);
    // Stable: entries equal but for case keep their order.
    std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const Unit* x = keys.get() + ranges[a].begin;
        const Unit* y = keys.get() + ranges[b].begin;
        return std::lexicographical_compare(x, x + ranges[a].size, y, y + ranges[b].size);
    });
    return order;
}

}  // namespace

QString contactLabel(const Contact& contact) {
    if (contact.surname.isEmpty() && contact.firstName.isEmpty() && !contact.displayName.isEmpty())
        return contact.displayName % " ("_L1 % contact.mobile % u')';
    return contact.surname % ", "_L1 % contact.firstName % " ("_L1 % contact.mobile % u')';
}

QString groupLabel(const QString& name) {
    return name + kGroupSuffix;
}

bool isGroupLabel(const QString& text) {
    return text.endsWith(kGroupSuffix);
}

QString groupNameOfLabel(const QString& label) {
    return isGroupLabel(label) ? label.chopped(kGroupSuffix.size()) : QString();
}

ContactEntries contactEntries(const AddressBook& book) {
    ContactEntries entries;
    entries.labels.reserve(book.count());
    entries.indexes.reserve(book.count());
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i))
            continue;
        const Contact contact = book.contact(i);
        if (contact.mobile.isEmpty())
            continue;
        entries.labels.append(contactLabel(contact));
        entries.indexes.append(i);
    }
    return entries;
}

QStringList contactLabels(const AddressBook& book) {
    return contactEntries(book).labels;
}

QStringList groupLabels(const AddressBook& book) {
    QStringList labels;
    QSet<QString> met;     // every spelling met, to fold each only once
    QSet<QString> listed;  // the listed names, case folded
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i))
            continue;
        for (const QString& name : book.groupsOf(i)) {
            if (met.contains(name))
                continue;
            met.insert(name);
            // An empty name has never been listed once two names were.
            if (name.isEmpty() && labels.size() >= 2)
                continue;
            const QString key = name.toCaseFolded();
            if (listed.contains(key))
                continue;
            listed.insert(key);
            labels.append(groupLabel(name));
        }
    }
    return labels;
}

MembersOfGroups membersOfGroups(const AddressBook& book, const QStringList& labels) {
    MembersOfGroups members;
    members.recipients = QStringList(labels.size());
    // Names compare exactly here, unlike in the list of groups.
    QHash<QString, QList<qsizetype>> slotsOf;
    for (qsizetype k = 0; k < labels.size(); ++k) {
        if (isGroupLabel(labels.at(k)))
            slotsOf[groupNameOfLabel(labels.at(k))].append(k);
    }
    if (slotsOf.isEmpty())
        return members;
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i)) {
            ++members.skipped;
            continue;
        }
        QString element;  // the contact is decoded only when it is a member
        for (const QString& name : book.groupsOf(i)) {
            const auto found = slotsOf.constFind(name);
            if (found == slotsOf.cend())
                continue;
            if (element.isNull()) {
                const Contact contact = book.contact(i);
                if (contact.mobile.isEmpty())
                    break;
                element = contactLabel(contact) + u';';
            }
            for (const qsizetype k : *found)
                members.recipients[k] += element;
        }
    }
    return members;
}

int ContactFinder::find(const QString& element) const {
    return find(element, keys_.of(element));
}

int ContactFinder::find(const QString& element, const QString& key) const {
    const auto index = [this](QHash<QString, int>& map, bool& read, auto keyOf) {
        for (int i = 0; !read && i < book_.count(); ++i) {
            const Contact contact = book_.isReadable(i) ? book_.contact(i) : Contact();
            if (contact.mobile.isEmpty())
                continue;
            if (const QString key = keyOf(contact); !map.contains(key))
                map.insert(key, i);
        }
        read = true;
    };
    index(byLabel_, labelsRead_, [](const Contact& contact) { return contactLabel(contact); });
    if (const int i = byLabel_.value(element, -1); i >= 0)
        return i;
    if (key.isEmpty())
        return -1;
    index(byNumber_, numbersRead_,
          [this](const Contact& contact) { return keys_.of(contact.mobile); });
    return byNumber_.value(key, -1);
}

NamedContacts contactsNamedIn(const QString& recipients, const AddressBook& book,
                              const QString& region) {
    const NumberKeys keys(region);
    const ContactFinder finder(book, keys);
    NamedContacts named;
    QSet<int> seen;
    const auto add = [&](int index) {
        if (!seen.contains(index)) {
            seen.insert(index);
            named.indexes.append(index);
        }
    };
    for (QStringView piece : QStringView(recipients).split(u';')) {
        const QString element = piece.trimmed().toString();
        if (element.isEmpty())
            continue;
        const QList<int> members = isGroupLabel(element) ? book.membersOf(groupNameOfLabel(element))
                                                         : QList<int>{finder.find(element)};
        if (members.isEmpty() || members.first() < 0)
            named.unknown.append(element);
        else
            std::for_each(members.cbegin(), members.cend(), add);
    }
    return named;
}

void sortIgnoringCase(QStringList& entries) {
    QList<int> none(entries.size());
    sortIgnoringCase(entries, none);
}

void sortIgnoringCase(QStringList& entries, QList<int>& alongside) {
    qsizetype total = 0;
    bool narrow = true;  // every folded letter fits a byte, as in most books
    for (const QString& entry : std::as_const(entries)) {
        total += entry.size();
        for (const QChar c : entry)
            narrow = narrow && c.unicode() < 0x100 && c.unicode() != 0xb5;  // µ folds to μ
    }
    const std::vector<quint32> order = narrow ? orderIgnoringCase<uchar>(entries, total)
                                              : orderIgnoringCase<char16_t>(entries, total);
    QStringList sorted;
    sorted.reserve(entries.size());
    QList<int> moved;
    moved.reserve(alongside.size());
    for (const quint32 i : order) {
        sorted.append(std::move(entries[i]));
        moved.append(alongside.at(i));
    }
    entries = std::move(sorted);
    alongside = std::move(moved);
}

ContactList contactList(const AddressBook& book) {
    const QString lineBreak = QLatin1String(protocol::kLineBreak);
    ContactList list;
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i))
            continue;
        const Contact contact = book.contact(i);
        if (contact.mobile.isEmpty())
            continue;
        list.numbers += lineBreak + QString(contact.mobile).remove(u' ');
        list.emails += lineBreak + contact.email;
        list.names +=
            lineBreak + (contact.displayName.isEmpty() ? contact.mobile : contact.displayName);
    }
    return list;
}

FormFields contactUploadFields(const QString& user, const QString& password,
                               const ContactList& list, const QString& groups, bool replaceGroups) {
    using namespace protocol;
    FormFields fields{
        {QLatin1String(kUser), trimBlanks(user)},
        {QLatin1String(kPass), trimBlanks(password)},
        {QLatin1String(kNewName), trimBlanks(list.names)},
        {QLatin1String(kNewNum), trimBlanks(list.numbers)},
        {QLatin1String(kNewEmails), trimBlanks(list.emails)},
        {QLatin1String(kNewGroups),
         trimBlanks(groups).replace(u';', QLatin1String(kListSeparator))},
    };
    if (replaceGroups)
        fields.append({QLatin1String(kDelOld), QLatin1String(kDelOldValue)});
    return fields;
}

}  // namespace pelicast
