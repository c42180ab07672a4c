// SPDX-License-Identifier: GPL-3.0-or-later
// Recipients read as phone numbers of a region, or compared as text without one.
#include <QTest>

#include "core/message/recipient_check.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestRecipientCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void check_data() {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("impossible");
        QTest::addColumn<QList<QStringList>>("repeats");
        QTest::addColumn<QString>("sent");
        const QString ways = u"07700 900123;Doe, Jo (+44 (0) 7700-900123) ;0044 7700 900.123;"_s;
        QTest::newRow("one number three ways, a picker label among them; no such country")
            << ways + u"07700900124;+999 1"_s << u"GB"_s << QStringList{u"+999 1"_s}
            << QList<QStringList>{{u"07700 900123"_s, u"Doe, Jo (+44 (0) 7700-900123)"_s,
                                   u"0044 7700 900.123"_s}}
            << u"07700 900123;07700900124;+999 1"_s;
        QTest::newRow("no region: compared as written, none refused")
            << ways + u"12;(0044) 7700 900123"_s << QString() << QStringList()
            << QList<QStringList>{{u"0044 7700 900.123"_s, u"(0044) 7700 900123"_s}}
            << ways + u"12"_s;
        QTest::newRow("no region: blanks inside a number do not count")
            << u"0944 123 456;0944123456"_s << QString() << QStringList()
            << QList<QStringList>{{u"0944 123 456"_s, u"0944123456"_s}} << u"0944 123 456"_s;
        QTest::newRow("an unknown region is none")
            << u"12;1-2"_s << u"XX"_s << QStringList() << QList<QStringList>{{u"12"_s, u"1-2"_s}}
            << u"12"_s;
    }
    void check() {
        QFETCH(QString, recipients);
        QFETCH(QString, region);
        const RecipientReport report = checkRecipients(recipients, region);
        QTEST(report.impossible, "impossible");
        QTEST(report.repeats, "repeats");
        QTEST(report.withoutRepeats, "sent");
    }
};

QTEST_APPLESS_MAIN(TestRecipientCheck)
#include "tst_recipient_check.moc"
