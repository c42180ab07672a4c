#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "platform/vcard_reader.h"

// What the address book reads and writes of one card, and the properties
// behind each field.
namespace pelicast::platform::vcard {

enum class Field { Name, Surname, Firstname, CellPhone, HomeEmail, Uid, Groups1, Groups2, Unknown };

// The field called `name`, letter case ignored; Uid is not a field of the book.
Field FieldFromName(QStringView name);

// The text fields of one card, packed into one string to keep a large book small.
class CardFields {
public:
    QString Get(Field field) const;
    void Set(Field field, const QString& value);

private:
    static constexpr int kPacked = 6;  // Name .. Uid
    QString text_;
    std::array<qint32, kPacked> ends_{};
    QString groups1_;
};

// What a card is to the book: its fields, and for a group card its members.
struct CardInfo {
    CardFields fields;
    bool isGroup = false;
    QStringList members;  // normalized UIDs
};

// Reads the fields straight from the card's bytes, parsing only the lines
// that carry them.
CardInfo ReadCardInfo(QByteArrayView card);
CardInfo ReadCardInfo(const QList<ContentLine>& properties);

// A UID as group members name it: without "urn:uuid:", lower case.
QString NormalizedUid(QStringView uid);

// Every property of the card, in vCard 3.0 terms, without BEGIN, VERSION, END.
QList<ContentLine> ReadProperties(QByteArrayView card);

// Writes `value` into the properties behind `field`, creating them where
// missing; an empty value removes a phone number, an e-mail or the categories.
void SetField(QList<ContentLine>& properties, Field field, const QString& value);

// The properties of a new card.
QList<ContentLine> NewCardProperties(const QString& uid, const QString& name, const QString& email);

// The card's bytes with a UID line added before END, in the card's own line
// breaks; everything else stays as it was.
QByteArray WithUidLine(QByteArrayView card, const QString& uid);

// A fresh UID for a card.
QString NewUid();

}  // namespace pelicast::platform::vcard
