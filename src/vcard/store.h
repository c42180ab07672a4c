// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "vcard/book.h"

// A vCard file on disk: reading it (with a process-wide cache of parsed
// books) and writing changes onto it safely.
namespace pelicast::vcard {

// The most a vCard file may hold, far above the largest real address book:
// a larger file, or a device such as /dev/zero, is refused, not read.
inline constexpr qint64 kMaxBookSize = qint64(256) << 20;

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

FileStamp stampOf(const QString& path);

// Why a file operation failed, on which file, and the system's words for it
// where there are some.
struct FileError {
    enum Kind {
        None,
        CreateFailed,
        IsFolder,
        ReadFailed,
        NotVCard,
        WriteFailed,
        Locked,
        LockFailed
    };
    Kind kind = None;
    QString path;
    QString reason;
};

// Creates an empty file readable by the user only, and its folder, unless the
// file exists.
bool ensureFileExists(const QString& path, FileError* error);

// The parsed book at `path`; a missing file is an empty book. A second load of
// an unchanged file gives the same parsed book. Null on failure. `stamp`
// receives the file's stamp as read.
std::shared_ptr<const Book> loadBook(const QString& path, FileStamp& stamp, FileError* error);

// Applies `edits`, made on `base`, onto the file as it is now (merge()), read
// anew under a lock against other writers. The new file is
// written and checked in full before the previous one, itself, becomes
// PATH.bak and the new one takes its place: a failed save leaves the book as
// it was, and its backup too unless the failure came at that last step.
// Writes nothing when the result equals the file.
bool saveBook(const QString& path, const Book& base, const Edits& edits, FileError* error,
              int* importsLeftOut = nullptr);

// Replaces `path` with `contents` atomically, every byte checked; a new file
// is readable by the user only.
bool writeFileAtomically(const QString& path, const QByteArray& contents, FileError* error);

// Lets tests make the next commits fail as a crash between writing and
// renaming would; the hook gets the path being written and returns true to
// fail. An empty hook clears it.
void setCommitFaultForTesting(std::function<bool(const QString& path)> fault);

}  // namespace pelicast::vcard
