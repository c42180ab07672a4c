// SPDX-License-Identifier: GPL-3.0-or-later
// The History window over a journal in the test's home, opened from the main
// window: search, the reply shown, and "Send again", which fills the main
// window and sends nothing.
#include <QtTest>
#include <QtWidgets>

#include "core/gateway/gateway_client.h"
#include "core/journal/journal.h"
#include "gui/history_window.h"
#include "gui/main_window.h"
#include "gui/message_box.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestHistoryWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        Journal journal;
        QVERIFY2(journal.open(), qPrintable(journal.errorString()));
        const QStringList messages{u"from the window"_s, u"from a script"_s, u"Window?"_s};
        for (qsizetype i = 0; i < messages.size(); ++i) {
            RequestRecord sent;
            sent.recipients = u"0944111222"_s;
            sent.message = messages[i];
            sent.time = QDateTime::currentDateTimeUtc().addSecs(i - 10);
            sent.setReply(u"Message accepted.\r\nCredits Left: 90"_s);
            QVERIFY(journal.add(sent) > 0);
        }
        RequestRecord refused = RequestRecord::of(
            u"sendsms"_s, {{u"rcpt"_s, u"0944111222"_s}, {u"sms"_s, u"Καλημέρα"_s}});
        refused.time = QDateTime::currentDateTimeUtc().addSecs(-20);
        refused.setReply(u"Wrong user name or password. Nothing was sent."_s);
        QVERIFY(journal.add(refused) > 0);
    }

    // A refused request: in words, charged nothing, its alphabet named as the
    // main window names it, its time as the locale writes times; found in any case.
    void refusalTold() {
        HistoryWindow history;
        QVERIFY(history.showHistory());
        history.findChild<QLineEdit*>(u"search"_s)->setText(u"ΚΑΛΗΜΕΡΑ"_s);
        const QAbstractItemModel* rows = history.findChild<QTableView*>(u"requests"_s)->model();
        QCOMPARE(rows->rowCount(), 1);
        const auto cell = [rows](int column) { return rows->index(0, column).data().toString(); };
        QCOMPARE(cell(Journal::Outcome), u"Refused by the gateway"_s);
        QVERIFY(cell(Journal::Cost).toInt() > 0);
        QCOMPARE(cell(Journal::Charged), u"0"_s);
        QCOMPARE(cell(Journal::Encoding), u"Unicode"_s);
        QVERIFY2(cell(Journal::Time)
                     .startsWith(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)),
                 qPrintable(cell(Journal::Time)));
    }

    void searchesAndSendsAgain() {
        MainWindow window({u"http://www."_s, u"https://secure."_s, u"quillo.example"_s});
        window.findChild<QAction*>(u"historymenu"_s)->trigger();
        auto* history = window.findChild<HistoryWindow*>(u"history"_s);
        QVERIFY(history);
        // Exported over a file others could read: it is the user's only now.
        const QString csv = QDir::home().filePath(u"history.csv"_s);
        QVERIFY(QFile(csv).open(QIODevice::WriteOnly) &&
                QFile::setPermissions(csv, QFile::ReadOther));
        QVERIFY(history->exportCsv(csv));
        QCOMPARE(QFile::permissions(csv),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        history->findChild<QLineEdit*>(u"search"_s)->setText(u"WINDOW"_s);
        auto* requests = history->findChild<QTableView*>(u"requests"_s);
        QCOMPARE(requests->model()->rowCount(), 2);  // newest first
        QCOMPARE(requests->model()->index(0, Journal::Message).data(), u"Window?"_s);
        QCOMPARE(requests->model()->index(1, Journal::Message).data(), u"from the window"_s);
        requests->selectRow(1);
        QVERIFY(history->findChild<QPlainTextEdit*>(u"reply"_s)
                    ->toPlainText()
                    .startsWith(u"Message accepted."_s));
        MessageBox::startRecording();
        history->findChild<QPushButton*>(u"sendAgain"_s)->click();
        QCOMPARE(window.findChild<QPlainTextEdit*>(u"sms"_s)->toPlainText(), u"from the window"_s);
        QCOMPARE(window.findChild<QComboBox*>(u"rcpt"_s)->currentText(), u"0944111222"_s);
        QVERIFY(MessageBox::shownTexts().isEmpty() &&
                !window.findChild<GatewayClient*>()->isBusy());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_history_window.moc"
