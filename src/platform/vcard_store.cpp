#include "platform/vcard_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/address_book_component.h"

namespace pelicast::platform::vcard {

namespace {

constexpr int kCachedBooks = 4;
constexpr int kLockWaitMs = 10000;
constexpr QFileDevice::Permissions kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Parsed books by canonical path, so that the many instances one action
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

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::shared_ptr<const Book> EmptyBook() {
    static const std::shared_ptr<const Book> empty = std::make_shared<const Book>(QByteArray());
    return empty;
}

QString CacheKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

qint64 Nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

FileStamp StampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true,
            qint64(info.st_size),
            Nanoseconds(info.st_mtim),
            Nanoseconds(info.st_ctim),
            quint64(info.st_ino),
            quint64(info.st_dev)};
}

QString DefaultBookPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        throw ComponentError(QStringLiteral("There is no folder for the user's address book."));
    return folder + QStringLiteral("/contacts.vcf");
}

void EnsureBookExists(const QString& path) {
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivate) && !file.exists()) {
        throw ComponentError(QStringLiteral("Cannot create the address book \"%1\": %2")
                                 .arg(Shown(path), file.errorString()));
    }
}

std::shared_ptr<const Book> LoadBook(const QString& path, FileStamp& stamp) {
    stamp = StampOf(path);
    if (!stamp.exists)
        return EmptyBook();
    const QString key = CacheKey(path);
    BookCache& books = *cache();
    {
        QMutexLocker locker(&books.mutex);
        auto it = books.entries.find(key);
        if (it != books.entries.end() && it->stamp == stamp) {
            it->lastUse = ++books.clock;
            return it->book;
        }
    }
    if (QFileInfo(path).isDir()) {
        throw ComponentError(
            QStringLiteral("\"%1\" is a folder, not an address book.").arg(Shown(path)));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ComponentError(QStringLiteral("Cannot read the address book \"%1\": %2")
                                 .arg(Shown(path), file.errorString()));
    }
    QByteArray data = file.readAll();
    if (!IsVCardText(data)) {
        throw ComponentError(
            QStringLiteral("\"%1\" is not a vCard file; the address book was left as it is.")
                .arg(Shown(path)));
    }
    auto book = std::make_shared<const Book>(std::move(data));
    QMutexLocker locker(&books.mutex);
    if (books.entries.size() >= kCachedBooks && !books.entries.contains(key)) {
        auto oldest = std::min_element(books.entries.begin(), books.entries.end(),
                                       [](const BookCache::Entry& a, const BookCache::Entry& b) {
                                           return a.lastUse < b.lastUse;
                                       });
        books.entries.erase(oldest);
    }
    books.entries.insert(key, {stamp, book, ++books.clock});
    return book;
}

void WriteFileAtomically(const QString& path, const QByteArray& contents) {
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw ComponentError(
            QStringLiteral("Cannot write \"%1\": %2").arg(Shown(path), file.errorString()));
    }
    if (isNew)
        file.setPermissions(kPrivate);
    file.write(contents);
    std::function<bool(const QString& path)> fault;
    {
        BookCache& books = *cache();
        QMutexLocker locker(&books.mutex);
        fault = books.commitFault;
    }
    if (fault && fault(path))
        file.cancelWriting();
    if (!file.commit()) {
        throw ComponentError(
            QStringLiteral("Cannot write \"%1\": %2").arg(Shown(path), file.errorString()));
    }
}

void SaveBook(const QString& path, const Book& base, const FileStamp& baseStamp,
              const Edits& edits) {
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        throw ComponentError(
            QStringLiteral("The address book \"%1\" is in use; the changes were not saved.")
                .arg(Shown(path)));
    }
    const FileStamp now = StampOf(path);
    std::shared_ptr<const Book> current;
    const Book* disk = &base;
    if (!(now == baseStamp)) {
        FileStamp reread;
        current = LoadBook(path, reread);
        disk = current.get();
    }
    const QByteArray merged = Merge(base, edits, *disk);
    if (now.exists && merged == disk->Source())
        return;
    if (now.exists) {
        const QString backup = path + QStringLiteral(".bak");
        WriteFileAtomically(backup, disk->Source());
        QFile::setPermissions(backup, kPrivate);
    }
    WriteFileAtomically(path, merged);
}

void SetCommitFaultForTesting(std::function<bool(const QString& path)> fault) {
    BookCache& books = *cache();
    QMutexLocker locker(&books.mutex);
    books.commitFault = std::move(fault);
}

}  // namespace pelicast::platform::vcard
