// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Large address books for the benchmarks: deterministic vCard files of
// contacts spread over named groups.
namespace pelicast::bench {

struct BookShape {
    int contacts = 30000;
    int groups = 200;  // every contact is in one, every tenth in a second
    quint32 seed = 20240611;
    // Every other card written as vCard 2.1 (bare type words, quoted-printable
    // address and note), as books exported by phones mix them; off, every
    // card is vCard 3.0, as the benchmarks before the rebuild wrote them.
    bool mixedVersions = true;
};

// "Group 007" and so on.
QString groupName(int index);

// About 340 bytes a contact in vCard 3.0, about 360 mixed: a mixed book of
// 30,000 contacts is about 10.7 MB.
QByteArray generateAddressBook(const BookShape& shape = {});

// Writes the book to `path`; false when it cannot be written.
bool writeAddressBook(const QString& path, const BookShape& shape = {});

}  // namespace pelicast::bench
