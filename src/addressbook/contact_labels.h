#pragma once

#include <QString>
#include <QStringList>

namespace pelicast {

// "Surname, Firstname (CellPhone)": how the picker shows and finds a contact.
QString ContactLabel(const QString& surname, const QString& firstname, const QString& cellPhone);

// "Name (group)": how the picker shows a group.
QString GroupLabel(const QString& name);

// How many of a group text's names (split as GroupNames splits them) equal
// `name` exactly.
qsizetype CountGroupName(const QString& groupText, const QString& name);

// The group name of a GroupLabel.
QString GroupName(const QString& groupLabel);

// Whether a list entry stands for a group (ends in " (group)", case counts).
bool IsGroupLabel(const QString& text);

// A contact's group names: "Groups1" when it holds text, else "Groups2"; a
// text with CR LF is split at every CR LF (empty pieces kept).
QStringList GroupNames(const QString& groups1, const QString& groups2);

// Sorts list entries ascending without regard to case; entries equal but for
// case keep the order they came in.
void SortIgnoringCase(QStringList& entries);

}  // namespace pelicast
