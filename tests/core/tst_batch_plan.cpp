// SPDX-License-Identifier: GPL-3.0-or-later
// Personal messages to many: the recipients of a list file or a typed text,
// their fields, and the requests a batch makes of them.
#include <QTemporaryDir>
#include <QtTest>

#include "core/book/address_book.h"
#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/message/batch_plan.h"
#include "core/message/first_occurrence.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

using Missing = BatchOptions::Missing;
using TooLong = BatchOptions::TooLong;
Q_DECLARE_METATYPE(BatchOptions)

class TestBatchPlan : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& contents) {
        QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    RecipientList listOf(const QByteArray& csv, const QString& region) {
        Expected<RecipientTable> table = RecipientTable::read(write(u"list.csv"_s, csv));
        if (!table)
            qFatal("%s", qPrintable(table.error()));
        const int column = table->numberColumn();
        return RecipientList::fromTable(std::move(*table), column, region);
    }

    static QStringList leftOutTexts(const RecipientList& list) {
        QStringList texts;
        for (const LeftOutRecipient& left : list.leftOut())
            texts.append(left.text());
        return texts;
    }

private Q_SLOTS:
    void fillsFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled");
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("names without regard to case or blanks")
            << u"Dear {First} from { TOWN }"_s << u"Dear Ana from Kos"_s << QList<int>()
            << QStringList();
        QTest::newRow("doubled braces")
            << u"{{first}} }} {{"_s << u"{first} } {"_s << QList<int>() << QStringList();
        QTest::newRow("a missing value left empty")
            << u"Hi {first} {last}!"_s << u"Hi Ana !"_s << QList<int>{1} << QStringList();
        QTest::newRow("what is no field stays as typed")
            << u"{Colour} :-} {x\n{first}{} {first"_s << u"{Colour} :-} {x\nAna{} {first"_s
            << QList<int>() << QStringList{u"Colour"_s};
    }
    void fillsFields() {
        QFETCH(QString, text);
        const QStringList values{u"Ana"_s, QString(), u"Ana Nikolić"_s, u"Kos"_s};
        const PersonalText personal(text, {u"first"_s, u"last"_s, u"name"_s, u"Town"_s});
        const PersonalText::Filled filled = personal.fill([&](int i) { return values.at(i); });
        QTEST(filled.text, "filled");
        QTEST(filled.missing, "missing");
        QTEST(personal.unknownFields(), "unknown");
        QCOMPARE(fieldsInText(u"{a} {A} {{b}} { c }{}"), (QStringList{u"a"_s, u"c"_s}));
    }

    // The first row of a number gets the message; the others are listed.
    void recipientsOfAFile_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("leftOut");
        QTest::newRow("in a region")
            << u"GR"_s << QStringList{u"694 111 2222"_s, u"694-111-2223"_s}
            << QStringList{u"Row 3: “+30 6941112222” has the number of row 2."_s,
                           u"Row 4 has no number."_s,
                           u"Row 5: “12” is not a possible phone number."_s,
                           u"Row 8: “694;1112224” is not a possible phone number."_s};
        QTest::newRow("compared as text")
            << QString()
            << QStringList{u"694 111 2222"_s, u"+30 6941112222"_s, u"12"_s, u"694-111-2223"_s}
            << QStringList{u"Row 4 has no number."_s,
                           u"Row 8: “694;1112224” is not a possible phone number."_s};
    }
    void recipientsOfAFile() {
        QFETCH(QString, region);
        const RecipientList list = listOf(
            "Name,Mobile\nAnna,694 111 2222\nBob,+30 6941112222\nCarl,\nDora,12\n\n"
            "Eve,694-111-2223\nFay,\"694;1112224\"\n",
            region);
        QStringList kept;
        for (qsizetype i = 0; i < list.count(); ++i)
            kept.append(list.element(i));
        QTEST(kept, "kept");
        QTEST(leftOutTexts(list), "leftOut");
        QCOMPARE(list.value(list.count() - 1, list.fieldIndex(u"NAME")), u"Eve"_s);
    }

    void recipientsOfATypedText() {
        const auto card = [](const char* lines) {
            return "BEGIN:VCARD\nVERSION:3.0\n" + QByteArray(lines) + "\nEND:VCARD\n";
        };
        AddressBook book(
            write(u"book.vcf"_s,
                  card("FN:Ana Nikolić\nN:Nikolić;Ana\nTEL;TYPE=CELL:6941110001\nCATEGORIES:Club") +
                      card("N:Doe;Jo\nTEL;TYPE=CELL:6941110002\nCATEGORIES:Club")));
        QVERIFY(book.load());
        const RecipientList list = RecipientList::fromText(
            u"+30 694 111 0002;Club (group);6941110003;Nikolić, Ana (6941110001);Choir (group)"_s,
            book, u"GR"_s);
        QStringList recipients;
        for (qsizetype i = 0; i < list.count(); ++i)
            recipients.append(list.at(i).element + u'|' + list.at(i).values.join(u'|'));
        QCOMPARE(recipients, (QStringList{u"+30 694 111 0002|Jo|Doe|Jo Doe"_s,
                                          u"Nikolić, Ana (6941110001)|Ana|Nikolić|Ana Nikolić"_s,
                                          u"6941110003|||"_s}));
        QCOMPARE(
            leftOutTexts(list),
            (QStringList{
                u"“Doe, Jo (6941110002)” has the number of “+30 694 111 0002”."_s,
                u"“Nikolić, Ana (6941110001)” has the number of “Nikolić, Ana (6941110001)”."_s,
                u"“Choir (group)” has no member with a mobile number."_s}));
    }

    // Two keys whose hashes agree are still told apart.
    void findsRepeatsWhereHashesAgree() {
        QHash<quint32, QString> met;
        QStringList keys;
        for (int i = 0; keys.isEmpty(); ++i) {
            const QString key = QString::number(i);
            const auto hash = quint32(qHash(key, QHashSeed::globalSeed()));
            if (met.contains(hash))
                keys = {met.value(hash), key};
            met.insert(hash, key);
        }
        keys += keys;
        FirstOccurrence first([&](qsizetype i) { return keys.at(i); });
        QList<qsizetype> earlier;
        for (qsizetype i = 0; i < keys.size(); ++i)
            earlier.append(first.earlier(keys.at(i), i));
        QCOMPARE(earlier, (QList<qsizetype>{-1, -1, 0, 1}));
    }

    void plansRequests_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<BatchOptions>("options");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("totals");
        const QString longer = u"{name}: "_s + QString(152, u'x');
        QTest::newRow("identical texts share a request")
            << u"Meeting in {TOWN} on Friday"_s << BatchOptions()
            << QStringList{u"6941110001;6941110002;6941110004;6941110005 | Meeting in Kos on "
                           u"Friday | 1 GSM | 24 cr"_s,
                           u"6941110003 | Meeting in Rhodes on Friday | 1 GSM | 6 cr"_s}
            << u"5 messages · 5 SMS · 30 credits"_s;
        QTest::newRow("Unicode names; a missing value left empty")
            << u"Hi {name}!"_s << BatchOptions()
            << QStringList{u"6941110001 | Hi Anna! | 1 GSM | 6 cr"_s,
                           u"6941110002 | Hi Ivan! | 1 GSM | 6 cr"_s,
                           u"6941110003 | Hi Nikolić! | 1 UCS-2 ć | 6 cr"_s,
                           u"6941110004 | Hi ! | 1 GSM | 6 cr | missing Name"_s,
                           u"6941110005 | Hi O’Neil! | 1 UCS-2 ’ | 6 cr"_s}
            << u"5 messages · 5 SMS · 30 credits · 2 in Unicode: Nikolić, O’Neil · 1 with a field "
               u"left empty"_s;
        QTest::newRow("rows missing a value skipped")
            << u"Hi {name}!"_s << BatchOptions{Missing::Skip, TooLong::SendAsIs, true}
            << QStringList{u"6941110001 | Hi Anna! | 1 GSM | 6 cr"_s,
                           u"6941110002 | Hi Ivan! | 1 GSM | 6 cr"_s,
                           u"6941110003 | Hi Nikolić! | 1 UCS-2 ć | 6 cr"_s,
                           u"6941110005 | Hi O'Neil! | 1 GSM | 6 cr"_s}
            << u"4 messages · 4 SMS · 24 credits · 1 in Unicode: Nikolić · 1 left out"_s;
        QTest::newRow("a message that comes out empty is left out")
            << u"{name}"_s << BatchOptions()
            << QStringList{u"6941110001 | Anna | 1 GSM | 6 cr"_s,
                           u"6941110002 | Ivan | 1 GSM | 6 cr"_s,
                           u"6941110003 | Nikolić | 1 UCS-2 ć | 6 cr"_s,
                           u"6941110005 | O’Neil | 1 UCS-2 ’ | 6 cr"_s}
            << u"4 messages · 4 SMS · 24 credits · 2 in Unicode: Nikolić, O’Neil · 1 left out"_s;
        QTest::newRow("too long: sent as they are, every part counted")
            << longer << BatchOptions()
            << QStringList{u"6941110001 | Anna: xx…158 | 1 GSM | 6 cr"_s,
                           u"6941110002 | Ivan: xx…158 | 1 GSM | 6 cr"_s,
                           u"6941110003 | Nikolić:…161 | 3 UCS-2 ć | 6 cr | too long"_s,
                           u"6941110004 | : xxxxxx…154 | 1 GSM | 6 cr | missing Name"_s,
                           u"6941110005 | O’Neil: …160 | 3 UCS-2 ’ | 6 cr"_s}
            << u"5 messages · 9 SMS · 30 credits · 2 in Unicode: Nikolić, O’Neil · 1 with a field "
               u"left empty · 1 over 160 characters"_s;
        QTest::newRow("too long and missing skipped; look-alikes replaced")
            << longer << BatchOptions{Missing::Skip, TooLong::Skip, true}
            << QStringList{u"6941110001 | Anna: xx…158 | 1 GSM | 6 cr"_s,
                           u"6941110002 | Ivan: xx…158 | 1 GSM | 6 cr"_s,
                           u"6941110005 | O'Neil: …160 | 1 GSM | 6 cr"_s}
            << u"3 messages · 3 SMS · 18 credits · 2 left out"_s;
    }
    void plansRequests() {
        QFETCH(QString, text);
        QFETCH(BatchOptions, options);
        const RecipientList list = listOf(
            "Name,Mobile,Town\nAnna,6941110001,Kos\nIvan,6941110002,Kos\n"
            "Nikolić,6941110003,Rhodes\n,6941110004,Kos\nO’Neil,6941110005,Kos\n",
            u"GR"_s);
        const BatchPlan plan(text, list, u"Club"_s, options);
        QStringList requests;
        for (qsizetype i = 0; i < plan.count(); ++i) {
            const PlannedRequest request = plan.request(i);
            QString line = u"%1 | %2 | %3 %4 %5"_s.arg(
                request.recipientsText(),
                request.text.size() > 40
                    ? request.text.left(8) + u'…' + QString::number(request.text.size())
                    : request.text,
                QString::number(request.length.parts),
                request.length.encoding == SmsEncoding::Ucs2 ? u"UCS-2"_s : u"GSM"_s,
                request.unicodeCharacters);
            line = line.trimmed() + u" | %1 cr"_s.arg(request.estimate.cost);
            if (!request.missing.isEmpty())
                line += u" | missing "_s + request.missing.join(u", "_s);
            requests.append(line + (request.tooLong ? u" | too long"_s : QString()));
        }
        QTEST(requests, "requests");
        QTEST(plan.totals().text(), "totals");
        QCOMPARE(plan.totals().estimate.recipients, plan.totals().messages);
    }
};

QTEST_GUILESS_MAIN(TestBatchPlan)
#include "tst_batch_plan.moc"
