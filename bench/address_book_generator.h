#pragma once

#include <QByteArray>
#include <QString>

// Large address books for the benchmarks: deterministic vCard 3.0 files of
// contacts spread over named groups.
namespace pelicast::bench {

struct BookShape {
    int contacts = 30000;
    int groups = 200;  // every contact is in one, every tenth in a second
    quint32 seed = 20240611;
};

// "Group 007" and so on.
QString GroupName(int index);

// About 340 bytes a contact, so the default is about 10 MB.
QByteArray GenerateAddressBook(const BookShape& shape = {});

// Writes the book to `path`; false when it cannot be written.
bool WriteAddressBook(const QString& path, const BookShape& shape = {});

}  // namespace pelicast::bench
