// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "vcard/card.h"
#include "vcard/reader.h"

namespace pelicast::vcard {

// One parsed vCard file, never changed after parsing, so that any number of
// readers can share it. Only the fields of CardInfo are decoded, packed into
// one text; the cards' bytes are the file's.
class Book {
public:
    // `source` must be vCard text (isVCardText).
    explicit Book(QByteArray source);
    // Reads the open `file` through `mapped`, its bytes mapped into memory,
    // which is not read again once this returns: another program may shorten
    // the file in place. The file stays open; source() reads it again.
    Book(std::unique_ptr<QFile> file, QByteArrayView mapped);
    ~Book();
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;

    // The file's bytes, as parsed. A book read from a file reads them again
    // when first asked, and only if they are still those it parsed: false
    // otherwise (the file was rewritten in place), the bytes then empty.
    bool hasSource() const;
    const QByteArray& source() const;
    const QList<Segment>& segments() const;
    QByteArrayView rawCard(int card) const;

    int cardCount() const { return int(cards_.size()); }
    CardInfo info(int card) const;
    QString field(int card, Field field) const { return QString::fromUtf8(utf8(card, field)); }
    QByteArrayView utf8(int card, Field field) const;
    bool isGroup(int card) const { return cards_[card].isGroup; }
    bool isDecoded(int card) const { return cards_[card].decoded; }
    // The names of the group cards that list `card`, joined by CR LF.
    const QString& groupCardNames(int card) const;
    QString groupCardNamesOfUid(const QString& uid) const;
    // The cards that are not group cards, in file order.
    const QList<int>& contacts() const { return contacts_; }
    // Keys that find a card again in another reading of the file: its UID,
    // else its bytes; equal keys are told apart by their order.
    QList<QByteArray> mergeKeys() const;

private:
    struct StoredCard {
        quint32 fieldsBegin = 0;
        FieldEnds ends{};
        qint32 groupCardNames = -1;  // in groupCardNames_
        bool isGroup = false;
        bool decoded = true;
    };
    struct Source;

    void parse(QByteArrayView data, QList<Segment>* segments);
    void findGroupCards();
    bool loadSource() const;

    QByteArray fields_;
    std::vector<StoredCard> cards_;
    QList<int> contacts_;
    QHash<int, QStringList> members_;  // of group cards
    QHash<int, quint64> bytesHashes_;  // of cards without a UID
    QStringList groupCardNames_;
    QHash<QString, int> groupCardNamesByUid_;
    std::unique_ptr<Source> source_;
};

// A card written anew: its properties in vCard 3.0 terms and what a book
// reads of them.
struct EditedCard {
    QList<ContentLine> properties;
    CardInfo info;
    bool removed = false;
    // A card taken from another file: left out when the book holds it by the
    // time it is saved (KnownCards).
    bool imported = false;
    // The card as written, kept instead of `properties` (then empty) by bulk
    // imports: a few allocations where the properties take dozens.
    QByteArray written{};
    // Writes the properties now and lets them go.
    void compact();
    // The properties again, from what compact() wrote.
    void expand();
};

// The cards a book holds, as an import tells a card it already has: by UID,
// or a contact by its name and mobile number.
class KnownCards {
public:
    void add(const CardInfo& card);
    bool contains(const CardInfo& card) const;

private:
    using Identity = std::pair<QString, QString>;
    static Identity identityOf(const CardInfo& card);

    QSet<QString> uids_;
    QSet<Identity> identities_;
};

// What one reader changed on the book it read.
struct Edits {
    QHash<int, EditedCard> changed;  // by card index of that book
    QSet<int> deleted;
    QList<EditedCard> created;
    bool isEmpty() const { return changed.isEmpty() && deleted.isEmpty() && created.isEmpty(); }
};

// The file to write: `disk` (the file as it is now) with `edits`, made on
// `base`, applied card by card. Cards nobody changed keep their bytes; cards
// without a UID get one; changed and new cards are written as vCard 3.0.
// Imported cards that `disk` holds by now (another import meanwhile) are left
// out; `importsLeftOut`, when given, counts the contacts among them.
QByteArray merge(const Book& base, const Edits& edits, const Book& disk,
                 int* importsLeftOut = nullptr);

}  // namespace pelicast::vcard
