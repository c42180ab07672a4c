// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold for any bytes read as a vCard file: splitting loses nothing;
// every card written and read back has the same fields and properties, in
// lines of at most 75 octets that never cut a character; and a save with
// cards kept, edited, deleted, added and imported writes exactly those cards
// and keeps every byte outside them.
#include "vcard_checks.h"

#include <QStringList>

#include "vcard/book.h"
#include "vcard/card.h"
#include "vcard/reader.h"
#include "vcard/writer.h"

namespace pelicast::vcard {

using namespace Qt::StringLiterals;

namespace {

#define REQUIRE(condition)                                                                    \
    do {                                                                                      \
        if (!(condition))                                                                     \
            return u"vcard_checks.cpp:%1: %2"_s.arg(__LINE__).arg(QLatin1String(#condition)); \
    } while (false)

#define REQUIRE_NOTHING_BROKEN(check) \
    do {                              \
        QString broken = (check);     \
        if (!broken.isEmpty())        \
            return broken;            \
    } while (false)

constexpr Field kFields[] = {
    Field::FormattedName, Field::FamilyName, Field::GivenName, Field::CellPhone,
    Field::HomeEmail,     Field::Categories, Field::Uid};

// vCard 3.0 writes every line break inside a value as \n, so CR LF reads back
// as LF.
QString lineBreaksAsLf(QString text) {
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

// What must read back the same; `anyUid` leaves out the UID, which a save
// gives a card that has none.
QStringList fieldsOf(const CardInfo& info, bool anyUid = false) {
    QStringList values;
    for (const Field field : kFields) {
        if (!(anyUid && field == Field::Uid))
            values << lineBreaksAsLf(info.fields.get(field));
    }
    values << (info.isGroup ? u"group"_s : QString()) << info.members.join(u'\n');
    return values;
}

QList<QByteArray> serialized(const QList<ContentLine>& properties) {
    QList<QByteArray> lines;
    for (const ContentLine& line : properties)
        lines << serialize(line);
    return lines;
}

// The properties an edit of given name, mobile number and categories leaves
// alone.
QList<QByteArray> untouched(const QList<ContentLine>& properties) {
    QList<ContentLine> kept;
    for (const ContentLine& line : properties) {
        const bool touched =
            line.hasColon && (line.is("N") || line.is("CATEGORIES") || line.is("UID") ||
                              (line.is("TEL") && line.hasType("cell")));
        if (!touched)
            kept << line;
    }
    return serialized(kept);
}

QString checkWritten(QByteArrayView raw, const CardInfo& info) {
    const QList<ContentLine> properties = readProperties(raw);
    REQUIRE(fieldsOf(readCardInfo(properties)) == fieldsOf(info));
    const QByteArray written = writeCard(properties);
    // Folding never cuts a UTF-8 character.
    const bool utf8 = written.isValidUtf8();
    for (const QByteArray& line : written.split('\n')) {
        REQUIRE(line.size() <= 76);  // 75 octets and the CR
        REQUIRE(!utf8 || line.trimmed().isValidUtf8());
    }
    const Book again(written);
    REQUIRE(again.cardCount() == 1);
    REQUIRE(fieldsOf(again.info(0)) == fieldsOf(info));
    REQUIRE(serialized(readProperties(again.rawCard(0))) == serialized(properties));
    return {};
}

// Whether everything outside the cards is blank (or the byte-order mark):
// other bytes kept as they are (a truncated card) may join with what a save
// puts after them and read as a card then.
bool onlyCards(QByteArrayView data, const Book& book) {
    for (const Segment& segment : book.segments()) {
        QByteArrayView other = data.sliced(segment.begin, segment.end - segment.begin);
        if (segment.begin == 0 && other.startsWith("\xEF\xBB\xBF"))
            other = other.sliced(3);
        if (!segment.isCard && !other.trimmed().isEmpty())
            return false;
    }
    return true;
}

// A card at the end of a file may lack its line break, which a card after it
// brings.
QByteArrayView withoutLineBreak(QByteArrayView card) {
    while (card.endsWith('\n') || card.endsWith('\r'))
        card.chop(1);
    return card;
}

struct Expected {
    CardInfo info;
    bool anyUid = false;
    QByteArrayView bytes;   // a card kept with its UID keeps its bytes
    QByteArrayView edited;  // the card an edit started from
};

// An edit as the contact editor makes it, with values the input chose.
QString edit(QByteArrayView raw, const CardInfo& info, EditedCard& card) {
    card.properties = readProperties(raw);
    const QString given = info.fields.get(Field::FormattedName);
    const QString mobile = info.fields.get(Field::FamilyName);
    setField(card.properties, Field::GivenName, given);
    setField(card.properties, Field::CellPhone, mobile);
    setField(card.properties, Field::Categories, info.fields.get(Field::HomeEmail));
    card.info = readCardInfo(card.properties);
    REQUIRE(lineBreaksAsLf(card.info.fields.get(Field::GivenName)) == lineBreaksAsLf(given));
    if (!mobile.isEmpty() && !mobile.startsWith(u"tel:"_s, Qt::CaseInsensitive))
        REQUIRE(lineBreaksAsLf(card.info.fields.get(Field::CellPhone)) == lineBreaksAsLf(mobile));
    return {};
}

QString checkSave(QByteArrayView data, const Book& book) {
    Edits edits;
    QList<Expected> expected;
    for (int i = 0; i < book.cardCount(); ++i) {
        const CardInfo& info = book.info(i);
        const bool hasUid = !info.fields.get(Field::Uid).isEmpty();
        if (i % 3 == 0) {
            const QByteArrayView bytes =
                hasUid ? withoutLineBreak(book.rawCard(i)) : QByteArrayView();
            expected.append({info, !hasUid, bytes, {}});
        } else if (i % 3 == 1) {
            EditedCard card;
            REQUIRE_NOTHING_BROKEN(edit(book.rawCard(i), info, card));
            expected.append({card.info, !hasUid, {}, book.rawCard(i)});
            edits.changed.insert(i, card);
        } else {
            edits.deleted.insert(i);
        }
    }
    const QString name =
        book.cardCount() > 0 ? book.info(0).fields.get(Field::FormattedName) : u"Zoé Dupont"_s;
    EditedCard added{newCardProperties(newUid(), name, u"z@x"_s), {}, false};
    setField(added.properties, Field::CellPhone, u"+30 222 222"_s);
    added.info = readCardInfo(added.properties);
    edits.created.append(added);
    expected.append({added.info, false, {}, {}});
    if (book.cardCount() > 0) {
        EditedCard imported{readProperties(book.rawCard(0)), {}, false, true};
        if (book.info(0).fields.get(Field::Uid).isEmpty())
            setField(imported.properties, Field::Uid, newUid());
        imported.info = readCardInfo(imported.properties);
        edits.created.append(imported);
        expected.append({imported.info, false, {}, {}});
    }

    const QByteArray merged = merge(book, edits, book);
    // Bytes outside the cards are kept as they are, in order.
    qsizetype kept = 0;
    for (const Segment& segment : book.segments()) {
        const QByteArrayView other = data.sliced(segment.begin, segment.end - segment.begin);
        if (!segment.isCard) {
            kept = merged.indexOf(other, kept);
            REQUIRE(kept >= 0);
            kept += other.size();
        }
    }
    const Book saved(merged);
    if (!onlyCards(data, book))
        return {};
    REQUIRE(saved.cardCount() == expected.size());
    for (int k = 0; k < saved.cardCount(); ++k) {
        const Expected& card = expected[k];
        REQUIRE(fieldsOf(saved.info(k), card.anyUid) == fieldsOf(card.info, card.anyUid));
        REQUIRE(!saved.info(k).fields.get(Field::Uid).isEmpty());
        REQUIRE(card.bytes.isEmpty() || withoutLineBreak(saved.rawCard(k)) == card.bytes);
        REQUIRE(card.edited.isEmpty() || untouched(readProperties(saved.rawCard(k))) ==
                                             untouched(readProperties(card.edited)));
    }
    // Saved again from the same reading onto the saved file, as a second
    // import at the same time would: the imported card is there already.
    int leftOut = -1;
    merge(book, edits, saved, &leftOut);
    REQUIRE(leftOut == (book.cardCount() > 0 && !book.info(0).isGroup ? 1 : 0));
    return {};
}

}  // namespace

QString brokenInvariant(QByteArrayView data) {
    qsizetype covered = 0;
    for (const Segment& segment : splitCards(data)) {
        REQUIRE(segment.begin == covered && segment.end > segment.begin);
        covered = segment.end;
    }
    REQUIRE(covered == data.size());
    if (!isVCardText(data))
        return {};
    const Book book(data.toByteArray());
    for (int i = 0; i < book.cardCount(); ++i)
        REQUIRE_NOTHING_BROKEN(checkWritten(book.rawCard(i), book.info(i)));
    return checkSave(data, book);
}

}  // namespace pelicast::vcard
