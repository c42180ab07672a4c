// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/address_book_error.h"

#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

void reportAddressBookError(QWidget* parent, AddressBookStep step, const QString& reason) {
    const QString summary = step == AddressBookStep::Read
                                ? u"The address book could not be read."_s
                                : u"The address book could not be saved."_s;
    MessageBox::tell(parent, summary + u"\n\n"_s + reason, u"Address Book"_s,
                     MessageBox::Icon::Warning);
}

}  // namespace pelicast
