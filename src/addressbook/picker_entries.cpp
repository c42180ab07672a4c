#include "addressbook/picker_entries.h"

#include <QSet>

#include "addressbook/address_book_access.h"
#include "addressbook/contact_labels.h"
#include "platform/text.h"

namespace pelicast {

namespace {

// "Groups1", or "Groups2" when that is empty: the other is not read.
QString currentGroupText(platform::AddressBookComponent& book) {
    const QString groups1 = book.GetValue(platform::fields::Groups1);
    return groups1.isEmpty() ? book.GetValue(platform::fields::Groups2) : groups1;
}
}  // namespace

QStringList ContactEntries(platform::AddressBookComponent& book) {
    QStringList entries;
    forEachRecord(book, [&](int) {
        const QString cellPhone = book.GetValue(platform::fields::CellPhone);
        if (!cellPhone.isEmpty())
            entries.append(currentContactLabel(book, cellPhone));
        return true;
    });
    return entries;
}

QStringList GroupEntries(platform::AddressBookComponent& book) {
    QStringList entries;
    // Every name listed so far, each wrapped in ";". A name is new while
    // ";name;" does not occur in it; that also rules out an empty name once
    // two names stand side by side.
    QString seenGroups;
    // Probes already found there: the text only grows, so they stay found.
    QSet<QString> seenProbes;
    forEachRecord(book, [&](int) {
        for (const QString& name : GroupNames(currentGroupText(book), {})) {
            const QString probe = QLatin1Char(';') + name + QLatin1Char(';');
            if (seenProbes.contains(probe))
                continue;
            seenProbes.insert(probe);
            if (sCount(seenGroups, probe) != QLatin1String("0"))
                continue;
            entries.append(GroupLabel(name));
            seenGroups += probe;
        }
        return true;
    });
    return entries;
}

QString GroupMembersText(platform::AddressBookComponent& book, const QString& groupEntry) {
    const QString group = GroupName(groupEntry);
    QString text;
    forEachRecord(book, [&](int) {
        const qsizetype memberships = CountGroupName(currentGroupText(book), group);
        if (memberships == 0)
            return true;
        const QString cellPhone = book.GetValue(platform::fields::CellPhone);
        if (cellPhone.isEmpty())
            return true;
        const QString element = currentContactLabel(book, cellPhone) + QLatin1Char(';');
        for (qsizetype i = 0; i < memberships; ++i)
            text += element;
        return true;
    });
    return text;
}

}  // namespace pelicast
