// SPDX-License-Identifier: GPL-3.0-or-later
// Batches driven as a user drives them: the preview and the progress window
// over a real list file, and batches sent from the main window to the real
// gateway stand-in with the real journal, from the list file through the
// preview and the progress window into History, and those a run left
// unfinished, offered at the next start.
#include <QApplication>
#include <QCheckBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSslConfiguration>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/batch_preview_dialog.h"
#include "gui/batch_preview_model.h"
#include "gui/batch_progress_dialog.h"
#include "gui/current_recipients.h"
#include "gui/history_window.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/recipient_file_dialog.h"
#include "gui/unfinished_batches_dialog.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Answer = MessageBox::Answer;

namespace {

constexpr int kTimeoutMs = 20000;
// Anna twice (one text for both), Nikolić in Unicode, one without a name.
const QByteArray kList =
    "Name,Mobile\nAnna,6941110001\nNikolić,6941110002\n,6941110003\nAnna,6941110004\n";

// 154 characters and a name: Nikolić's message is over the limit.
const QString kLong = QString(152, u'x') + u" {Name}."_s;

// Runs `step` on the modal dialog of type Dialog once one is open.
template <class Dialog>
void onModal(std::function<void(Dialog&)> step) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            step(*dialog);
        }
    });
    poll->start(10);
}

template <class T = QWidget>
T* control(const QObject& in, const char* name) {
    T* found = in.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

}  // namespace

class TestBatchWindows : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_;
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"club.csv"_s);
    RecipientList list_;

    std::unique_ptr<MainWindow> window() {
        auto window = std::make_unique<MainWindow>(
            GatewayLocation{gateway_.httpBase(), gateway_.httpsBase(), u"quillo"_s});
        control<QLineEdit>(*window, "Uname")->setText(u"anna"_s);
        control<QLineEdit>(*window, "Pass")->setText(u"s3cret"_s);
        control<QCheckBox>(*window, "remember")->setChecked(false);
        return window;
    }
    QStringList outbox(qsizetype from) const {
        QStringList sent;
        for (const QJsonObject& record : gateway_.outbox().mid(from))
            sent << record[u"rcpt"_s].toString() + u' ' + record[u"sms"_s].toString();
        return sent;
    }

private Q_SLOTS:
    void initTestCase() {
        QSslConfiguration::setDefaultConfiguration(testing::GatewayProcess::sslConfiguration());
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}),
                 qPrintable(gateway_.errorString()));
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kList) == kList.size());
        file.close();
        list_ = RecipientList::fromTable(*RecipientTable::read(path_), 1, u"GR"_s);
    }
    void init() {
        QFile::remove(Settings::fileName());
        for (const QString& end : {u""_s, u"-wal"_s, u"-shm"_s})
            QFile::remove(Journal::defaultPath() + end);
        Settings settings;
        Preferences preferences{u"GR"_s};
        preferences.pause = {};
        QVERIFY(preferences.save(settings));
        settings.setValue(keys::kTransport, u"http"_s);
        MessageBox::startRecording();
    }

    // Return sends, after the questions that apply; any "No" or cancelled
    // choice leaves the batch unsent.
    void sendAsks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("choices");  // answers to the choice lists, in order
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("totals");
        const QList<Answer> yes{Answer::Yes};
        QTest::newRow("no field: one request")
            << u"Meeting at 8"_s << QStringList() << yes << qint64(0) << true << 1
            << u"4 messages · 4 SMS · 20 credits"_s;
        QTest::newRow("a missing name skipped")
            << u"Dear {name}"_s << QStringList{u"skip"_s} << yes << qint64(0) << true << 2
            << u"3 messages · 3 SMS · 15 credits · 1 in Unicode: Nikolić · 1 left out"_s;
        QTest::newRow("the choice cancelled")
            << u"Dear {name}"_s << QStringList{QString()} << QList<Answer>() << qint64(0) << false
            << 1
            << u"4 messages · 4 SMS · 20 credits · 1 in Unicode: Nikolić · 1 with a field left "
               u"empty"_s;
        QTest::newRow("over the limit, sent as it is")
            << kLong << QStringList{u"empty"_s, u"send"_s} << yes << qint64(0) << true << 3
            << u"4 messages · 6 SMS · 20 credits · 1 in Unicode: Nikolić · 1 with a field left "
               u"empty · 1 over 160 characters"_s;
        QTest::newRow("the total above the cost limit, declined")
            << u"Meeting at 8"_s << QStringList() << QList<Answer>{Answer::Yes, Answer::No}
            << qint64(15) << false << 2 << u"4 messages · 4 SMS · 20 credits"_s;
    }
    void sendAsks() {
        QFETCH(QString, text);
        QFETCH(QStringList, choices);
        QFETCH(QList<Answer>, answers);
        QFETCH(qint64, limit);
        for (const QString& choice : choices)
            MessageBox::setNextText(choice);
        for (const Answer answer : answers)
            MessageBox::setNextAnswer(answer);
        const std::optional<CostLimit> costLimit =
            limit > 0 ? std::optional(CostLimit{limit}) : std::nullopt;
        BatchPreviewDialog dialog(text, list_, u"Quillo"_s, costLimit);
        QCOMPARE(dialog.objectName(), u"batchPreview"_s);
        dialog.show();
        QTest::keyClick(control<QTableView>(dialog, "requests"), Qt::Key_Return);
        QTEST(dialog.result() == QDialog::Accepted, "accepted");
        QTEST(int(MessageBox::shownTexts().size()), "boxes");
        QTEST(control<QLabel>(dialog, "totals")->text(), "totals");
        if (dialog.result() == QDialog::Accepted)
            QVERIFY(MessageBox::shownTexts().last().contains(dialog.plan().totals().text()));
    }

    // Stop, Escape and closing the window while the batch runs ask once to
    // stop, and the window stays; once it ended, Escape closes it.
    void progressStops() {
        BatchProgressDialog progress;
        QSignalSpy stops(&progress, &BatchProgressDialog::stopRequested);
        progress.start(120);
        progress.showProgress({120, 37, 185, 90s, u" 815"_s, {}});
        QCOMPARE(control<QLabel>(progress, "done")->text(), u"37 of 120 requests"_s);
        control<QPushButton>(progress, "stop")->click();
        QTest::keyClick(&progress, Qt::Key_Escape);
        progress.close();
        QCOMPARE(stops.size(), 1);
        QVERIFY(progress.isVisible());
        progress.showFinished(u"Stopped."_s);
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(!progress.isVisible());
    }

    // A list file, its mapping step and preview, the batch sent with its
    // progress shown, and History holding it as one entry that opens.
    void sendsListIntoHistory() {
        const qsizetype before = gateway_.outbox().size();
        auto window = this->window();
        window->show();
        control<MessageTextEdit>(*window, "sms")->setText(u"Dear {Name}, it’s at 8."_s);
        onModal<RecipientFileDialog>([](RecipientFileDialog& step) { step.accept(); });
        QVERIFY(window->findChild<CurrentRecipients*>()->loadFile(path_));
        // Each row marked, then the look-alike replaced in every row.
        QStringList shown;
        onModal<BatchPreviewDialog>([&shown](BatchPreviewDialog& preview) {
            const QAbstractItemModel* rows = control<QTableView>(preview, "requests")->model();
            shown << rows->index(1, BatchPreviewModel::Alphabet).data().toString()
                  << rows->index(2, BatchPreviewModel::Notes).data().toString();
            control<QCheckBox>(preview, "replaceLookAlikes")->click();
            shown << rows->index(1, BatchPreviewModel::Alphabet).data().toString()
                  << control<QLabel>(preview, "totals")->text();
            QTest::keyClick(&preview, Qt::Key_Return);
        });
        MessageBox::setNextText(u"empty"_s);     // the name missing in a row
        MessageBox::setNextAnswer(Answer::Yes);  // Send SMS ?
        control<QPushButton>(*window, "OKButton")->click();
        QCOMPARE(shown, QStringList({u"Unicode: ć, ’ (right single quotation mark)"_s,
                                     u"no value for {Name}"_s, u"Unicode: ć"_s,
                                     u"4 messages · 4 SMS · 20 credits · 1 in Unicode: Nikolić · 1 "
                                     u"with a field left empty"_s}));
        auto* progress = window->findChild<BatchProgressDialog*>();
        QVERIFY(progress && progress->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!progress->isRunning(), kTimeoutMs);
        QCOMPARE(control<QLabel>(*progress, "done")->text(), u"3 of 3 requests"_s);
        QCOMPARE(outbox(before), QStringList({u"6941110001;6941110004 Dear Anna, it's at 8."_s,
                                              u"6941110002 Dear Nikolić, it's at 8."_s,
                                              u"6941110003 Dear , it's at 8."_s}));
        QCOMPARE(control<QLabel>(*window, "chkcr")->text(),
                 u"Credits Left: %1"_s.arg(gateway_.credits(u"anna"_s)));

        window->showHistory();
        auto* history = window->findChild<HistoryWindow*>();
        auto* table = control<QTableView>(*history, "requests");
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(table->model()->index(0, Journal::Outcome).data().toString(), u"Accepted: 3"_s);
        table->setCurrentIndex(table->model()->index(0, 0));
        control<QPushButton>(*history, "batchRequests")->click();
        QCOMPARE(table->model()->rowCount(), 3);
    }

    // At the next start the window offers the unfinished batch: Continue
    // sends its queued request only; sending again to the refused or unknown
    // ones is asked first and sends them too; Close sends nothing more.
    void offersUnfinishedAtStart_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("unfinished");  // batches still unfinished after
        QTest::newRow("continue") << QByteArray("continueBatch") << QStringList{u"6941110003"_s}
                                  << 1;
        QTest::newRow("again to refused")
            << QByteArray("sendAgainRefused")
            << QStringList{u"6941110001;6941110004"_s, u"6941110003"_s} << 1;
        QTest::newRow("again to unknown")
            << QByteArray("sendAgainUnknown") << QStringList{u"6941110002"_s, u"6941110003"_s} << 0;
        QTest::newRow("close") << QByteArray("closeBatch") << QStringList() << 0;
    }
    void offersUnfinishedAtStart() {
        QFETCH(QByteArray, button);
        {
            Journal journal;
            QVERIFY(journal.open());
            const BatchPlan plan(u"Dear {Name}"_s, list_, u"Quillo"_s);
            const Expected<qint64> id = BatchStore(journal).create(
                {u"anna"_s, u"Dear {Name}"_s, u"club.csv"_s, {}, {}}, plan);
            QVERIFY(id);
            // As a run left it: Anna's refused, Nikolić's without an answer, one queued.
            QSqlQuery(journal.database())
                .exec(
                    u"UPDATE requests SET outcome = CASE message WHEN 'Dear Anna' THEN "
                    "'refused' WHEN 'Dear Nikolić' THEN 'unknown' ELSE 'queued' END"_s);
        }
        const qsizetype before = gateway_.outbox().size();
        bool chosen = false;
        onModal<UnfinishedBatchesDialog>([button, &chosen](UnfinishedBatchesDialog& dialog) {
            control<QPushButton>(dialog, button.constData())->click();
            chosen = true;
        });
        if (button != "continueBatch")
            MessageBox::setNextAnswer(Answer::Yes);  // the risk
        auto window = this->window();
        window->show();
        const auto ended = [&window] {
            auto* progress = window->findChild<BatchProgressDialog*>();
            return progress && !progress->isRunning();
        };
        QTRY_VERIFY_WITH_TIMEOUT(chosen && (button == "closeBatch" || ended()), kTimeoutMs);
        QStringList sent;
        for (const QString& record : outbox(before))
            sent << record.section(u' ', 0, 0);
        QTEST(sent, "sent");
        Journal journal;
        QVERIFY(journal.open());
        QTEST(int(BatchStore(journal).unfinished()->size()), "unfinished");
    }

    // A message saved as a template goes into another message from the menu;
    // renamed and deleted, the menu follows. Kept in the journal.
    void keepsTemplates() {
        auto window = this->window();
        auto* message = control<MessageTextEdit>(*window, "sms");
        auto* menu = control<QMenu>(*window, "templates");
        const auto entries = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList texts;
            for (const QAction* action : menu->actions())
                texts << (action->isEnabled() ? action->text() : QString());
            return texts.mid(0, texts.indexOf(QString()));
        };
        message->setText(u"Dear {first}, practice moves to 6."_s);
        QCOMPARE(entries(), QStringList());
        MessageBox::setNextText(u"Practice"_s);
        control<QAction>(*menu, "saveTemplate")->trigger();
        message->setText(u"Note: "_s);
        message->moveCursor(QTextCursor::End);
        QCOMPARE(entries(), QStringList{u"Practice"_s});
        menu->actions().first()->trigger();
        QCOMPARE(message->text(), u"Note: Dear {first}, practice moves to 6."_s);
        for (const QString& text : {u"Practice"_s, u"Training"_s})
            MessageBox::setNextText(text);
        control<QAction>(*menu, "renameTemplate")->trigger();
        QCOMPARE(entries(), QStringList{u"Training"_s});
        MessageBox::setNextText(u"Training"_s);
        MessageBox::setNextAnswer(Answer::Yes);
        control<QAction>(*menu, "deleteTemplate")->trigger();
        QCOMPARE(entries(), QStringList());
    }
};

QTEST_MAIN(TestBatchWindows)
#include "tst_batch_windows.moc"
