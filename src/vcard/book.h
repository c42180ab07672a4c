// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <utility>

#include "vcard/card.h"
#include "vcard/reader.h"

namespace pelicast::vcard {

// One parsed vCard file, never changed after parsing, so that any number of
// readers can share it. Cards keep their bytes in the file's buffer; only the
// fields of CardInfo are decoded.
class Book {
public:
    // `source` must be vCard text (isVCardText).
    explicit Book(QByteArray source);

    const QByteArray& source() const { return source_; }
    const QList<Segment>& segments() const { return segments_; }
    int cardCount() const { return int(cards_.size()); }
    QByteArrayView rawCard(int card) const;
    const CardInfo& info(int card) const { return cards_[card].info; }
    // The names of the group cards that list `card`, joined by CR LF.
    const QString& groupCardNames(int card) const { return cards_[card].groupCardNames; }
    QString groupCardNamesOfUid(const QString& uid) const;
    // The cards that are not group cards, in file order.
    const QList<int>& contacts() const { return contacts_; }
    // Keys that find a card again in another reading of the file: its UID,
    // else its bytes; equal keys are told apart by their order.
    QList<QByteArray> mergeKeys() const;

private:
    struct StoredCard {
        qsizetype begin = 0;
        qsizetype end = 0;
        CardInfo info;
        QString groupCardNames;
    };

    QByteArray source_;
    QList<Segment> segments_;
    QList<StoredCard> cards_;
    QList<int> contacts_;
    QHash<QString, QString> groupCardNamesByUid_;
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
