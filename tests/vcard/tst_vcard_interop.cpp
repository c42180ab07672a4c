// SPDX-License-Identifier: GPL-3.0-or-later
// Real exports of other programs: each card reads as expected, writes and
// reads back with the same fields, and an edit keeps everything else.
#include <QDirIterator>
#include <QtTest>

#include "vcard/book.h"
#include "vcard/card.h"
#include "vcard/writer.h"

using namespace pelicast::vcard;
using namespace Qt::StringLiterals;

namespace {

const QString kCorpus = QStringLiteral(PELICAST_INTEROP_DIR);
constexpr Field kFields[] = {
    Field::FormattedName, Field::FamilyName, Field::GivenName, Field::CellPhone,
    Field::HomeEmail,     Field::Categories, Field::Uid};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fieldsOf(const CardInfo& info) {
    QStringList values;
    for (const Field field : kFields) {
        // vCard 3.0 writes every line break inside a value as \n.
        values << info.fields.get(field).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    }
    return values;
}

// The card's properties in vCard 3.0 terms, but for those an edit replaces.
QList<QByteArray> keptProperties(QByteArrayView card) {
    QList<QByteArray> lines;
    for (const ContentLine& line : readProperties(card)) {
        if (!line.is("UID") && !(line.is("TEL") && line.hasType("cell")))
            lines << serialize(line);
    }
    return lines;
}

// Whether `saved` is `original` with at most a UID line added.
bool sameBytesButUid(QByteArrayView original, QByteArrayView saved) {
    qsizetype head = 0;
    while (head < original.size() && head < saved.size() && original[head] == saved[head])
        ++head;
    qsizetype tail = 0;
    while (tail < original.size() - head && tail < saved.size() - head &&
           original[original.size() - 1 - tail] == saved[saved.size() - 1 - tail])
        ++tail;
    const QByteArrayView added = saved.sliced(head, saved.size() - original.size());
    return head + tail == original.size() && (added.isEmpty() || added.startsWith("UID:"));
}

}  // namespace

class TestVCardInterop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QDir(kCorpus).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() >= 2,
                 qPrintable(kCorpus));
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
        row("ez-vcard/John_Doe_EVOLUTION.vcf", 0,
            u"Mr. John Richter, James Doe Sr.|Doe|John|905-666-1234|john.doe@ibm.com|VIP"_s);
        row("ez-vcard/John_Doe_LOTUS_NOTES.vcf", 0,
            u"Mr. Doe John I Johny|Doe|John|+1 (212) 204-34456|john.doe@ibm.com|"_s);
        row("ez-vcard/outlook-2003.vcf", 0,
            u"John Doe III|Doe|John|MobilePhone|jdoe@hotmail.com|"_s);
        row("ez-vcard/thunderbird-MoreFunctionsForAddressBook-extension.vcf", 0,
            u"John Doe|Doe|John|555-555-5555|doe.john@hotmail.com|category1, category2, category3"_s);
        row("kcontacts/testfullvcard.vcf", 0,
            u"Sherlock Holmes|Holmes|Sherlock|+44-555-555-6666|sherlock.holmes@gmail.com|"
            u"FICTION\nLITERATURE"_s);
        row("kcontacts/vcard5.vcf", 0,
            u"Mustermann, Heiko|Mustermann|Heiko|0173 223344|heiko.mustermann@freenet.org|Friend"_s);
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
        QCOMPARE(fieldsOf(book.info(card)).first(6), expected);
    }

    void roundTripAndEdit_data() {
        QTest::addColumn<QString>("path");
        QDirIterator it(kCorpus, {u"*.vcf"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(QDir(kCorpus).relativeFilePath(path))) << path;
        }
    }
    void roundTripAndEdit() {
        QFETCH(QString, path);
        const QByteArray original = readAll(path);
        QVERIFY(isVCardText(original));
        const Book book(original);
        QVERIFY(book.cardCount() >= 1);
        for (int i = 0; i < book.cardCount(); ++i) {
            const Book again(writeCard(readProperties(book.rawCard(i))));
            QCOMPARE(again.cardCount(), 1);
            QCOMPARE(fieldsOf(again.info(0)), fieldsOf(book.info(i)));
        }

        // A new mobile number for the first card, saved: the other cards keep
        // their bytes, the edited one every other property.
        EditedCard edited{readProperties(book.rawCard(0)), {}, false};
        setField(edited.properties, Field::CellPhone, u"+41 79 555 01 02"_s);
        edited.info = readCardInfo(edited.properties);
        Edits edits;
        edits.changed.insert(0, edited);
        const Book saved(merge(book, edits, book));
        QCOMPARE(saved.cardCount(), book.cardCount());
        QCOMPARE(saved.info(0).fields.get(Field::CellPhone), u"+41 79 555 01 02"_s);
        QCOMPARE(keptProperties(saved.rawCard(0)), keptProperties(book.rawCard(0)));
        for (int i = 0; i < book.cardCount(); ++i) {
            QVERIFY(!saved.info(i).fields.get(Field::Uid).isEmpty());
            if (i > 0)
                QVERIFY2(sameBytesButUid(book.rawCard(i), saved.rawCard(i)),
                         QByteArray::number(i).constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardInterop)
#include "tst_vcard_interop.moc"
