// Feeds arbitrary bytes through everything that reads a vCard file, and checks
// what must hold whatever the input: nothing is lost by splitting, written
// cards read back as one card with the same fields, and written lines stay
// within 75 octets.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/vcard_book.h"
#include "platform/vcard_card.h"
#include "platform/vcard_reader.h"
#include "platform/vcard_writer.h"

using namespace pelicast::platform::vcard;

namespace {

void Fail(int line) {
    std::fprintf(stderr, "invariant broken at fuzz_vcard_reader.cpp:%d\n", line);
    std::abort();
}

#define Check(condition)    \
    do {                    \
        if (!(condition))   \
            Fail(__LINE__); \
    } while (false)

// vCard 3.0 writes every line break inside a value as \n, so CR LF reads back as LF.
QString LineBreaksAsLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void CheckFolded(const QByteArray& written) {
    for (const QByteArray& line : written.split('\n')) {
        Check(line.size() <= 76);  // 75 octets and the CR
    }
}

void CheckCard(QByteArrayView raw, const CardInfo& info) {
    QList<ContentLine> properties = ReadProperties(raw);
    const QByteArray written = WriteCard(properties);
    CheckFolded(written);
    const Book again(written);
    Check(again.CardCount() == 1);
    const CardFields& before = info.fields;
    const CardFields& after = again.Info(0).fields;
    for (const Field field : {Field::Name, Field::Surname, Field::Firstname, Field::CellPhone,
                              Field::HomeEmail, Field::Uid, Field::Groups1}) {
        Check(LineBreaksAsLf(before.Get(field)) == LineBreaksAsLf(after.Get(field)));
    }
    SetField(properties, Field::Surname, QStringLiteral("a;b,c\\d\ne"));
    SetField(properties, Field::CellPhone, QStringLiteral("+1 2"));
    SetField(properties, Field::Groups1, QStringLiteral("x,y\r\nz"));
    const Book edited(WriteCard(properties));
    Check(edited.CardCount() == 1);
    Check(edited.Info(0).fields.Get(Field::Surname) == QStringLiteral("a;b,c\\d\ne"));
    Check(edited.Info(0).fields.Get(Field::CellPhone) == QStringLiteral("+1 2"));
    Check(edited.Info(0).fields.Get(Field::Groups1) == QStringLiteral("x,y\r\nz"));
}

// Whether everything outside the cards is blank (or the byte-order mark).
bool OnlyCards(const QByteArray& bytes, const Book& book) {
    for (const Segment& segment : book.Segments()) {
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
    for (const Segment& segment : SplitCards(bytes)) {
        Check(segment.begin == covered && segment.end > segment.begin);
        covered = segment.end;
    }
    Check(covered == bytes.size());
    if (!IsVCardText(bytes))
        return 0;
    const Book book(bytes);
    for (int i = 0; i < book.CardCount(); ++i)
        CheckCard(book.RawCard(i), book.Info(i));
    // Saving without edits changes nothing but the UIDs it adds.
    const Book saved(Merge(book, Edits{}, book));
    Check(saved.CardCount() == book.CardCount());
    Check(saved.Records().size() == book.Records().size());
    if (!book.Records().isEmpty()) {
        Edits edits;
        edits.deleted.insert(book.Records().first());
        const Book removed(Merge(book, edits, book));
        // Bytes kept as they are (a truncated card) may join with what follows
        // the removed card and read as a card then; only a clean file counts exactly.
        Check(removed.Records().size() <= book.Records().size());
        if (OnlyCards(bytes, book))
            Check(removed.Records().size() == book.Records().size() - 1);
    }
    return 0;
}
