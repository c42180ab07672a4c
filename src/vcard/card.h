// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <utility>

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

constexpr int kFieldCount = 7;
// Where each field's text ends, counted from the start of the first.
using FieldEnds = std::array<quint32, kFieldCount>;

// The text fields of one card, packed into one UTF-8 text to keep a large book
// small.
class CardFields {
public:
    CardFields() = default;
    CardFields(QByteArray text, const FieldEnds& ends) : text_(std::move(text)), ends_(ends) {}
    QString get(Field field) const { return QString::fromUtf8(utf8(field)); }
    QByteArrayView utf8(Field field) const;

private:
    QByteArray text_;
    FieldEnds ends_{};
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

// Reads the fields of card after card into one text, reusing its buffers.
class FieldReader {
public:
    FieldReader();
    ~FieldReader();
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;
    // Appends the fields of `card` to `text` in Field order; `ends` receive
    // where each ends, counted from where the first begins. The fields of the
    // CardInfo returned are left empty.
    CardInfo read(QByteArrayView card, QByteArray& text, FieldEnds& ends);
    CardInfo read(const QList<ContentLine>& properties, QByteArray& text, FieldEnds& ends);

private:
    class Collector;
    std::unique_ptr<Collector> collector_;
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

// Takes the member of UID `uid` (normalized) out of a group card's MEMBER or
// X-ADDRESSBOOKSERVER-MEMBER lines; false when the card does not list it.
bool removeMember(QList<ContentLine>& properties, const QString& uid);

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
