// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the many ways other programs write a card, and writing it back in
// vCard 3.0 terms.
#include <QtTest>

#include "vcard/card.h"
#include "vcard/reader.h"
#include "vcard/writer.h"

using namespace pelicast::vcard;
using namespace Qt::StringLiterals;

class TestVCardReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsFields_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("expected");
        // `lines` sits between BEGIN and END lines with the ending `eol`.
        auto row = [](const char* name, const QByteArray& lines, Field field,
                      const QString& expected, const QByteArray& eol = "\r\n") {
            QTest::newRow(name) << "BEGIN:VCARD" + eol + lines + eol + "END:VCARD" + eol
                                << int(field) << expected;
        };
        row("LF", "FN:A", Field::FormattedName, u"A"_s, "\n");
        row("CR", "FN:A", Field::FormattedName, u"A"_s, "\r");
        row("CR CR LF fold", "FN:An\r\r\n na", Field::FormattedName, u"Anna"_s, "\r\r\n");
        row("continuation after a blank line", "FN:An\r\n\r\n na", Field::FormattedName, u"Anna"_s);
        row("fold inside UTF-8", "FN:Zo\xC3\r\n \xA9", Field::FormattedName, u"Zoé"_s);
        row("QP soft break",
            "VERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=\r\n=A9 =\r\nB",
            Field::FormattedName, u"Zoé B"_s);
        row("QP Latin-1", "FN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Ren=E9", Field::FormattedName,
            u"René"_s);
        row("undeclared Windows-1252", "FN:Ren\xE9 \x80", Field::FormattedName, u"René €"_s);
        row("stray surrogate from UTF-7", "N;CHARSET=UTF-7:+BX7ZWa", Field::FamilyName,
            u"\u057e?"_s);
        row("bare CELL", "TEL;CELL:1", Field::CellPhone, u"1"_s);
        row("first cell wins", "TEL;TYPE=voice:0\r\nTEL;TYPE=cell,voice:2\r\nTEL;CELL:3",
            Field::CellPhone, u"2"_s);
        row("quoted TYPE list", "TEL;TYPE=\"voice,cell\":3", Field::CellPhone, u"3"_s);
        row("tel URI", "TEL;VALUE=uri;TYPE=cell:tel:+1-2", Field::CellPhone, u"+1-2"_s);
        row("grouped", "item1.TEL;type=CELL:4\r\nitem1.X-ABLabel:x", Field::CellPhone, u"4"_s);
        row("escapes", "N:O\\;Neil\\\\x;A\\, B\\nC;;;", Field::GivenName, u"A, B\nC"_s);
        row("escaped comma in category", "CATEGORIES:A\\, B,C", Field::Categories, u"A, B\r\nC"_s);
        row("home email preferred", "EMAIL:w@x\r\nEMAIL;TYPE=INTERNET,HOME:h@x", Field::HomeEmail,
            u"h@x"_s);
        row("any email else", "EMAIL;TYPE=WORK:w@x", Field::HomeEmail, u"w@x"_s);
        row("no colon is no property", "TEL;CELL\r\nTEL;CELL:5", Field::CellPhone, u"5"_s);
    }
    void readsFields() {
        QFETCH(QByteArray, card);
        QFETCH(int, field);
        QFETCH(QString, expected);
        QCOMPARE(splitCards(card).size(), 1);
        QCOMPARE(readCardInfo(card).fields.get(Field(field)), expected);
        // The same through the properties a changed card is written from.
        QCOMPARE(readCardInfo(readProperties(card)).fields.get(Field(field)), expected);
    }

    void unknownCharsetIsNotDecoded() {
        const QByteArray card = "BEGIN:VCARD\r\nFN;CHARSET=X-NO-SUCH-SET:Ab\r\nEND:VCARD\r\n";
        QVERIFY(!readCardInfo(card).decoded);
        QVERIFY(
            readCardInfo("BEGIN:VCARD\r\nNOTE;CHARSET=X-NO-SUCH-SET:Ab\r\nEND:VCARD\r\n").decoded);
    }

    void foldsAt75OctetsWithoutCuttingCharacters_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("exactly 75") << QByteArray("NOTE:") + QByteArray(70, 'x');
        QTest::newRow("76") << QByteArray("NOTE:") + QByteArray(71, 'x');
        QTest::newRow("two-octet letters") << "FN:" + QString(200, QChar(0xE9)).toUtf8();
        QTest::newRow("four-octet letters")
            << "FN:a" + QString::fromUcs4(U"\U0001F600").repeated(60).toUtf8();
    }
    void foldsAt75OctetsWithoutCuttingCharacters() {
        QFETCH(QByteArray, line);
        const QByteArray folded = fold(line);
        const QList<QByteArray> lines = folded.chopped(2).split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray physical = i + 1 < lines.size() ? lines[i].chopped(1) : lines[i];
            QVERIFY(physical.size() <= 75);
            QVERIFY2(physical.isValidUtf8(), physical.constData());
        }
        LineReader reader(folded);
        QByteArrayView unfolded;
        QVERIFY(reader.next(unfolded));
        QCOMPARE(unfolded.toByteArray(), line);
    }

    void escapeRoundTrips() {
        const QString text = u"a,b;c\\d\r\ne\nf"_s;
        QCOMPARE(unescape(escape(text)), u"a,b;c\\d\ne\nf"_s);
    }

    void bringsPropertiesIntoVersion3_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");
        auto row = [](const char* line, const char* expected) {
            QTest::newRow(line) << QByteArray(line) << QByteArray(expected);
        };
        row("item1.TEL;TYPE=\"cell,voice\";PREF=1:+1", "item1.TEL;TYPE=\"cell,voice\";PREF=1:+1");
        row("TEL;CELL;PREF:1", "TEL;TYPE=CELL;TYPE=PREF:1");
        row("NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=A9=0D=0Ax", "NOTE:Zo\xC3\xA9\\nx");
        row("FN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Ren=E9", "FN:Ren\xC3\xA9");
        row("PHOTO;ENCODING=BASE64;JPEG:AA BB\tCC", "PHOTO;ENCODING=b;TYPE=JPEG:AABBCC");
        row("TEL;voice,cell:1", "TEL;voice,cell:1");
        row("FN", "FN");
    }
    void bringsPropertiesIntoVersion3() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, expected);
        QCOMPARE(serialize(toVersion3(parseLine(line))), expected);
    }
};

QTEST_GUILESS_MAIN(TestVCardReader)
#include "tst_vcard_reader.moc"
