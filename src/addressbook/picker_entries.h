#pragma once

#include <QString>
#include <QStringList>

namespace pelicast {

namespace platform {
class AddressBookComponent;
}

// What the picker lists and collects, read from an opened address book.
// Every function walks the whole book; failures propagate as ComponentError.

// The ContactLabel of every record with a mobile number, in record order.
QStringList ContactEntries(platform::AddressBookComponent& book);

// One GroupLabel per group name, in the spelling met first; names that differ
// only in case are one group.
QStringList GroupEntries(platform::AddressBookComponent& book);

// The recipients text for a group entry: "ContactLabel;" for every member
// with a mobile number, once for each of its group names that matches the
// entry exactly, in record order.
QString GroupMembersText(platform::AddressBookComponent& book, const QString& groupEntry);

}  // namespace pelicast
