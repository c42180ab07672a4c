// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "vcard/reader.h"

// The few fields of a card that an address book shows and edits, and the
// properties behind each of them.
namespace pelicast::vcard {

enum class Field {
    FormattedName,  // FN
    FamilyName,     // N, first component
    GivenName,      // N, second component
    CellPhone,      // the first TEL of type cell, without "tel:"
    HomeEmail,      // the first EMAIL of type home, else the first EMAIL
    Uid,
    Categories,  // the CATEGORIES names, one per line, joined by CR LF
};

// The text fields of one card, packed into one string to keep a large book small.
class CardFields {
public:
    QString get(Field field) const;
    void set(Field field, const QString& value);

private:
    static constexpr int kPacked = 6;  // FormattedName .. Uid
    QString text_;
    std::array<qint32, kPacked> ends_{};
    QString categories_;
};

// What a card is to a book: its fields, and for a group card its members.
struct CardInfo {
    CardFields fields;
    bool isGroup = false;
    // False when a property behind a field names a character set this system
    // cannot decode: the fields are then a best guess.
    bool decoded = true;
    QStringList members;  // normalized UIDs
};

// Reads the fields straight from the card's bytes, parsing only the lines
// that carry them.
CardInfo readCardInfo(QByteArrayView card);
CardInfo readCardInfo(const QList<ContentLine>& properties);

// A UID as group members name it: without "urn:uuid:", lower case.
QString normalizedUid(QStringView uid);

// Every property of the card, in vCard 3.0 terms, without BEGIN, VERSION, END.
QList<ContentLine> readProperties(QByteArrayView card);

// Writes `value` into the properties behind `field`, creating them where
// missing; an empty value removes a phone number, an e-mail or the categories.
void setField(QList<ContentLine>& properties, Field field, const QString& value);

// The properties of a new card; `name` is "given family", the part after the
// last blank being the family name.
QList<ContentLine> newCardProperties(const QString& uid, const QString& name, const QString& email);

// The card's bytes with a UID line added before END, in the card's own line
// breaks; everything else stays as it was. A card where that line would not
// read as its UID (an empty UID comes first, or the last line would swallow
// it) is written anew as vCard 3.0 instead.
QByteArray withUidLine(QByteArrayView card, const QString& uid);

// A fresh UID for a card.
QString newUid();

}  // namespace pelicast::vcard
