// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "common/expected.h"
#include "core/book/address_book.h"

namespace pelicast {

// Told now and then how many bytes of the files are imported, of how many;
// returns false to stop the import, which then saves nothing.
using ImportProgress = std::function<bool(qint64 done, qint64 total)>;

// Adds the cards of the vCard files at `paths` to `book` and saves it, by the
// rules of AddressBook::importCards(), for "pelicast-contacts import" and the
// window's Import contacts alike. Every file is read and checked first, so
// that one that cannot be read changes nothing. The counts take in the
// contacts that another import saved meanwhile (AddressBook::importsFoundOnSave()).
Expected<AddressBook::ImportCount> importVCardFiles(AddressBook& book, const QStringList& paths,
                                                    const ImportProgress& progress = {});

// "Added 3 contacts, skipped 1 already in the address book." and, where there
// are any, the contacts in a character set this system cannot read.
QString importCountText(const AddressBook::ImportCount& count);

}  // namespace pelicast
