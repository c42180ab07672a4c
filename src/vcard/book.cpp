// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/book.h"

#include <QMutex>
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

#include "vcard/writer.h"

using namespace Qt::StringLiterals;

namespace pelicast::vcard {

namespace {

const QString kCrLf = u"\r\n"_s;

void ensureLineBreak(QByteArray& out) {
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out.append("\r\n");
}

QByteArray writtenCard(const EditedCard& card) {
    if (!card.written.isEmpty())
        return card.written;
    if (!card.info.fields.get(Field::Uid).isEmpty())
        return writeCard(card.properties);
    QList<ContentLine> properties = card.properties;
    setField(properties, Field::Uid, newUid());
    return writeCard(properties);
}

}  // namespace

struct Book::Source {
    QMutex mutex;
    bool loaded = false;
    bool valid = false;
    QByteArray bytes;
    QList<Segment> segments;
    QList<int> cardSegments;  // the segment of each card
    // A book read from a file: the file, and what tells its bytes again.
    std::unique_ptr<QFile> file;
    qsizetype size = 0;
    struct stat stamp {};
    std::optional<size_t> hash;
};

namespace {

bool sameStamp(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

}  // namespace

Book::Book(QByteArray source) : source_(std::make_unique<Source>()) {
    parse(source, &source_->segments);
    source_->bytes = std::move(source);
    source_->loaded = source_->valid = true;
    findGroupCards();
}

Book::Book(std::unique_ptr<QFile> file, QByteArrayView mapped)
    : source_(std::make_unique<Source>()) {
    source_->file = std::move(file);
    source_->size = mapped.size();
    // Every write sets the change time to the clock's coarse now: a file last
    // changed well before it was read is the same file while its stamp stays.
    // One changed just now could change again within the clock's tick, so its
    // bytes are hashed too. Taken first, so that a change while it is read
    // shows.
    const bool known = ::fstat(source_->file->handle(), &source_->stamp) == 0;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    parse(mapped, nullptr);
    if (!known || source_->stamp.st_ctim.tv_sec >= now.tv_sec - 1)
        source_->hash = qHashBits(mapped.data(), size_t(mapped.size()));
    findGroupCards();
}

Book::~Book() = default;

void Book::parse(QByteArrayView data, QList<Segment>* segments) {
    // Cards are a few hundred bytes: a guess that spares most regrowing.
    // Generous guesses, so that nothing is copied as it grows: pages never
    // written cost nothing.
    cards_.reserve(data.size() / 128 + 1);
    contacts_.reserve(data.size() / 128 + 1);
    fields_.reserve(data.size() / 2 + 64);
    SegmentReader reader(data);
    FieldReader fieldReader;
    Segment segment;
    while (reader.next(segment)) {
        if (segments) {
            if (segment.isCard)
                source_->cardSegments.append(int(segments->size()));
            segments->append(segment);
        }
        if (!segment.isCard)
            continue;
        const QByteArrayView bytes = data.sliced(segment.begin, segment.end - segment.begin);
        const int index = int(cards_.size());
        StoredCard card;
        card.fieldsBegin = quint32(fields_.size());
        CardInfo info = fieldReader.read(bytes, fields_, card.ends);
        card.isGroup = info.isGroup;
        card.decoded = info.decoded;
        if (!info.members.isEmpty())
            members_[index] = std::move(info.members);
        cards_.push_back(card);
        if (utf8(index, Field::Uid).isEmpty())
            bytesHashes_.insert(index, qHashBits(bytes.data(), size_t(bytes.size())));
        if (!card.isGroup)
            contacts_.append(index);
    }
}

void Book::findGroupCards() {
    QHash<QString, QStringList> names;
    for (int card = 0; !members_.isEmpty() && card < cardCount(); ++card) {
        const auto members = members_.constFind(card);
        if (!cards_[card].isGroup || members == members_.constEnd())
            continue;
        QString name = field(card, Field::FormattedName);
        if (name.isEmpty())
            name = field(card, Field::FamilyName);
        for (const QString& member : members.value()) {
            QStringList& list = names[member];
            if (!list.contains(name))
                list.append(name);
        }
    }
    if (names.isEmpty())
        return;
    QHash<QString, int> interned;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const QString text = it.value().join(kCrLf);
        auto found = interned.constFind(text);
        if (found == interned.constEnd()) {
            found = interned.insert(text, int(groupCardNames_.size()));
            groupCardNames_.append(text);
        }
        groupCardNamesByUid_.insert(it.key(), found.value());
    }
    for (int i = 0; i < cardCount(); ++i) {
        const QByteArrayView uid = utf8(i, Field::Uid);
        if (!uid.isEmpty())
            cards_[i].groupCardNames =
                groupCardNamesByUid_.value(normalizedUid(QString::fromUtf8(uid)), -1);
    }
}

bool Book::loadSource() const {
    Source& source = *source_;
    QMutexLocker locker(&source.mutex);
    if (source.loaded)
        return source.valid;
    source.loaded = true;
    const int fd = source.file->handle();
    struct stat before {};
    if (::fstat(fd, &before) != 0 || !sameStamp(before, source.stamp))
        return false;
    QByteArray bytes(source.size, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || (done += n) == bytes.size())
            break;
    }
    char more = 0;
    struct stat after {};
    // The same length, nothing after it, not changed while read, the same bytes.
    if (done != source.size || ::pread(fd, &more, 1, done) != 0 || ::fstat(fd, &after) != 0 ||
        !sameStamp(after, source.stamp) ||
        (source.hash && qHashBits(bytes.constData(), size_t(bytes.size())) != *source.hash))
        return false;
    source.segments = splitCards(bytes);
    for (int i = 0; i < source.segments.size(); ++i) {
        if (source.segments[i].isCard)
            source.cardSegments.append(i);
    }
    source.bytes = std::move(bytes);
    source.valid = source.cardSegments.size() == qsizetype(cards_.size());
    return source.valid;
}

bool Book::hasSource() const {
    return loadSource();
}

const QByteArray& Book::source() const {
    static const QByteArray none;
    return loadSource() ? source_->bytes : none;
}

const QList<Segment>& Book::segments() const {
    static const QList<Segment> none;
    return loadSource() ? source_->segments : none;
}

QByteArrayView Book::rawCard(int card) const {
    if (!loadSource())
        return {};
    const Segment& segment = source_->segments[source_->cardSegments[card]];
    return QByteArrayView(source_->bytes).sliced(segment.begin, segment.end - segment.begin);
}

QByteArrayView Book::utf8(int card, Field field) const {
    const StoredCard& stored = cards_[card];
    const int i = static_cast<int>(field);
    const quint32 begin = i == 0 ? 0 : stored.ends[i - 1];
    return QByteArrayView(fields_).sliced(stored.fieldsBegin + begin, stored.ends[i] - begin);
}

CardInfo Book::info(int card) const {
    const StoredCard& stored = cards_[card];
    return {
        CardFields(fields_.sliced(stored.fieldsBegin, stored.ends[kFieldCount - 1]), stored.ends),
        stored.isGroup, stored.decoded, members_.value(card)};
}

const QString& Book::groupCardNames(int card) const {
    static const QString none;
    const qint32 names = cards_[card].groupCardNames;
    return names < 0 ? none : groupCardNames_[names];
}

QString Book::groupCardNamesOfUid(const QString& uid) const {
    if (uid.isEmpty() || groupCardNamesByUid_.isEmpty())
        return QString();
    return groupCardNames_.value(groupCardNamesByUid_.value(normalizedUid(uid), -1));
}

QList<QByteArray> Book::mergeKeys() const {
    QList<QByteArray> keys;
    keys.reserve(cards_.size());
    QHash<QByteArray, int> seen;
    for (int i = 0; i < cardCount(); ++i) {
        const QByteArrayView uid = utf8(i, Field::Uid);
        // A card without a UID is known by its bytes, here by their hash.
        QByteArray key = uid.isEmpty()
                             ? QByteArray("R") + QByteArray::number(bytesHashes_.value(i), 16)
                             : QByteArray("U") + normalizedUid(QString::fromUtf8(uid)).toUtf8();
        const int occurrence = seen[key]++;
        if (occurrence > 0)
            key += '\x1f' + QByteArray::number(occurrence);
        keys.append(key);
    }
    return keys;
}

void EditedCard::compact() {
    written = writtenCard(*this);
    properties = {};
}

void EditedCard::expand() {
    if (written.isEmpty())
        return;
    properties = readProperties(written);
    written = {};
}

void KnownCards::add(const CardInfo& card) {
    const QString uid = card.fields.get(Field::Uid);
    if (!uid.isEmpty())
        uids_.insert(normalizedUid(uid));
    if (!card.isGroup)
        identities_.insert(identityOf(card));
}

bool KnownCards::contains(const CardInfo& card) const {
    const QString uid = card.fields.get(Field::Uid);
    if (!uid.isEmpty() && uids_.contains(normalizedUid(uid)))
        return true;
    return !card.isGroup && identities_.contains(identityOf(card));
}

KnownCards::Identity KnownCards::identityOf(const CardInfo& card) {
    const CardFields& fields = card.fields;
    QString name = fields.get(Field::FormattedName);
    // Without a display name the structured name tells contacts apart.
    if (name.isEmpty())
        name = u'\x1f' + fields.get(Field::FamilyName) + u'\x1f' + fields.get(Field::GivenName);
    return {name, fields.get(Field::CellPhone)};
}

QByteArray merge(const Book& base, const Edits& edits, const Book& disk, int* importsLeftOut) {
    const QList<QByteArray> baseKeys = base.mergeKeys();
    QHash<QByteArray, int> changedByKey;
    QSet<QByteArray> deletedKeys;
    for (const int card : edits.deleted)
        deletedKeys.insert(baseKeys[card]);
    for (auto it = edits.changed.cbegin(); it != edits.changed.cend(); ++it) {
        if (!edits.deleted.contains(it.key()))
            changedByKey.insert(baseKeys[it.key()], it.key());
    }
    const QList<QByteArray> diskKeys = &disk == &base ? baseKeys : disk.mergeKeys();
    // Imports were checked against `base`; what another writer added since
    // counts too.
    const bool recheckImports =
        &disk != &base && std::any_of(edits.created.cbegin(), edits.created.cend(),
                                      [](const EditedCard& card) { return card.imported; });
    KnownCards known;
    if (importsLeftOut)
        *importsLeftOut = 0;

    QByteArray out;
    out.reserve(disk.source().size() + 1024);
    int card = 0;
    for (const Segment& segment : disk.segments()) {
        const QByteArrayView bytes =
            QByteArrayView(disk.source()).sliced(segment.begin, segment.end - segment.begin);
        if (!segment.isCard) {
            out.append(bytes);
            continue;
        }
        const int index = card++;
        const QByteArray& key = diskKeys[index];
        if (deletedKeys.contains(key))
            continue;
        if (recheckImports)
            known.add(disk.info(index));
        const auto changed = changedByKey.constFind(key);
        if (changed != changedByKey.constEnd()) {
            out.append(writtenCard(*edits.changed.constFind(changed.value())));
            changedByKey.erase(changed);
        } else if (disk.utf8(index, Field::Uid).isEmpty()) {
            out.append(withUidLine(bytes, newUid()));
        } else {
            out.append(bytes);
        }
    }
    // A change to a card that another program removed meanwhile is kept.
    QList<int> orphans = changedByKey.values();
    std::sort(orphans.begin(), orphans.end());
    for (const int index : orphans) {
        ensureLineBreak(out);
        out.append(writtenCard(*edits.changed.constFind(index)));
    }
    for (const EditedCard& created : edits.created) {
        if (created.removed)
            continue;
        if (recheckImports && created.imported && known.contains(created.info)) {
            if (importsLeftOut && !created.info.isGroup)
                ++*importsLeftOut;
            continue;
        }
        ensureLineBreak(out);
        out.append(writtenCard(created));
    }
    return out;
}

}  // namespace pelicast::vcard
