#pragma once

#include <QString>
#include <QStringList>

namespace pelicast {

// "Surname, Firstname (CellPhone)": how the picker shows and finds a contact.
QString ContactLabel(const QString& surname, const QString& firstname, const QString& cellPhone);

// "Name (group)": how the picker shows a group.
QString GroupLabel(const QString& name);

// Whether a list entry stands for a group (ends in " (group)", case counts).
bool IsGroupLabel(const QString& text);

// A contact's group names: "Groups1" when it holds text, else "Groups2"; a
// text with CR LF is split at every CR LF (empty pieces kept).
QStringList GroupNames(const QString& groups1, const QString& groups2);

}  // namespace pelicast
