// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/bounded_read.h"

using namespace Qt::StringLiterals;

namespace pelicast::vcard {

namespace {

constexpr int kCachedBooks = 4;
constexpr int kLockWaitMs = 10000;
constexpr QFileDevice::Permissions kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Parsed books by canonical path, so that the many readers one action
// creates share one parse of an unchanged file.
struct BookCache {
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const Book> book;
        quint64 lastUse = 0;
    };
    QMutex mutex;
    QHash<QString, Entry> entries;
    quint64 clock = 0;
    std::function<bool(const QString& path)> commitFault;
};

Q_GLOBAL_STATIC(BookCache, cache)

bool fail(FileError* error, FileError::Kind kind, const QString& path,
          const QString& reason = QString()) {
    if (error)
        *error = {kind, path, reason};
    return false;
}

std::shared_ptr<const Book> emptyBook() {
    static const std::shared_ptr<const Book> empty = std::make_shared<const Book>(QByteArray());
    return empty;
}

QString cacheKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

void remember(const QString& key, const FileStamp& stamp, std::shared_ptr<const Book> book) {
    BookCache& books = *cache();
    QMutexLocker locker(&books.mutex);
    if (books.entries.size() >= kCachedBooks && !books.entries.contains(key)) {
        auto oldest = std::min_element(books.entries.begin(), books.entries.end(),
                                       [](const BookCache::Entry& a, const BookCache::Entry& b) {
                                           return a.lastUse < b.lastUse;
                                       });
        books.entries.erase(oldest);
    }
    books.entries.insert(key, {stamp, std::move(book), ++books.clock});
}

// The book at `path`, read in full. `mapped`: through a mapping of the file,
// which the book keeps open but does not read again; else into memory, as a
// save needs it, safe from another program shortening the file meanwhile.
std::shared_ptr<const Book> readBook(const QString& path, FileError* error, bool mapped) {
    auto file = std::make_unique<QFile>();
    if (const Expected<void> opened = openRegularFile(*file, path, kMaxBookSize); !opened) {
        fail(error, FileError::ReadFailed, path, opened.error());
        return nullptr;
    }
    const qint64 size = file->size();
    QFile* const opened = file.get();
    uchar* const bytes = mapped && size > 0 ? opened->map(0, size) : nullptr;
    if (bytes) {
        const QByteArrayView view(bytes, size);
        std::shared_ptr<const Book> book;
        if (isVCardText(view))
            book = std::make_shared<const Book>(std::move(file), view);
        opened->unmap(bytes);
        if (!book)
            fail(error, FileError::NotVCard, path);
        return book;
    }
    Expected<QByteArray> data = readToEnd(*opened, kMaxBookSize);
    if (!data) {
        fail(error, FileError::ReadFailed, path, data.error());
        return nullptr;
    }
    if (!isVCardText(*data)) {
        fail(error, FileError::NotVCard, path);
        return nullptr;
    }
    return std::make_shared<const Book>(std::move(*data));
}

}  // namespace

FileStamp stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true,
            qint64(info.st_size),
            nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim),
            quint64(info.st_ino),
            quint64(info.st_dev)};
}

bool ensureFileExists(const QString& path, FileError* error) {
    if (QFileInfo::exists(path))
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivate) && !file.exists())
        return fail(error, FileError::CreateFailed, path, file.errorString());
    return true;
}

std::shared_ptr<const Book> loadBook(const QString& path, FileStamp& stamp, FileError* error) {
    stamp = stampOf(path);
    if (!stamp.exists)
        return emptyBook();
    const QString key = cacheKey(path);
    {
        BookCache& books = *cache();
        QMutexLocker locker(&books.mutex);
        auto it = books.entries.find(key);
        if (it != books.entries.end() && it->stamp == stamp) {
            it->lastUse = ++books.clock;
            return it->book;
        }
    }
    if (QFileInfo(path).isDir()) {
        fail(error, FileError::IsFolder, path);
        return nullptr;
    }
    auto book = readBook(path, error, true);
    if (book)
        remember(key, stamp, book);
    return book;
}

namespace {

QString systemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

// Writes all of `data`. The rest of a short write is written again, so that a
// full disk ends in the system's reason, never in a shorter file.
bool writeAll(QFileDevice& file, QByteArrayView data) {
    while (!data.isEmpty()) {
        const qint64 written = file.write(data.data(), data.size());
        if (written <= 0)
            return false;
        data = data.sliced(written);
    }
    return true;
}

bool commitFault(const QString& path) {
    std::function<bool(const QString& path)> fault;
    {
        BookCache& books = *cache();
        QMutexLocker locker(&books.mutex);
        fault = books.commitFault;
    }
    return fault && fault(path);
}

bool commitFile(const QString& path, QByteArrayView contents, const QByteArray* replaced,
                FileError* error);

// Makes the file at `path`, about to be replaced, the backup PATH.bak: the
// file itself, linked, so that no copy can fail for want of space (a file
// system without hard links gets a copy of `replaced`, its bytes).
bool keepAsBackup(const QString& path, const QByteArray& replaced, FileError* error) {
    const QString backup = path + u".bak"_s;
    const QByteArray staged = QFile::encodeName(backup + u"-new"_s);
    ::unlink(staged.constData());
    if (::linkat(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD, staged.constData(),
                 AT_SYMLINK_FOLLOW) != 0)
        return commitFile(backup, replaced, nullptr, error);
    const bool renamed = ::rename(staged.constData(), QFile::encodeName(backup).constData()) == 0;
    const int reason = errno;
    // Gone after the rename, unless the backup was this very file already.
    ::unlink(staged.constData());
    return renamed || fail(error, FileError::WriteFailed, backup, systemReason(reason));
}

// Writes `contents` beside `path`, checked to the last byte and on the disk,
// before it replaces `path`. With `replaced` (the bytes of the file being
// replaced), the old file becomes PATH.bak only then: a save that fails
// before leaves the book and its backup as they were, and one that fails
// after leaves the old book in both.
bool commitFile(const QString& path, QByteArrayView contents, const QByteArray* replaced,
                FileError* error) {
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system and is checked.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, FileError::WriteFailed, path, file.errorString());
    if (isNew)
        file.setPermissions(kPrivate);
    // On failure the destructor throws the partial copy away.
    if (!writeAll(file, contents))
        return fail(error, FileError::WriteFailed, path, file.errorString());
    if (::fsync(file.handle()) != 0)
        return fail(error, FileError::WriteFailed, path, systemReason(errno));
    if (commitFault(path))
        file.cancelWriting();
    if (replaced && !keepAsBackup(path, *replaced, error))
        return false;
    if (!file.commit())
        return fail(error, FileError::WriteFailed, path, file.errorString());
    return true;
}

// QLockFile tells only that it could not make its file; making one alike
// gives the system's reason.
QString lockFailureReason(const QString& lockPath) {
    QTemporaryFile probe(lockPath + u"-XXXXXX"_s);
    if (!probe.open())
        return probe.errorString();
    if (!writeAll(probe, QByteArray(512, '\n')) || !probe.flush())
        return probe.errorString();
    return u"the lock file could not be made"_s;
}

}  // namespace

bool writeFileAtomically(const QString& path, const QByteArray& contents, FileError* error) {
    return commitFile(path, contents, nullptr, error);
}

bool saveBook(const QString& path, const Book& base, const Edits& edits, FileError* error,
              int* importsLeftOut) {
    const QString lockPath = path + u".lock"_s;
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return fail(error, FileError::Locked, path);
        return fail(error, FileError::LockFailed, path, lockFailureReason(lockPath));
    }
    // The file as it is now, read in full: the book as it was read keeps only
    // what it shows, and another program may have changed the file since.
    const FileStamp now = stampOf(path);
    std::shared_ptr<const Book> current = now.exists ? readBook(path, error, false) : emptyBook();
    if (!current)
        return false;
    const Book* disk = current.get();
    const QByteArray merged = merge(base, edits, *disk, importsLeftOut);
    if (now.exists && merged == disk->source())
        return true;
    return commitFile(path, merged, now.exists ? &disk->source() : nullptr, error);
}

void setCommitFaultForTesting(std::function<bool(const QString& path)> fault) {
    BookCache& books = *cache();
    QMutexLocker locker(&books.mutex);
    books.commitFault = std::move(fault);
}

}  // namespace pelicast::vcard
