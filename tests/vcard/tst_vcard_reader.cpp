// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the many ways other programs write a card, and writing it back in
// vCard 3.0 terms; our own corpus of such exports, real exports of other
// programs (optional: PELICAST_INTEROP_DIR) and the inputs fuzzing found pass
// every check of the fuzz target.
#include <QDirIterator>
#include <QtTest>

#include "vcard/book.h"
#include "vcard/writer.h"
#include "vcard_checks.h"

using namespace pelicast::vcard;
using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestVCardReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsFields_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("expected");
        // `lines` sits between BEGIN and END lines with the ending `eol`. The
        // shapes of whole exports are in the corpus below.
        auto row = [](const char* name, const QByteArray& lines, Field field,
                      const QString& expected, const QByteArray& eol = "\r\n") {
            QTest::newRow(name) << "BEGIN:VCARD" + eol + lines + eol + "END:VCARD" + eol
                                << int(field) << expected;
        };
        row("CR", "FN:A", Field::FormattedName, u"A"_s, "\r");
        row("continuation after a blank line", "FN:An\r\n\r\n na", Field::FormattedName, u"Anna"_s);
        row("undeclared Windows-1252", "FN:Ren\xE9 \x80", Field::FormattedName, u"René €"_s);
        row("stray surrogate from UTF-7", "N;CHARSET=UTF-7:+BX7ZWa", Field::FamilyName,
            u"\u057e?"_s);
        row("escapes", "N:O\\;Neil\\\\x;A\\, B\\nC;;;", Field::GivenName, u"A, B\nC"_s);
        row("folded lines one after another", "FN:An\r\n na\r\nN:Be\r\n rg", Field::FormattedName,
            u"Anna"_s);
        row("category trimmed of a no-break space",
            "CATEGORIES:\xC2\xA0"
            "A ,B",
            Field::Categories, u"A\r\nB"_s);
        row("no colon is no property", "TEL;CELL\r\nTEL;CELL:5", Field::CellPhone, u"5"_s);
        row("no soft break without a colon", "X;ENCODING=QUOTED-PRINTABLE;A=\r\nTEL;CELL:5",
            Field::CellPhone, u"5"_s);
    }
    void readsFields() {
        QFETCH(QByteArray, card);
        QFETCH(int, field);
        QFETCH(QString, expected);
        QCOMPARE(splitCards(card).size(), 1);
        QCOMPARE(readCardInfo(card).fields.get(Field(field)), expected);
    }

    // Each corpus: every file passes every check of the fuzz target (so its
    // photos and other properties survive an edit and a save), and every
    // field of every card reads as its table records. The table of our own
    // corpus is written by hand; that of the exports of other programs was
    // recorded from the reader before its rewrite in one pass. After a
    // deliberate change, PELICAST_RECORD_FIELDS=1 rewrites the tables.
    void corpus_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("table");  // empty: none
        QTest::newRow("own") << QStringLiteral(PELICAST_OWN_CORPUS)
                             << QStringLiteral(PELICAST_OWN_CORPUS_FIELDS);
        QTest::newRow("fuzz regressions")
            << QStringLiteral(PELICAST_FUZZ_REGRESSIONS_DIR) << QString();
        QTest::newRow("interop") << QStringLiteral(PELICAST_INTEROP_DIR)
                                 << QStringLiteral(PELICAST_INTEROP_CORPUS_FIELDS);
    }
    void corpus() {
        QFETCH(QString, folder);
        QFETCH(QString, table);
        if (folder.isEmpty()) {
            const char* const absent =
                "No interop corpus: set the CMake cache variable PELICAST_INTEROP_DIR to its "
                "folder";
            if (qEnvironmentVariableIsSet("PELICAST_REQUIRE_INTEROP"))
                QFAIL(absent);
            QSKIP(absent);
        }
        QStringList paths;
        for (QDirIterator it(folder, {u"*.vcf"_s}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            paths << it.next();
        QVERIFY2(!paths.isEmpty(), qPrintable(u"No vCard files in "_s + folder));
        paths.sort();
        QString dump;
        for (const QString& path : std::as_const(paths)) {
            const QByteArray data = readAll(path);
            const QString broken = isVCardText(data) ? brokenInvariant(data) : u"not vCard"_s;
            QVERIFY2(broken.isEmpty(), qPrintable(path + u": "_s + broken));
            const Book book(data);
            for (int card = 0; card < book.cardCount(); ++card) {
                const CardInfo info = book.info(card);
                dump += QDir(folder).relativeFilePath(path) + u'#' + QString::number(card) +
                        (info.isGroup ? u" group"_s : QString()) +
                        (info.decoded ? QString() : u" undecoded"_s);
                for (int field = 0; field < kFieldCount; ++field)
                    dump += u'|' + info.fields.get(Field(field)).replace(u"\r\n"_s, u"\\n"_s);
                dump += u'|' + info.members.join(u',') + u'\n';
            }
        }
        if (table.isEmpty())
            return;
        if (qEnvironmentVariableIsSet("PELICAST_RECORD_FIELDS")) {
            QFile file(table);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(dump.toUtf8()) > 0);
        }
        QVERIFY(QFile::exists(table));
        QCOMPARE(dump.split(u'\n'), QString::fromUtf8(readAll(table)).split(u'\n'));
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
