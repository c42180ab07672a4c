// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding line, the marks and the checks before "Send SMS ?", driven
// through the real main window; sends reach the gateway stand-in.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "core/gateway/gateway_client.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

class TestSendChecks : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    testing::GatewayProcess gateway_;
    std::unique_ptr<MainWindow> window_;

    template <typename T = QWidget>
    T* get(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }
    // Clicks Send with the boxes answered in turn; the recipients the gateway
    // got, or a null string when nothing was sent.
    QString send(const QList<Answer>& answers) {
        for (Answer answer : answers)
            MessageBox::setNextAnswer(answer);
        get<QPushButton>("OKButton")->click();
        auto* client = window_->findChild<GatewayClient*>();
        if (!client->isBusy())
            return {};
        MessageBox::setNextAnswer(Answer::Ok);
        return QTest::qWaitFor([client] { return !client->isBusy(); }, 20000)
                   ? gateway_.outbox().last()[u"rcpt"_s].toString()
                   : u"hung"_s;
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        QVERIFY(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}));
    }
    void init() {
        QFile::remove(Settings::fileName());
        Settings().setValue(keys::kTransport, u"http"_s);
        MessageBox::clearShownTexts();
        window_ =
            std::make_unique<MainWindow>(GatewayLocation{gateway_.httpBase(), {}, u"quillo"_s});
        window_->show();
        get<QLineEdit>("Uname")->setText(u"anna"_s);
        get<QLineEdit>("Pass")->setText(u"s3cret"_s);
        get<MessageTextEdit>("sms")->setText(u"hello"_s);
    }

    void encodingLine() {
        auto* sms = get<MessageTextEdit>("sms");
        sms->setText(QString(159, u'a') + u"\r\n"_s);  // a line break is two on the network
        QCOMPARE(get<QLabel>("encodingInfo")->text(), u"2 SMS · GSM 7-bit"_s);
        sms->setText(u"a’bα😀\u00A0c"_s);  // the no-break space goes as a space
        QCOMPARE(get<QLabel>("encodingInfo")->text(), u"1 SMS · Unicode (70 per SMS)"_s);
        QStringList marked;
        for (const auto& range : sms->document()->firstBlock().layout()->formats())
            marked.append(u"%1+%2"_s.arg(range.start).arg(range.length));
        QCOMPARE(marked, (QStringList{u"1+1"_s, u"3+3"_s}));
    }

    // One undo step; an ellipsis only while the limit has room; letters stay.
    void replaceLookAlikes() {
        const QString text = QString(146, u'a') + u"“Hi”–it’s……λ"_s;
        auto* sms = get<MessageTextEdit>("sms");
        sms->setText(text);
        get<QAction>("replaceLookAlikes")->trigger();
        QCOMPARE(sms->text(), QString(146, u'a') + u"\"Hi\"-it's...…λ"_s);
        sms->undo();
        QCOMPARE(sms->text(), text);
    }

    void checks_data() {
        QTest::addColumn<bool>("check");     // the recipients, in region GB
        QTest::addColumn<int>("threshold");  // 0: no second question
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("boxes");  // a part of each box's text, in turn
        QTest::addColumn<QString>("sent");
        const QString same = u"07700 900123;+44 7700 900123;07700900124"_s;
        QTest::newRow("impossible refused")
            << true << 0 << u"07700900123;12;abc"_s << QList{Answer::Ok}
            << QStringList{u"numbers of United Kingdom (+44):\n    12\n    abc\n"_s} << QString();
        QTest::newRow("repeats dropped, counted as sent; cost at the threshold")
            << true << 10 << same << QList{Answer::Yes, Answer::Yes}
            << QStringList{u"\n    07700 900123 = +44 7700 900123\n"_s,
                           u"to 2 recipients.\r\nIt will cost You 10 credits"_s}
            << u"07700 900123;07700900124"_s;
        QTest::newRow("check off, cost above the threshold, declined")
            << false << 14 << same << QList{Answer::Yes, Answer::No}
            << QStringList{u"3 recipients"_s,
                           u"costs 15 credits for 3 recipients, more than the 14"_s}
            << QString();
    }
    void checks() {
        QFETCH(bool, check);
        QFETCH(int, threshold);
        QFETCH(QString, recipients);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(QString, sent);
        QVERIFY((Preferences{u"GB"_s, check, threshold > 0, std::max(threshold, 1)}.save()));
        get<QComboBox>("rcpt")->setEditText(recipients);
        QCOMPARE(send(answers), sent);
        const QStringList shown = MessageBox::shownTexts();
        QCOMPARE(shown.size(), boxes.size() + (sent.isNull() ? 0 : 1));  // and the reply
        for (qsizetype i = 0; i < boxes.size(); ++i)
            QVERIFY2(shown.at(i).contains(boxes.at(i)), qPrintable(shown.at(i)));
        QCOMPARE(get<QComboBox>("rcpt")->currentText(), recipients);
        if (answers == QList{Answer::Ok})
            QCOMPARE(window_->focusWidget(), get("rcpt"));
    }

    void originatorWarnedOncePerChange() {
        get<QComboBox>("rcpt")->setEditText(u"0944111222"_s);
        get<QLineEdit>("Orig")->setText(u"Shop{1}"_s);
        QCOMPARE(send({Answer::Ok}), QString());
        QVERIFY(MessageBox::shownTexts().last().contains(u"“Shop{1}”. They carry a name of at"_s));
        QCOMPARE(window_->focusWidget(), get("Orig"));
        QCOMPARE(send({Answer::Yes}), u"0944111222"_s);  // with the reply: 3 boxes
        get<QLineEdit>("Orig")->setText(u"Shop€"_s);
        QCOMPARE(send({Answer::Ok}), QString());
        QCOMPARE(MessageBox::shownTexts().size(), 4);
    }
};

QTEST_MAIN(TestSendChecks)
#include "tst_send_checks.moc"
