#include "platform/vcard_book.h"

#include <algorithm>

#include "platform/vcard_writer.h"

namespace pelicast::platform::vcard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void EnsureLineBreak(QByteArray& out) {
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out.append("\r\n");
}

QByteArray WrittenCard(const EditedCard& card) {
    if (!card.info.fields.Get(Field::Uid).isEmpty())
        return WriteCard(card.properties);
    QList<ContentLine> properties = card.properties;
    SetField(properties, Field::Uid, NewUid());
    return WriteCard(properties);
}

}  // namespace

Book::Book(QByteArray source) : source_(std::move(source)) {
    segments_ = SplitCards(source_);
    QHash<QString, QString> interned;
    auto intern = [&interned](const QString& text) {
        if (text.isEmpty())
            return text;
        auto it = interned.constFind(text);
        if (it == interned.constEnd())
            it = interned.insert(text, text);
        return it.value();
    };
    QHash<QString, QStringList> groupNames;
    const auto cardCount = std::count_if(segments_.cbegin(), segments_.cend(),
                                         [](const Segment& s) { return s.isCard; });
    cards_.reserve(cardCount);
    records_.reserve(cardCount);
    for (const Segment& segment : std::as_const(segments_)) {
        if (!segment.isCard)
            continue;
        StoredCard card{segment.begin, segment.end,
                        ReadCardInfo(QByteArrayView(source_).sliced(segment.begin,
                                                                    segment.end - segment.begin)),
                        QString()};
        card.info.fields.Set(Field::Groups1, intern(card.info.fields.Get(Field::Groups1)));
        if (card.info.isGroup) {
            QString name = card.info.fields.Get(Field::Name);
            if (name.isEmpty())
                name = card.info.fields.Get(Field::Surname);
            for (const QString& member : std::as_const(card.info.members)) {
                QStringList& names = groupNames[member];
                if (!names.contains(name))
                    names.append(name);
            }
        } else {
            records_.append(int(cards_.size()));
        }
        cards_.append(std::move(card));
    }
    for (auto it = groupNames.cbegin(); it != groupNames.cend(); ++it)
        groups2ByUid_.insert(it.key(), intern(it.value().join(kCrLf)));
    if (groups2ByUid_.isEmpty())
        return;
    for (StoredCard& card : cards_) {
        const QString uid = card.info.fields.Get(Field::Uid);
        if (!uid.isEmpty())
            card.groups2 = groups2ByUid_.value(NormalizedUid(uid));
    }
}

QByteArrayView Book::RawCard(int card) const {
    const StoredCard& stored = cards_[card];
    return QByteArrayView(source_).sliced(stored.begin, stored.end - stored.begin);
}

QString Book::Groups2OfUid(const QString& uid) const {
    if (uid.isEmpty() || groups2ByUid_.isEmpty())
        return QString();
    return groups2ByUid_.value(NormalizedUid(uid));
}

QList<QByteArray> Book::MergeKeys() const {
    QList<QByteArray> keys;
    keys.reserve(cards_.size());
    QHash<QByteArray, int> seen;
    for (int i = 0; i < CardCount(); ++i) {
        const QString uid = cards_[i].info.fields.Get(Field::Uid);
        QByteArray key = uid.isEmpty() ? QByteArray("R") + RawCard(i).toByteArray()
                                       : QByteArray("U") + NormalizedUid(uid).toUtf8();
        const int occurrence = seen[key]++;
        if (occurrence > 0)
            key += '\x1f' + QByteArray::number(occurrence);
        keys.append(key);
    }
    return keys;
}

QByteArray Merge(const Book& base, const Edits& edits, const Book& disk) {
    const QList<QByteArray> baseKeys = base.MergeKeys();
    QHash<QByteArray, int> changedByKey;
    QSet<QByteArray> deletedKeys;
    for (const int card : edits.deleted)
        deletedKeys.insert(baseKeys[card]);
    for (auto it = edits.changed.cbegin(); it != edits.changed.cend(); ++it) {
        if (!edits.deleted.contains(it.key()))
            changedByKey.insert(baseKeys[it.key()], it.key());
    }
    const QList<QByteArray> diskKeys = &disk == &base ? baseKeys : disk.MergeKeys();

    QByteArray out;
    out.reserve(disk.Source().size() + 1024);
    int card = 0;
    for (const Segment& segment : disk.Segments()) {
        const QByteArrayView bytes =
            QByteArrayView(disk.Source()).sliced(segment.begin, segment.end - segment.begin);
        if (!segment.isCard) {
            out.append(bytes);
            continue;
        }
        const int index = card++;
        const QByteArray& key = diskKeys[index];
        if (deletedKeys.contains(key))
            continue;
        const auto changed = changedByKey.constFind(key);
        if (changed != changedByKey.constEnd()) {
            out.append(WrittenCard(*edits.changed.constFind(changed.value())));
            changedByKey.erase(changed);
        } else if (disk.Info(index).fields.Get(Field::Uid).isEmpty()) {
            out.append(WithUidLine(bytes, NewUid()));
        } else {
            out.append(bytes);
        }
    }
    // A change to a card that another program removed meanwhile is kept.
    QList<int> orphans = changedByKey.values();
    std::sort(orphans.begin(), orphans.end());
    for (const int index : orphans) {
        EnsureLineBreak(out);
        out.append(WrittenCard(*edits.changed.constFind(index)));
    }
    for (const EditedCard& created : edits.created) {
        if (created.removed)
            continue;
        EnsureLineBreak(out);
        out.append(WrittenCard(created));
    }
    return out;
}

}  // namespace pelicast::platform::vcard
