// How changed cards are written: folding, escaping, and 2.1/4.0 properties
// brought into vCard 3.0 terms.
#include <QtTest>

#include "platform/vcard_reader.h"
#include "platform/vcard_writer.h"

using namespace pelicast::platform::vcard;

class TestVCardWriter : public QObject {
    Q_OBJECT

private slots:
    void foldsAt75OctetsWithoutCuttingCharacters_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("exactly 75") << QByteArray("NOTE:") + QByteArray(70, 'x');
        QTest::newRow("76") << QByteArray("NOTE:") + QByteArray(71, 'x');
        QTest::newRow("long ASCII") << QByteArray("NOTE:") + QByteArray(400, 'y');
        QTest::newRow("two-octet letters")
            << QByteArray("FN:") + QString(200, QChar(0xE9)).toUtf8();
        QTest::newRow("four-octet letters")
            << QByteArray("FN:a") + QString::fromUcs4(U"\U0001F600").repeated(60).toUtf8();
    }
    void foldsAt75OctetsWithoutCuttingCharacters() {
        QFETCH(QByteArray, line);
        const QByteArray folded = Fold(line);
        QVERIFY(folded.endsWith("\r\n"));
        const QList<QByteArray> lines = folded.chopped(2).split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray physical = i + 1 < lines.size() ? lines[i].chopped(1) : lines[i];
            QVERIFY(physical.size() <= 75);
            QVERIFY(i == 0 || physical.startsWith(' '));
            QVERIFY2(physical.isValidUtf8(), physical.constData());
        }
        LineReader reader(folded);
        QByteArrayView unfolded;
        QVERIFY(reader.Next(unfolded));
        QCOMPARE(unfolded.toByteArray(), line);
    }

    void escapeRoundTrips() {
        const QString text = QStringLiteral("a,b;c\\d\r\ne\nf");
        QCOMPARE(Escape(text), QStringLiteral("a\\,b\\;c\\\\d\\ne\\nf"));
        QCOMPARE(Unescape(Escape(text)), QStringLiteral("a,b;c\\d\ne\nf"));
    }

    void bringsPropertiesIntoVersion3_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("3.0 unchanged") << QByteArray("item1.TEL;TYPE=\"cell,voice\";PREF=1:+1")
                                       << QByteArray("item1.TEL;TYPE=\"cell,voice\";PREF=1:+1");
        QTest::newRow("bare types")
            << QByteArray("TEL;CELL;PREF:1") << QByteArray("TEL;TYPE=CELL;TYPE=PREF:1");
        QTest::newRow("quoted-printable UTF-8")
            << QByteArray("NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=A9=0D=0Ax")
            << QByteArray("NOTE:Zo\xC3\xA9\\nx");
        QTest::newRow("quoted-printable Latin-1")
            << QByteArray("FN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Ren=E9")
            << QByteArray("FN:Ren\xC3\xA9");
        QTest::newRow("undeclared Windows-1252")
            << QByteArray("FN:Ren\xE9 \x80") << QByteArray("FN:Ren\xC3\xA9 \xE2\x82\xAC");
        QTest::newRow("base64") << QByteArray("PHOTO;ENCODING=BASE64;JPEG:AA BB\tCC")
                                << QByteArray("PHOTO;ENCODING=b;TYPE=JPEG:AABBCC");
        QTest::newRow("odd bare parameter stays")
            << QByteArray("TEL;voice,cell:1") << QByteArray("TEL;voice,cell:1");
        QTest::newRow("no colon") << QByteArray("FN") << QByteArray("FN");
    }
    void bringsPropertiesIntoVersion3() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, expected);
        QCOMPARE(Serialize(ToVersion3(ParseLine(line))), expected);
    }
};

QTEST_GUILESS_MAIN(TestVCardWriter)
#include "test_vcard_writer.moc"
