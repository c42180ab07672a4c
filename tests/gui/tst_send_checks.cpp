// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding line, the marks and the checks before "Send SMS ?", driven
// through the real main window and pelicast-send; sends reach the gateway
// stand-in.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "core/journal/journal_recorder.h"
#include "core/message/draft_review.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

namespace {
// As under cron: the system names no region, so only what a test chose counts.
const bool kCLocale = qputenv("LC_ALL", "C");
// Answers every box Yes, but the region question, which takes a text.
void answerYes(const QString& text) {
    if (!text.startsWith(u"No default region"_s))
        MessageBox::setNextAnswer(Answer::Yes);
}
}  // namespace

class TestSendChecks : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    testing::GatewayProcess gateway_;
    std::unique_ptr<MainWindow> window_;

    template <typename T = QWidget>
    T* get(const char* name) {
        return window_->findChild<T*>(QLatin1String(name));
    }
    // Clicks Send, every box answered by the hook; the recipients the gateway
    // got, or a null string when nothing was sent.
    QString send() {
        get<QPushButton>("OKButton")->click();
        auto* client = window_->findChild<JournalRecorder*>();
        if (!client->isBusy())
            return {};
        return QTest::qWaitFor([client] { return !client->isBusy(); }, 20000)
                   ? gateway_.outbox().last()[u"rcpt"_s].toString()
                   : u"hung"_s;
    }

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        QVERIFY(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}));
        qputenv("PELICAST_GATEWAY", gateway_.httpBase().toUtf8());  // for pelicast-send
        qputenv("PELICAST_PASSWORD", "s3cret");
    }
    void init() {
        QFile::remove(Settings::fileName());
        Settings().setValue(keys::kTransport, u"http"_s);
        MessageBox::startRecording();
        MessageBox::setShownHook(answerYes);
        window_ = std::make_unique<MainWindow>(*GatewayLocation::at(gateway_.httpBase()));
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

    // The window and pelicast-send present one review of the same draft: the
    // same findings in the same words, the same recipients sent. The window's
    // Yes to its questions is --once and --max-cost; its user presses Send
    // again after the originator warning.
    void sameFindings_data() {
        QTest::addColumn<int>("threshold");   // credits set in Options; 0: none
        QTest::addColumn<QString>("region");  // "": none known
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("told");  // a part of the findings
        QTest::addColumn<QString>("sent");
        const QString same = u"07700 900123;+44 7700 900123;07700900124"_s;
        const QString two = u"07700900123;07700900124"_s;
        QTest::newRow("too long") << 0 << u"GB"_s << two << QString()
                                  << QString(150, u'a') + u"\r\n1234567890"_s << false
                                  << u"has 161 characters; at most 160 fit"_s << QString();
        QTest::newRow("impossible")
            << 0 << u"GB"_s << u"07700900123;12;abc"_s << QString() << u"hi"_s << false
            << u"numbers of United Kingdom (+44):\n    12\n    abc"_s << QString();
        QTest::newRow("repeats sent once, counted as sent")
            << 10 << u"GB"_s << same << QString() << u"hi"_s << true
            << u"number:\n    07700 900123 = +44 7700 900123"_s << u"07700 900123;07700900124"_s;
        QTest::newRow("repeats all sent, odd originator")
            << 0 << u"GB"_s << same << u"Shop{1}"_s << u"hi"_s << false
            << u"originator “Shop{1}”. They carry a name of at"_s << same;
        QTest::newRow("above the Options limit")
            << 9 << u"GB"_s << two << QString() << u"hi"_s << false
            << u"costs 10 credits for 2 recipients, more than the 9 credits set in Options."_s
            << QString();
        QTest::newRow("above it, allowed") << 9 << u"GB"_s << two << QString() << u"hi"_s << true
                                           << u"costs 10 credits for 2"_s << two;
        QTest::newRow("control character") << 0 << u"GB"_s << two << QString() << u"a\u001bb"_s
                                           << false << u"character U+001B"_s << QString();
        QTest::newRow("no region: a national number stops the send")
            << 0 << QString() << u"+44 7700 900123;12"_s << QString() << u"hi"_s << false
            << u"so this national number cannot be checked:\n    12"_s << QString();
    }
    void sameFindings() {
        QFETCH(int, threshold);
        QFETCH(QString, region);
        QFETCH(QString, recipients);
        QFETCH(QString, originator);
        QFETCH(QString, message);
        QFETCH(bool, yes);
        QFETCH(QString, sent);
        const Preferences preferences{region, true, threshold > 0, threshold,
                                      region.isEmpty() ? Preferences::RegionSource::Unknown
                                                       : Preferences::RegionSource::Chosen};
        Settings settings;
        QVERIFY(preferences.save(settings));
        DraftReview review =
            reviewDraft({u"anna"_s, {}, originator, recipients, message}, preferences);
        const QString warning = review.originator ? review.originator->text() : QString();
        QStringList findings{review.tooLong ? review.tooLong->text() : QString(),
                             review.control ? review.control->text() : QString(),
                             review.noRegion ? review.noRegion->text() : QString(),
                             review.impossible ? review.impossible->text() : QString(),
                             review.repeats ? review.repeats->text() : QString(),
                             warning};
        if (yes)
            review.dropRepeats();
        findings += review.costly ? review.costly->text() : QString();
        findings.removeAll(QString());
        QFETCH(QString, told);
        QVERIFY(findings.join(u'\n').contains(told));

        if (region.isEmpty())
            MessageBox::setNextText({});  // the region question: cancelled
        MessageBox::setShownHook([yes](const QString& text) {
            if (text.startsWith(u"No default region"_s))
                return;
            const bool question = text.endsWith(RepeatFinding().question()) ||
                                  text.endsWith(CostFinding().question());
            MessageBox::setNextAnswer(yes || !question ? Answer::Yes : Answer::No);
        });
        get<QComboBox>("rcpt")->setEditText(recipients);
        get<QLineEdit>("Orig")->setText(originator);
        get<MessageTextEdit>("sms")->setText(message);
        QString windowSent = send();
        if (sent.isNull() && !review.costly)  // stopped at a field
            QCOMPARE(window_->focusWidget(),
                     get(review.tooLong || review.control ? "sms" : "rcpt"));
        if (!warning.isEmpty() && MessageBox::shownTexts().last().startsWith(warning))
            windowSent = send();  // as the warning says: Send again
        QCOMPARE(windowSent, sent);
        QCOMPARE(get<QComboBox>("rcpt")->currentText(), recipients);  // as typed

        QStringList arguments{u"--user"_s, u"anna"_s,  u"--to"_s,   recipients,
                              u"--from"_s, originator, u"--text"_s, message};
        if (yes)
            arguments << u"--once"_s << u"--max-cost"_s << QString::number(review.estimate.cost);
        QProcess command;
        const qsizetype before = gateway_.outbox().size();
        command.start(QStringLiteral(PELICAST_SEND), arguments);
        QVERIFY(command.waitForFinished(20000));
        QCOMPARE(command.exitCode(), sent.isNull() ? 2 : 0);
        QCOMPARE(gateway_.outbox().size() > before ? gateway_.outbox().last()[u"rcpt"_s].toString()
                                                   : QString(),
                 sent);

        const QString said = QString::fromUtf8(command.readAllStandardError())
                                 .remove(u"pelicast-send: warning: "_s)
                                 .remove(u"pelicast-send: "_s);
        const QString shown = MessageBox::shownTexts().join(u'\n');
        for (const QString& finding : std::as_const(findings)) {
            QVERIFY2(shown.contains(finding), qPrintable(shown));
            // --max-cost answered the window's cost question before it came.
            const bool answered = yes && review.costly && finding == findings.last();
            QVERIFY2(said.contains(finding) || answered, qPrintable(said));
        }
    }

    // Asked at the first send, the region is kept for the next.
    void originatorWarnedOncePerChange() {
        MessageBox::setNextText(u"GR"_s);
        get<QComboBox>("rcpt")->setEditText(u"0944111222"_s);
        get<QLineEdit>("Orig")->setText(u"Shop{1}"_s);
        QCOMPARE(send(), QString());
        QCOMPARE(window_->focusWidget(), get("Orig"));
        QCOMPARE(send(), u"0944111222"_s);  // with the reply: 3 boxes
        get<QLineEdit>("Orig")->setText(u"Shop€"_s);
        QCOMPARE(send(), QString());
        QCOMPARE(MessageBox::shownTexts().size(), 5);
        QCOMPARE(Preferences::load(Settings()).region, u"GR"_s);
    }
};

QTEST_MAIN(TestSendChecks)
#include "tst_send_checks.moc"
