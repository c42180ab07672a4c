// SPDX-License-Identifier: GPL-3.0-or-later
// The GSM 7-bit and UCS-2 counting, the look-alike table and the originator
// rule. Replacing look-alikes is tested through the window.
#include <QTest>

#include "core/message/sms_encoding.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestSmsEncoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void measure_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("parts");
        const auto a = [](int n) { return QString(n, u'a'); };
        const auto alpha = [](int n) { return QString(n, u'α'); };
        QTest::newRow("160") << a(160) << false << 160 << 1;
        QTest::newRow("161") << a(161) << false << 161 << 2;
        QTest::newRow("153x2") << a(306) << false << 306 << 2;
        QTest::newRow("307") << a(307) << false << 307 << 3;
        QTest::newRow("CR LF takes two") << a(159) + u"\r\n"_s << false << 161 << 2;
        QTest::newRow("both tables stay GSM, the extension counts two")
            << u"@£$¥èéùìòÇØøÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ¤¡ÄÖÑÜ§¿äöñüà^{}\\[~]|€\f"_s << false << 62 << 1;
        QTest::newRow("escape pair not cut at a part boundary")
            << a(152) + u"€"_s + a(152) << false << 306 << 3;
        QTest::newRow("70") << alpha(70) << true << 70 << 1;
        QTest::newRow("71") << alpha(71) << true << 71 << 2;
        QTest::newRow("67x2") << alpha(134) << true << 134 << 2;
        QTest::newRow("emoji not cut at a part boundary")
            << alpha(66) + u"😀"_s + alpha(66) << true << 134 << 3;
    }
    void measure() {
        QFETCH(QString, text);
        QFETCH(bool, unicode);
        const SmsLength length = measureSms(text);
        QCOMPARE(length.encoding, unicode ? SmsEncoding::Ucs2 : SmsEncoding::Gsm7);
        QTEST(length.units, "units");
        QTEST(length.parts, "parts");
    }

    // Every look-alike stands for a character that forces UCS-2, and is GSM.
    void lookAlikesAreGsm() {
        int lookAlikes = 0;
        for (char16_t c = 1; c < 0xFFFF; ++c) {
            const QChar ch(c);
            for (const LookAlike& found : findLookAlikes(QStringView(&ch, 1))) {
                const SmsLength length = measureSms(found.replacement);
                QVERIFY(gsmSeptets(ch) == 0 && length.encoding == SmsEncoding::Gsm7);
                QCOMPARE(length.units, found.replacement.size());
                ++lookAlikes;
            }
        }
        QVERIFY(lookAlikes > 40);                           // the whole table, not an empty one
        QCOMPARE(replaceLookAlikes(u"\u00AD’"_s), u"'"_s);  // no limit after a dropped one
        QCOMPARE(characterName(U'’'), u"right single quotation mark"_s);
    }

    void originator_data() {
        QTest::addColumn<QString>("originator");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("11 GSM characters") << u"Café & Co.1"_s << true;
        QTest::newRow("12 characters") << u"ShopShopShop"_s << false;
        QTest::newRow("outside GSM") << u"Shop™"_s << false;
        QTest::newRow("15 digits with +") << u"+306944123456789"_s << true;
        QTest::newRow("16 digits") << u"3069441234567890"_s << false;
    }
    void originator() {
        QFETCH(QString, originator);
        QTEST(isWidelyAcceptedOriginator(originator), "accepted");
    }
};

QTEST_APPLESS_MAIN(TestSmsEncoding)
#include "tst_sms_encoding.moc"
