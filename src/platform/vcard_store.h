#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "platform/vcard_book.h"

// The address book's file on disk: reading it (with a process-wide cache of
// parsed books) and writing changes onto it safely.
namespace pelicast::platform::vcard {

// What tells whether a file changed since it was read.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path);

// contacts.vcf in the program's per-user data folder. Throws ComponentError
// when the system names no such folder.
QString DefaultBookPath();

// Creates an empty file readable by the user only, and its folder, unless the
// file exists. Throws ComponentError.
void EnsureBookExists(const QString& path);

// The parsed book at `path`; a missing file is an empty book. A second load of
// an unchanged file gives the same parsed book. Throws ComponentError when the
// file cannot be read or is not a vCard file. `stamp` receives the file's
// stamp as read.
std::shared_ptr<const Book> LoadBook(const QString& path, FileStamp& stamp);

// Applies `edits`, made on `base` as read with `baseStamp`, onto the file as
// it is now, under a lock against other writers; keeps the previous file as
// PATH.bak. Writes nothing when the result equals the file. Throws
// ComponentError.
void SaveBook(const QString& path, const Book& base, const FileStamp& baseStamp,
              const Edits& edits);

// Replaces `path` with `contents` atomically; a new file is readable by the
// user only. Throws ComponentError.
void WriteFileAtomically(const QString& path, const QByteArray& contents);

// Lets tests make the next commits fail as a crash between writing and
// renaming would; the hook gets the path being written and returns true to
// fail. An empty hook clears it.
void SetCommitFaultForTesting(std::function<bool(const QString& path)> fault);

}  // namespace pelicast::platform::vcard
