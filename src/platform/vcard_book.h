#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "platform/vcard_card.h"
#include "platform/vcard_reader.h"

namespace pelicast::platform::vcard {

// One parsed vCard file, never changed after parsing, so that any number of
// address-book instances can share it. Cards keep their bytes in the file's
// buffer; only the fields the book reads are decoded.
class Book {
public:
    // `source` must be vCard text (IsVCardText).
    explicit Book(QByteArray source);

    const QByteArray& Source() const { return source_; }
    const QList<Segment>& Segments() const { return segments_; }
    int CardCount() const { return int(cards_.size()); }
    QByteArrayView RawCard(int card) const;
    const CardInfo& Info(int card) const { return cards_[card].info; }
    // The names of the group cards that list `card`, joined by CR LF.
    const QString& Groups2(int card) const { return cards_[card].groups2; }
    QString Groups2OfUid(const QString& uid) const;
    // The cards that are contacts (not group cards), in file order.
    const QList<int>& Records() const { return records_; }
    // Keys that find a card again in another reading of the file: its UID,
    // else its bytes; equal keys are told apart by their order.
    QList<QByteArray> MergeKeys() const;

private:
    struct StoredCard {
        qsizetype begin = 0;
        qsizetype end = 0;
        CardInfo info;
        QString groups2;
    };

    QByteArray source_;
    QList<Segment> segments_;
    QList<StoredCard> cards_;
    QList<int> records_;
    QHash<QString, QString> groups2ByUid_;
};

// A card the program wrote: its properties in vCard 3.0 terms and what the
// book reads of them.
struct EditedCard {
    QList<ContentLine> properties;
    CardInfo info;
    bool removed = false;
};

// What one instance changed on the book it opened.
struct Edits {
    QHash<int, EditedCard> changed;  // by card index of that book
    QSet<int> deleted;
    QList<EditedCard> created;
    bool IsEmpty() const { return changed.isEmpty() && deleted.isEmpty() && created.isEmpty(); }
};

// The file to write: `disk` (the file as it is now) with `edits`, made on
// `base`, applied card by card. Cards nobody changed keep their bytes; cards
// without a UID get one; changed and new cards are written as vCard 3.0.
QByteArray Merge(const Book& base, const Edits& edits, const Book& disk);

}  // namespace pelicast::platform::vcard
