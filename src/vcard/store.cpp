// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <algorithm>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error, FileError::ReadFailed, path, file.errorString());
        return nullptr;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(error, FileError::ReadFailed, path, file.errorString());
        return nullptr;
    }
    if (!isVCardText(data)) {
        fail(error, FileError::NotVCard, path);
        return nullptr;
    }
    auto book = std::make_shared<const Book>(std::move(data));
    remember(key, stamp, book);
    return book;
}

bool writeFileAtomically(const QString& path, const QByteArray& contents, FileError* error) {
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, FileError::WriteFailed, path, file.errorString());
    if (isNew)
        file.setPermissions(kPrivate);
    // A short write must not be committed as if it were the whole file.
    if (file.write(contents) != contents.size()) {
        // The destructor throws the partial copy away.
        return fail(error, FileError::WriteFailed, path, file.errorString());
    }
    std::function<bool(const QString& path)> fault;
    {
        BookCache& books = *cache();
        QMutexLocker locker(&books.mutex);
        fault = books.commitFault;
    }
    if (fault && fault(path))
        file.cancelWriting();
    if (!file.commit())
        return fail(error, FileError::WriteFailed, path, file.errorString());
    return true;
}

bool saveBook(const QString& path, const Book& base, const FileStamp& baseStamp, const Edits& edits,
              FileError* error) {
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return fail(error, FileError::Locked, path);
    const FileStamp now = stampOf(path);
    std::shared_ptr<const Book> current;
    const Book* disk = &base;
    if (!(now == baseStamp)) {
        FileStamp reread;
        current = loadBook(path, reread, error);
        if (!current)
            return false;
        disk = current.get();
    }
    const QByteArray merged = merge(base, edits, *disk);
    if (now.exists && merged == disk->source())
        return true;
    if (now.exists) {
        const QString backup = path + QStringLiteral(".bak");
        if (!writeFileAtomically(backup, disk->source(), error))
            return false;
        QFile::setPermissions(backup, kPrivate);
    }
    return writeFileAtomically(path, merged, error);
}

void setCommitFaultForTesting(std::function<bool(const QString& path)> fault) {
    BookCache& books = *cache();
    QMutexLocker locker(&books.mutex);
    books.commitFault = std::move(fault);
}

}  // namespace pelicast::vcard
