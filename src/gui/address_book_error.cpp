// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/address_book_error.h"

#include <QCoreApplication>

#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct AddressBookErrorText {
    Q_DECLARE_TR_FUNCTIONS(AddressBookError)
};

}  // namespace

void reportAddressBookError(QWidget* parent, AddressBookStep step, const QString& reason) {
    const QString summary = step == AddressBookStep::Read
                                ? AddressBookErrorText::tr("The address book could not be read.")
                                : AddressBookErrorText::tr("The address book could not be saved.");
    MessageBox::tell(parent, summary + u"\n\n"_s + reason, AddressBookErrorText::tr("Address Book"),
                     MessageBox::Icon::Warning);
}

}  // namespace pelicast
