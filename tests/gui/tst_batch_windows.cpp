// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of a batch and its progress window, driven as a user drives
// them, over a real list file.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "gui/batch_preview_dialog.h"
#include "gui/batch_preview_model.h"
#include "gui/batch_progress_dialog.h"
#include "gui/message_box.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Answer = MessageBox::Answer;

namespace {

// Anna twice (one text for both), Nikolić in Unicode, one without a name.
const QByteArray kList =
    "Name,Mobile\nAnna,6941110001\nNikolić,6941110002\n,6941110003\nAnna,6941110004\n";

// 154 characters and a name: Nikolić's message is over the limit.
const QString kLong = QString(152, u'x') + u" {Name}."_s;

}  // namespace

class TestBatchWindows : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    RecipientList list_;

private Q_SLOTS:
    void initTestCase() {
        QFile file(dir_.filePath(u"list.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kList) == kList.size());
        file.close();
        Expected<RecipientTable> table = RecipientTable::read(file.fileName());
        QVERIFY(table);
        list_ = RecipientList::fromTable(std::move(*table), 1, u"GR"_s);
    }
    void init() { MessageBox::startRecording(); }

    // Return sends, after the questions that apply; Escape and any "No" or
    // cancelled choice leave the batch unsent.
    void sendAsks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("choices");  // answers to the choice lists, in order
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("totals");
        const QList<Answer> yes{Answer::Yes};
        QTest::newRow("no field: one request")
            << u"Meeting at 8"_s << int(Qt::Key_Return) << QStringList() << yes << qint64(0) << true
            << 1 << u"4 messages · 4 SMS · 20 credits"_s;
        QTest::newRow("Escape sends nothing")
            << u"Meeting at 8"_s << int(Qt::Key_Escape) << QStringList() << QList<Answer>()
            << qint64(0) << false << 0 << u"4 messages · 4 SMS · 20 credits"_s;
        QTest::newRow("a missing name left empty")
            << u"Dear {name}"_s << int(Qt::Key_Return) << QStringList{u"empty"_s} << yes
            << qint64(0) << true << 2
            << u"4 messages · 4 SMS · 20 credits · 1 in Unicode: Nikolić · 1 with a field left "
               u"empty"_s;
        QTest::newRow("a missing name skipped")
            << u"Dear {name}"_s << int(Qt::Key_Return) << QStringList{u"skip"_s} << yes << qint64(0)
            << true << 2
            << u"3 messages · 3 SMS · 15 credits · 1 in Unicode: Nikolić · 1 left out"_s;
        QTest::newRow("the choice cancelled")
            << u"Dear {name}"_s << int(Qt::Key_Return) << QStringList{QString()} << QList<Answer>()
            << qint64(0) << false << 1
            << u"4 messages · 4 SMS · 20 credits · 1 in Unicode: Nikolić · 1 with a field left "
               u"empty"_s;
        QTest::newRow("over the limit, sent as it is")
            << kLong << int(Qt::Key_Return) << QStringList{u"empty"_s, u"send"_s} << yes
            << qint64(0) << true << 3
            << u"4 messages · 6 SMS · 20 credits · 1 in Unicode: Nikolić · 1 with a field left "
               u"empty · 1 over 160 characters"_s;
        QTest::newRow("over the limit, skipped")
            << kLong << int(Qt::Key_Return) << QStringList{u"skip"_s, u"skip"_s} << yes << qint64(0)
            << true << 3 << u"2 messages · 2 SMS · 10 credits · 2 left out"_s;
        QTest::newRow("No at Send SMS ?") << u"Meeting at 8"_s << int(Qt::Key_Return)
                                          << QStringList() << QList<Answer>{Answer::No} << qint64(0)
                                          << false << 1 << u"4 messages · 4 SMS · 20 credits"_s;
        QTest::newRow("the total above the cost limit, declined")
            << u"Meeting at 8"_s << int(Qt::Key_Return) << QStringList()
            << QList<Answer>{Answer::Yes, Answer::No} << qint64(15) << false << 2
            << u"4 messages · 4 SMS · 20 credits"_s;
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
        QFETCH(int, key);
        QTest::keyClick(dialog.findChild<QTableView*>(u"requests"_s), Qt::Key(key));
        QTEST(dialog.result() == QDialog::Accepted, "accepted");
        QTEST(int(MessageBox::shownTexts().size()), "boxes");
        QTEST(dialog.findChild<QLabel*>(u"totals"_s)->text(), "totals");
        if (dialog.result() == QDialog::Accepted)
            QVERIFY(MessageBox::shownTexts().last().contains(dialog.plan().totals().text()));
    }

    // Each row says what it is made of and what is not as it should be;
    // "Replace look-alikes" changes every row at once.
    void marksRows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a Unicode name, a missing one")
            << u"Dear {Name}"_s << false
            << QStringList{u"Dear Anna | GSM 7-bit | "_s, u"Dear Nikolić | Unicode: ć | "_s,
                           u"Dear | GSM 7-bit | no value for {Name}"_s};
        QTest::newRow("a typographic apostrophe")
            << u"It’s {Name}"_s << false
            << QStringList{
                   u"It’s Anna | Unicode: ’ (right single quotation mark) | "_s,
                   u"It’s Nikolić | Unicode: ’ (right single quotation mark), ć | "_s,
                   u"It’s | Unicode: ’ (right single quotation mark) | no value for {Name}"_s};
        QTest::newRow("look-alikes replaced")
            << u"It’s {Name}"_s << true
            << QStringList{u"It's Anna | GSM 7-bit | "_s, u"It's Nikolić | Unicode: ć | "_s,
                           u"It's | GSM 7-bit | no value for {Name}"_s};
        QTest::newRow("over the limit")
            << kLong << false
            << QStringList{u"GSM 7-bit | "_s, u"Unicode: ć | 161 characters, over 160"_s,
                           u"GSM 7-bit | no value for {Name}"_s};
    }
    void marksRows() {
        QFETCH(QString, text);
        QFETCH(bool, replace);
        BatchPreviewDialog dialog(text, list_, u"Quillo"_s, std::nullopt);
        auto* lookAlikes = dialog.findChild<QCheckBox*>(u"replaceLookAlikes"_s);
        if (replace)
            lookAlikes->click();
        const QAbstractItemModel* model = dialog.findChild<QTableView*>()->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column : {BatchPreviewModel::Message, BatchPreviewModel::Alphabet,
                               BatchPreviewModel::Notes})
                cells.append(model->index(row, column).data().toString());
            if (text == kLong)
                cells.removeFirst();
            rows.append(cells.join(u" | "_s));
        }
        QTEST(rows, "rows");
    }

    // Stop, Escape and closing the window while the batch runs all ask once
    // to stop, and the window stays; once it ended, they close it.
    void progressStops_data() {
        QTest::addColumn<int>("how");  // 0 Stop, 1 Escape, 2 closing the window
        QTest::newRow("Stop") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("closed") << 2;
    }
    void progressStops() {
        QFETCH(int, how);
        BatchProgressDialog progress;
        QSignalSpy stops(&progress, &BatchProgressDialog::stopRequested);
        progress.start(120);
        progress.showProgress(37, 120, 185, 90s, u" 815"_s);
        QCOMPARE(progress.findChild<QLabel*>(u"done"_s)->text(), u"37 of 120 requests"_s);
        auto* stop = progress.findChild<QPushButton*>(u"stop"_s);
        for (int twice = 0; twice < 2; ++twice) {
            if (how == 0)
                stop->click();
            else if (how == 1)
                QTest::keyClick(&progress, Qt::Key_Escape);
            else
                progress.close();
        }
        QCOMPARE(stops.size(), 1);
        QVERIFY(progress.isVisible() && !stop->isEnabled());
        progress.showFinished(u"Stopped: 83 requests stay queued."_s);
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(!progress.isVisible());
        QCOMPARE(stops.size(), 1);
    }
};

QTEST_MAIN(TestBatchWindows)
#include "tst_batch_windows.moc"
