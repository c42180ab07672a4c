// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the many ways other programs write a card, and writing it back in
// vCard 3.0 terms; real exports of other programs, and the inputs fuzzing
// found, pass every check of the fuzz target.
#include <QDirIterator>
#include <QtTest>

#include "vcard/book.h"
#include "vcard/writer.h"
#include "vcard_checks.h"

using namespace pelicast::vcard;
using namespace Qt::StringLiterals;

namespace {

const QString kCorpus = QStringLiteral(PELICAST_INTEROP_DIR);

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
        // `lines` sits between BEGIN and END lines with the ending `eol`.
        auto row = [](const char* name, const QByteArray& lines, Field field,
                      const QString& expected, const QByteArray& eol = "\r\n") {
            QTest::newRow(name) << "BEGIN:VCARD" + eol + lines + eol + "END:VCARD" + eol
                                << int(field) << expected;
        };
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

    void expectedFields_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("card");
        QTest::addColumn<QStringList>("expected");  // FN, family, given, cell, e-mail, categories
        // The expected fields are joined by "|".
        auto row = [](const char* file, int card, const QString& expected) {
            QTest::newRow(qPrintable(u"%1#%2"_s.arg(QLatin1String(file)).arg(card)))
                << QString::fromLatin1(file) << card << expected.split(u'|');
        };
        const QString enye = u"\u00d1"_s;
        row("ez-vcard/John_Doe_ANDROID.vcf", 2,
            QStringList(5, enye).join(u' ') + u" |"_s + QStringList(4, enye).join(u' ') +
                u" ||123456789||My Contacts"_s);
        row("kcontacts/testfullvcard.vcf", 0,
            u"Sherlock Holmes|Holmes|Sherlock|+44-555-555-6666|sherlock.holmes@gmail.com|"
            u"FICTION\nLITERATURE"_s);
        row("kcontacts/vcard9.vcf", 0,
            u"\u03b2\u03b3\u03b4\u03b5\u03b1\u03b2\u03b3\u03b41"_s.repeated(11) +
                u"|123\u3113\u3115\u3116bcde"_s + u"\u03b1\u03b2\u03b3\u03b4"_s.repeated(6) +
                u"\u03b1\u03b2\u3124\u3113\u3115\u3116||||"_s);
    }
    void expectedFields() {
        QFETCH(QString, file);
        QFETCH(int, card);
        QFETCH(QStringList, expected);
        const Book book(readAll(kCorpus + u'/' + file));
        QVERIFY(card < book.cardCount());
        QStringList fields;
        for (const Field field : {Field::FormattedName, Field::FamilyName, Field::GivenName,
                                  Field::CellPhone, Field::HomeEmail, Field::Categories})
            fields << book.info(card).fields.get(field).replace(u"\r\n"_s, u"\n"_s);
        QCOMPARE(fields, expected);
    }

    // Every field of every card of the real exports reads as recorded in
    // corpus_fields.txt, which the reader before its rewrite in one pass also
    // produced. After a deliberate change: PELICAST_RECORD_FIELDS=1 rewrites it.
    void corpusReadsAsRecorded() {
        QStringList paths;
        for (QDirIterator it(kCorpus, {u"*.vcf"_s}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            paths << it.next();
        QVERIFY(!paths.isEmpty());
        paths.sort();
        QString dump;
        for (const QString& path : std::as_const(paths)) {
            const Book book(readAll(path));
            for (int card = 0; card < book.cardCount(); ++card) {
                const CardInfo info = book.info(card);
                dump += QDir(kCorpus).relativeFilePath(path) + u'#' + QString::number(card) +
                        (info.isGroup ? u" group"_s : QString()) +
                        (info.decoded ? QString() : u" undecoded"_s);
                for (int field = 0; field < kFieldCount; ++field)
                    dump += u'|' + info.fields.get(Field(field)).replace(u"\r\n"_s, u"\\n"_s);
                dump += u'|' + info.members.join(u',') + u'\n';
            }
        }
        const QString recorded = QStringLiteral(PELICAST_CORPUS_FIELDS);
        if (qEnvironmentVariableIsSet("PELICAST_RECORD_FIELDS")) {
            QFile file(recorded);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(dump.toUtf8()) > 0);
        }
        QVERIFY(QFile::exists(recorded));
        QCOMPARE(dump, QString::fromUtf8(readAll(recorded)));
    }

    // Every file read, written, edited and saved as the fuzz target does: the
    // real exports, and the inputs fuzzing found.
    void invariantsHold_data() {
        QTest::addColumn<QString>("path");
        for (const QString& folder : {kCorpus, QStringLiteral(PELICAST_FUZZ_REGRESSIONS_DIR)}) {
            QDirIterator it(folder, {u"*.vcf"_s}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QTest::newRow(qPrintable(QDir(folder).relativeFilePath(path))) << path;
            }
        }
    }
    void invariantsHold() {
        QFETCH(QString, path);
        const QByteArray data = readAll(path);
        QVERIFY(isVCardText(data));
        const QString broken = brokenInvariant(data);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    // Crafted files that once took seconds to read: reading is linear.
    void readsInLinearTime_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("QP soft breaks without a colon")
            << "X;ENCODING=QUOTED-PRINTABLE;A=\r\n" + QByteArray("x=\r\n").repeated(150'000);
        QTest::newRow("QP soft breaks after a long head")
            << "X;ENCODING=QUOTED-PRINTABLE;A=\"" + QByteArray(300'000, ':') + "\":=\r\n" +
                   QByteArray("x=\r\n").repeated(80'000);
    }
    void readsInLinearTime() {
        QFETCH(QByteArray, lines);
        QElapsedTimer timer;
        timer.start();
        readCardInfo("BEGIN:VCARD\r\n" + lines + "\r\nEND:VCARD\r\n");
        QVERIFY2(timer.elapsed() < 2000, qPrintable(u"%1 ms"_s.arg(timer.elapsed())));
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
