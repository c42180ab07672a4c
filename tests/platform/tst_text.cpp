#include <QTest>

#include "platform/text.h"

using pelicast::sCount;
using pelicast::TrimBlanks;

class TextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void counts_data() {
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("count");
        QTest::newRow("none") << "0944;0977"
                              << ","
                              << "0";
        QTest::newRow("one") << "0944;0977"
                             << ";"
                             << "1";
        QTest::newRow("adjacent semicolons count once") << "a;;b"
                                                        << ";"
                                                        << "1";
        QTest::newRow("three semicolons count twice") << ";;;"
                                                      << ";"
                                                      << "2";
        QTest::newRow("two line breaks count twice") << "a\r\n\r\nb"
                                                     << "\r\n"
                                                     << "2";
        QTest::newRow("case ignored") << "Credits left: 5 CREDITS LEFT:"
                                      << "credits Left:"
                                      << "2";
        QTest::newRow("probe in seen groups") << ";Friends;;Work;"
                                              << ";work;"
                                              << "1";
        QTest::newRow("overlapping probe skipped") << ";A;;B;"
                                                   << ";;"
                                                   << "1";
        QTest::newRow("empty needle") << "abc"
                                      << ""
                                      << "0";
        QTest::newRow("empty haystack") << ""
                                        << ";"
                                        << "0";
        QTest::newRow("needle at the end") << "abc;"
                                           << ";"
                                           << "1";
    }
    void counts() {
        QFETCH(QString, haystack);
        QFETCH(QString, needle);
        QFETCH(QString, count);
        QCOMPARE(sCount(haystack, needle), count);
    }

    void trims_blanks_only_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  a b  "
                                << "a b";
        QTest::newRow("tabs and line breaks stay") << "\t a \r\n"
                                                   << "\t a \r\n";
        QTest::newRow("only blanks") << "   "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trims_blanks_only() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(TrimBlanks(text), trimmed);
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "tst_text.moc"
