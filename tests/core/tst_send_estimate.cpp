// SPDX-License-Identifier: GPL-3.0-or-later
// What a send costs and what the user is asked, and the request fields as
// they go out, compared with literal bytes and prices: the gateway stand-in
// shares the protocol's constants, so end-to-end tests would agree with a
// wrong one.
#include <QTest>

#include "core/gateway/form_fields.h"
#include "core/message/send_estimate.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestSendEstimate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsRequestFields() {
        // Blanks only are trimmed; a tab and line breaks at the ends stay. Form
        // syntax is escaped, and other characters go as UTF-8.
        const MessageDraft draft{u" anna "_s, u"se cret "_s, u"Shop "_s, u" 0944;0977; "_s,
                                 u"\ta&b=c+d%e \u03b3\u20ac\r\n"_s};
        QCOMPARE(encodeForm(sendMessageFields(draft)),
                 QByteArray("user=anna&pass=se%20cret&sms=%09a%26b%3Dc%2Bd%25e%20%CE%B3%E2%82%AC%0D"
                            "%0A&rcpt=0944----0977----&from=Shop&aff=brackel"));
        QCOMPARE(encodeForm(creditCheckFields(u"  "_s, u" p "_s)), QByteArray("user=&pass=p"));
    }

    void estimatesSends_data() {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QString>("estimate");  // recipients, cost, and "note" when it shows
        const auto row = [](const char* tag, const QString& recipients, const char* originator,
                            const char* estimate) {
            QTest::newRow(tag) << recipients << QString::fromLatin1(originator)
                               << QString::fromLatin1(estimate);
        };
        row("two home numbers", u"0944123456;0977123456"_s, "Quillo", "2 10");
        row("trailing ; sets the note", u"0944123456;0977123456;"_s, "Quillo", "2 10 note");
        row("other network sets the note", u"+30944123456;306912345678"_s, "", "2 10 note");
        row("own originator costs 6", u"0944123456"_s, "Shop", "1 6");
        row("service name in small letters", u"0944123456"_s, "quillo", "1 6");
        row("only a separator", u";"_s, "Quillo", "0 0 note");
        row("a blank piece counts", u" ;0944"_s, "Quillo", "2 10 note");
        row("beyond 16 bits", u"0944;"_s.repeated(40000) + u"0944"_s, "Shop", "40001 240006");
    }
    void estimatesSends() {
        QFETCH(QString, recipients);
        QFETCH(QString, originator);
        const SendEstimate estimate = SendEstimate::of(recipients, originator);
        QTEST(u"%1 %2%3"_s.arg(estimate.recipients)
                  .arg(estimate.cost)
                  .arg(estimate.interconnectionNote ? u" note"_s : QString()),
              "estimate");
    }

    void confirmsSends() {
        QCOMPARE(SendEstimate::of(u"0944"_s, QString()).confirmation(),
                 u"You will send sms to 1 recipients.\r\nIt will cost You 5 credits .\r\n"
                 u"Do you wish to continue ?"_s);
        QCOMPARE(SendEstimate::of(u"1;2"_s, u"Shop"_s).confirmation(),
                 u"You will send sms to 2 recipients.\r\nIt will cost You 12 credits  (additional "
                 u"interconnection charges may apply) .\r\nDo you wish to continue ?"_s);
    }
};

QTEST_GUILESS_MAIN(TestSendEstimate)
#include "tst_send_estimate.moc"
