// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace pelicast {

// Asks for vCard files, then importContactFiles().
bool importContacts(QWidget* parent);
// Imports the vCard files at `paths` into the user's address book as
// "pelicast-contacts import" does (importVCardFiles()), on a thread of its
// own: a progress bar with Stop shows when it takes a while, and the windows
// are drawn meanwhile. Then tells the counts, or why nothing was imported.
// True when the book changed.
bool importContactFiles(QWidget* parent, const QStringList& paths);

}  // namespace pelicast
