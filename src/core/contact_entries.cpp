// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/contact_entries.h"

#include <QSet>
#include <algorithm>

#include "core/address_book.h"
#include "core/gateway_protocol.h"

namespace pelicast {

using namespace Qt::StringLiterals;

namespace {

const QString kGroupSuffix = u" (group)"_s;

char32_t folded(char16_t c) {
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char32_t(c + (u'a' - u'A')) : char32_t(c);
    return QChar::toCaseFolded(char32_t(c));
}

// Compares letter by letter with case folded, without building folded copies:
// a large book's list sorts several times faster so.
bool lessIgnoringCase(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const char32_t fx = folded(x);
        const char32_t fy = folded(y);
        if (fx != fy)
            return fx < fy;
    }
    return a.size() < b.size();
}

}  // namespace

QString contactLabel(const Contact& contact) {
    return contact.surname + u", "_s + contact.firstName + u" ("_s + contact.mobile + u')';
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

QStringList contactLabels(const AddressBook& book) {
    QStringList labels;
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i))
            continue;
        const Contact contact = book.contact(i);
        if (!contact.mobile.isEmpty())
            labels.append(contactLabel(contact));
    }
    return labels;
}

QStringList groupLabels(const AddressBook& book) {
    QStringList labels;
    // Every name listed so far, each wrapped in ";". A name is new while
    // ";name;" does not occur in it, letter case ignored; that also rules out
    // an empty name once two names stand side by side.
    QString seenGroups;
    // Probes already looked for: the text only grows, so the answer stays.
    QSet<QString> seenProbes;
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i))
            continue;
        for (const QString& name : book.contact(i).groups) {
            const QString probe = u';' + name + u';';
            if (seenProbes.contains(probe))
                continue;
            seenProbes.insert(probe);
            if (seenGroups.contains(probe, Qt::CaseInsensitive))
                continue;
            labels.append(groupLabel(name));
            seenGroups += probe;
        }
    }
    return labels;
}

GroupMembers groupMembers(const AddressBook& book, const QString& label) {
    GroupMembers members;
    if (!isGroupLabel(label))
        return members;
    const QString group = groupNameOfLabel(label);
    for (int i = 0; i < book.count(); ++i) {
        if (!book.isReadable(i)) {
            ++members.skipped;
            continue;
        }
        const Contact contact = book.contact(i);
        // Names compare exactly here, unlike in the list of groups.
        const qsizetype memberships = contact.groups.count(group);
        if (memberships == 0 || contact.mobile.isEmpty())
            continue;
        const QString element = contactLabel(contact) + u';';
        for (qsizetype k = 0; k < memberships; ++k)
            members.recipients += element;
    }
    return members;
}

void sortIgnoringCase(QStringList& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QString& a, const QString& b) { return lessIgnoringCase(a, b); });
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
