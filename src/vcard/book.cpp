// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/book.h"

#include <algorithm>

#include "vcard/writer.h"

namespace pelicast::vcard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void ensureLineBreak(QByteArray& out) {
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out.append("\r\n");
}

QByteArray writtenCard(const EditedCard& card) {
    if (!card.info.fields.get(Field::Uid).isEmpty())
        return writeCard(card.properties);
    QList<ContentLine> properties = card.properties;
    setField(properties, Field::Uid, newUid());
    return writeCard(properties);
}

}  // namespace

Book::Book(QByteArray source) : source_(std::move(source)) {
    segments_ = splitCards(source_);
    // Category texts repeat across a large book: share one copy of each.
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
    contacts_.reserve(cardCount);
    for (const Segment& segment : std::as_const(segments_)) {
        if (!segment.isCard)
            continue;
        StoredCard card{segment.begin, segment.end,
                        readCardInfo(QByteArrayView(source_).sliced(segment.begin,
                                                                    segment.end - segment.begin)),
                        QString()};
        card.info.fields.set(Field::Categories, intern(card.info.fields.get(Field::Categories)));
        if (card.info.isGroup) {
            QString name = card.info.fields.get(Field::FormattedName);
            if (name.isEmpty())
                name = card.info.fields.get(Field::FamilyName);
            for (const QString& member : std::as_const(card.info.members)) {
                QStringList& names = groupNames[member];
                if (!names.contains(name))
                    names.append(name);
            }
        } else {
            contacts_.append(int(cards_.size()));
        }
        cards_.append(std::move(card));
    }
    for (auto it = groupNames.cbegin(); it != groupNames.cend(); ++it)
        groupCardNamesByUid_.insert(it.key(), intern(it.value().join(kCrLf)));
    if (groupCardNamesByUid_.isEmpty())
        return;
    for (StoredCard& card : cards_) {
        const QString uid = card.info.fields.get(Field::Uid);
        if (!uid.isEmpty())
            card.groupCardNames = groupCardNamesByUid_.value(normalizedUid(uid));
    }
}

QByteArrayView Book::rawCard(int card) const {
    const StoredCard& stored = cards_[card];
    return QByteArrayView(source_).sliced(stored.begin, stored.end - stored.begin);
}

QString Book::groupCardNamesOfUid(const QString& uid) const {
    if (uid.isEmpty() || groupCardNamesByUid_.isEmpty())
        return QString();
    return groupCardNamesByUid_.value(normalizedUid(uid));
}

QList<QByteArray> Book::mergeKeys() const {
    QList<QByteArray> keys;
    keys.reserve(cards_.size());
    QHash<QByteArray, int> seen;
    for (int i = 0; i < cardCount(); ++i) {
        const QString uid = cards_[i].info.fields.get(Field::Uid);
        QByteArray key = uid.isEmpty() ? QByteArray("R") + rawCard(i).toByteArray()
                                       : QByteArray("U") + normalizedUid(uid).toUtf8();
        const int occurrence = seen[key]++;
        if (occurrence > 0)
            key += '\x1f' + QByteArray::number(occurrence);
        keys.append(key);
    }
    return keys;
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
        } else if (disk.info(index).fields.get(Field::Uid).isEmpty()) {
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
