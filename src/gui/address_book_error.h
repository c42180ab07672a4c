// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace pelicast {

// Tells the user, in a box titled "Address Book", that the book could not be
// read or saved, and why.
enum class AddressBookStep { Read, Save };
void reportAddressBookError(QWidget* parent, AddressBookStep step, const QString& reason);

}  // namespace pelicast
