// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes through everything that reads a vCard file, and checks
// what must hold whatever the input: nothing is lost by splitting, written
// cards read back as one card with the same fields, and written lines stay
// within 75 octets.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "vcard/book.h"
#include "vcard/card.h"
#include "vcard/reader.h"
#include "vcard/writer.h"

using namespace pelicast::vcard;

namespace {

void fail(int line) {
    std::fprintf(stderr, "invariant broken at fuzz_vcard_reader.cpp:%d\n", line);
    std::abort();
}

#define CHECK(condition)    \
    do {                    \
        if (!(condition))   \
            fail(__LINE__); \
    } while (false)

// vCard 3.0 writes every line break inside a value as \n, so CR LF reads back as LF.
QString lineBreaksAsLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void checkFolded(const QByteArray& written) {
    for (const QByteArray& line : written.split('\n')) {
        CHECK(line.size() <= 76);  // 75 octets and the CR
    }
}

void checkCard(QByteArrayView raw, const CardInfo& info) {
    QList<ContentLine> properties = readProperties(raw);
    const QByteArray written = writeCard(properties);
    checkFolded(written);
    const Book again(written);
    CHECK(again.cardCount() == 1);
    const CardFields& before = info.fields;
    const CardFields& after = again.info(0).fields;
    for (const Field field : {Field::FormattedName, Field::FamilyName, Field::GivenName,
                              Field::CellPhone, Field::HomeEmail, Field::Uid, Field::Categories}) {
        CHECK(lineBreaksAsLf(before.get(field)) == lineBreaksAsLf(after.get(field)));
    }
    setField(properties, Field::FamilyName, QStringLiteral("a;b,c\\d\ne"));
    setField(properties, Field::CellPhone, QStringLiteral("+1 2"));
    setField(properties, Field::Categories, QStringLiteral("x,y\r\nz"));
    const Book edited(writeCard(properties));
    CHECK(edited.cardCount() == 1);
    CHECK(edited.info(0).fields.get(Field::FamilyName) == QStringLiteral("a;b,c\\d\ne"));
    CHECK(edited.info(0).fields.get(Field::CellPhone) == QStringLiteral("+1 2"));
    CHECK(edited.info(0).fields.get(Field::Categories) == QStringLiteral("x,y\r\nz"));
}

// Whether everything outside the cards is blank (or the byte-order mark).
bool onlyCards(const QByteArray& bytes, const Book& book) {
    for (const Segment& segment : book.segments()) {
        QByteArray other = bytes.sliced(segment.begin, segment.end - segment.begin);
        if (segment.begin == 0 && other.startsWith("\xEF\xBB\xBF"))
            other.remove(0, 3);
        if (!segment.isCard && !other.trimmed().isEmpty())
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype covered = 0;
    for (const Segment& segment : splitCards(bytes)) {
        CHECK(segment.begin == covered && segment.end > segment.begin);
        covered = segment.end;
    }
    CHECK(covered == bytes.size());
    if (!isVCardText(bytes))
        return 0;
    const Book book(bytes);
    for (int i = 0; i < book.cardCount(); ++i)
        checkCard(book.rawCard(i), book.info(i));
    // Saving without edits changes nothing but the UIDs it adds.
    const Book saved(merge(book, Edits{}, book));
    CHECK(saved.cardCount() == book.cardCount());
    CHECK(saved.contacts().size() == book.contacts().size());
    if (!book.contacts().isEmpty()) {
        Edits edits;
        edits.deleted.insert(book.contacts().first());
        const Book removed(merge(book, edits, book));
        // Bytes kept as they are (a truncated card) may join with what follows
        // the removed card and read as a card then; only a clean file counts exactly.
        CHECK(removed.contacts().size() <= book.contacts().size());
        if (onlyCards(bytes, book))
            CHECK(removed.contacts().size() == book.contacts().size() - 1);
    }
    return 0;
}
