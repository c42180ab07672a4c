// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of recipients read from files as spreadsheets write them.
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include "core/book/recipient_table.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestRecipientTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QByteArray& contents) {
        QString path = dir_.filePath(u"list.csv"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QList<QStringList> rowsOf(const RecipientTable& table) {
        QList<QStringList> rows;
        for (qsizetype r = 0; r < table.rowCount(); ++r) {
            rows.append(QStringList());
            for (int c = 0; c < table.columnCount(); ++c)
                rows.last().append(table.cell(r, c));
        }
        return rows;
    }

private Q_SLOTS:
    void reads_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("columns");  // empty: no header
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("numberColumn");
        QTest::newRow("quotes around delimiters, doubled quotes, line breaks; CR LF")
            << QByteArray(
                   "Name,Mobile,Note\r\n\"Doe, Jo\",0694 111 222,\"said \"\"hi\"\"\r\n"
                   "twice\"\r\n\"Roe\"  , \"0694 111 223\" ,\r\n")
            << u","_s << QStringList{u"Name"_s, u"Mobile"_s, u"Note"_s}
            << QList<QStringList>{{u"Doe, Jo"_s, u"0694 111 222"_s, u"said \"hi\"\r\ntwice"_s},
                                  {u"Roe"_s, u"0694 111 223"_s, QString()}}
            << 1;
        // The commas of the names are not the delimiter; a blank row stays,
        // so the rows keep their numbers.
        QTest::newRow("semicolons; LF; blank lines; blanks around cells")
            << QByteArray("\n\nName;Phone\nDoe, Jo ; +30 694 111 2222\n\nRoe, Al;6941112223\n")
            << u";"_s << QStringList{u"Name"_s, u"Phone"_s}
            << QList<QStringList>{{u"Doe, Jo"_s, u"+30 694 111 2222"_s},
                                  {QString(), QString()},
                                  {u"Roe, Al"_s, u"6941112223"_s}}
            << 1;
        QTest::newRow("tabs; CR; no header")
            << QByteArray("6941112222\tJo, Al\r6941112223\tAl\r") << u"\t"_s << QStringList()
            << QList<QStringList>{{u"6941112222"_s, u"Jo, Al"_s}, {u"6941112223"_s, u"Al"_s}} << 0;
        QTest::newRow("pipes; a column of ages and one of dates are not the numbers")
            << QByteArray("Name|Age|Born|Mobile\nJo|34|15.01.1990|0694111222\n") << u"|"_s
            << QStringList{u"Name"_s, u"Age"_s, u"Born"_s, u"Mobile"_s}
            << QList<QStringList>{{u"Jo"_s, u"34"_s, u"15.01.1990"_s, u"0694111222"_s}} << 3;
        QTest::newRow("a number in the first row: no header; quotes inside a cell")
            << QByteArray("Jo \"Bud\",0694111222\nAl 5\",0694111223\n") << u","_s << QStringList()
            << QList<QStringList>{{u"Jo \"Bud\""_s, u"0694111222"_s},
                                  {u"Al 5\""_s, u"0694111223"_s}}
            << 1;
        QTest::newRow("one name twice: no header")
            << QByteArray("Mobile,mobile\n0694111222,0694111223\n") << u","_s << QStringList()
            << QList<QStringList>{{u"Mobile"_s, u"mobile"_s}, {u"0694111222"_s, u"0694111223"_s}}
            << 0;
        QTest::newRow("short and long rows; names mostly")
            << QByteArray("Name,Mobile\nJo\nAl,0694111223,x\nEd,none\n") << u","_s
            << QStringList{u"Name"_s, u"Mobile"_s, u"Column 3"_s}
            << QList<QStringList>{{u"Jo"_s, QString(), QString()},
                                  {u"Al"_s, u"0694111223"_s, u"x"_s},
                                  {u"Ed"_s, u"none"_s, QString()}}
            << -1;
    }
    void reads() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, columns);
        const Expected<RecipientTable> table = RecipientTable::read(write(contents));
        QVERIFY2(table, qPrintable(table ? QString() : table.error()));
        QTEST(QString(table->delimiter()), "delimiter");
        QCOMPARE(table->hasHeader(), !columns.isEmpty());
        if (!columns.isEmpty())
            QCOMPARE(table->columnNames(), columns);
        QTEST(rowsOf(*table), "rows");
        QTEST(table->numberColumn(), "numberColumn");
    }

    // The first cell below the header, whatever the encoding.
    void encodings_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("language");  // of the system
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("name");
        const QString text = u"Name,Mobile\r\nNikolić “Jo”,0694111222\r\n"_s;
        const auto bytes = [&](QStringConverter::Encoding encoding) {
            return QByteArray(
                QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text));
        };
        QTest::newRow("UTF-8") << text.toUtf8() << u"en"_s << u"UTF-8"_s << u"Nikolić “Jo”"_s;
        QTest::newRow("UTF-8 with BOM")
            << "\xEF\xBB\xBF" + text.toUtf8() << u"en"_s << u"UTF-8"_s << u"Nikolić “Jo”"_s;
        QTest::newRow("UTF-16LE") << bytes(QStringConverter::Utf16LE) << u"en"_s << u"UTF-16LE"_s
                                  << u"Nikolić “Jo”"_s;
        QTest::newRow("UTF-16BE") << bytes(QStringConverter::Utf16BE) << u"en"_s << u"UTF-16BE"_s
                                  << u"Nikolić “Jo”"_s;
        QTest::newRow("Windows-1252") << QByteArray("Name,Mobile\nJos\xE9 \x93Jo\x94,0694111222\n")
                                      << u"en"_s << u"windows-1252"_s << u"José “Jo”"_s;
        QTest::newRow("a Greek system's 8-bit") << QByteArray("Name,Mobile\n\xC1\xED\xED\xE1,1\n")
                                                << u"el"_s << u"windows-1253"_s << u"Αννα"_s;
    }
    void encodings() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        const Expected<RecipientTable> table = RecipientTable::read(write(contents));
        QLocale::setDefault(QLocale::c());
        QVERIFY2(table, qPrintable(table ? QString() : table.error()));
        QTEST(table->encoding(), "encoding");
        QCOMPARE(table->columnNames().first(), u"Name"_s);
        QTEST(table->cell(0, 0), "name");
    }

    void refuses_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("error");
        QTest::newRow("a quote left open") << QByteArray("Name,Mobile\nJo,1\nAl,\"0694\n")
                                           << u"list.csv: Row 3: a quoted cell is not closed."_s;
        QTest::newRow("a workbook")
            << QByteArray("PK\x03\x04\x14\0\0\0", 8) << u"list.csv: This is not a text file."_s;
        QTest::newRow("too large") << QByteArray() << u"list.csv” is larger than 64 MiB"_s;
        QTest::newRow("a folder") << QByteArray() << u"” is not a file."_s;
    }
    void refuses() {
        QFETCH(QByteArray, contents);
        QString path = write(contents);
        if (QByteArrayView(QTest::currentDataTag()) == "too large")
            QVERIFY(QFile(path).resize(kRecipientFileLimit + 1));  // sparse: nothing written
        if (QByteArrayView(QTest::currentDataTag()) == "a folder")
            path = dir_.path();
        const Expected<RecipientTable> table = RecipientTable::read(path);
        QVERIFY(!table);
        QFETCH(QString, error);
        QVERIFY2(table.error().contains(error), qPrintable(table.error()));
    }
};

QTEST_GUILESS_MAIN(TestRecipientTable)
#include "tst_recipient_table.moc"
