// SPDX-License-Identifier: GPL-3.0-or-later
// Sending later in the window: the time offered and refused, and what the
// quiet hours do to it; the Scheduled window changing batches in a real
// journal; on a clock set by hand in Athens.
#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core/book/address_book.h"
#include "core/journal/batch_store.h"
#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/settings/settings.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/scheduled_window.h"
#include "gui/send_later_dialog.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const QTimeZone kAthens(QByteArrayLiteral("Europe/Athens"));

QDateTime local(const QString& text) {
    const QDateTime wall = QDateTime::fromString(text, Qt::ISODate);
    return QDateTime(wall.date(), wall.time(), kAthens);
}

template <typename T = QWidget>
T* child(QObject* parent, const char* name) {
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Answers the next modal dialog with `answer`, once it is open.
void whenOpen(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

}  // namespace

class TestScheduling : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Return schedules what may be scheduled, and nothing else.
    void offersAndRefusesTimes_data() {
        QTest::addColumn<QString>("typed");  // "": as offered
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("note");
        QTest::newRow("the next full hour, after midnight")
            << QString() << u"2026-05-05T00:00"_s << u"quiet hours (21:00-08:00)"_s;
        QTest::newRow("outside quiet hours")
            << u"2026-05-05T09:30"_s << u"2026-05-05T09:30"_s << QString();
        QTest::newRow("passed") << u"2026-05-04T23:00"_s << QString() << u"has passed"_s;
    }
    void offersAndRefusesTimes() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QFETCH(QString, note);
        const ManualClock clock(local(u"2026-05-04T23:20"_s), kAthens);
        SendLaterDialog dialog(clock, SchedulePreferences());
        QCOMPARE(dialog.objectName(), u"sendLater"_s);
        dialog.show();
        if (!typed.isEmpty())
            child<QDateTimeEdit>(&dialog, "sendAt")
                ->setDateTime(QDateTime::fromString(typed, Qt::ISODate));
        const QString shown = child<QLabel>(&dialog, "sendLaterNote")->text();
        QVERIFY2(note.isEmpty() ? shown.isEmpty() : shown.contains(note), qPrintable(shown));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result() == QDialog::Accepted, !chosen.isEmpty());
        if (!chosen.isEmpty())
            QCOMPARE(dialog.chosenTime(), local(chosen).toUTC());
    }

    // Another time, another text, cancelled: each in the journal at once.
    void scheduledWindowChangesBatches() {
        Journal journal;
        QVERIFY(journal.open());
        BatchStore store(journal);
        const BatchPlan plan(
            u"Meet at 8"_s,
            RecipientList::fromText(u"+306944000001;+306944000002"_s, AddressBook(), {}),
            u"Quillo"_s);
        for (const QString& due : {u"2026-05-05T12:00"_s, u"2026-05-06T09:00"_s})
            QVERIFY(store.create({u"anna"_s, u"Meet at 8"_s, u"Staff"_s, {}, local(due)}, plan));
        const ManualClock clock(local(u"2026-05-04T10:00"_s), kAthens);
        Settings settings;
        ScheduledWindow window(clock, settings);
        QVERIFY(window.showScheduled());
        QCOMPARE(window.objectName(), u"scheduled"_s);
        auto* list = child<QTableView>(&window, "scheduledList");
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(0, 2).data().toInt(), 2);  // messages
        whenOpen([](QWidget* dialog) {
            child<QDateTimeEdit>(dialog, "sendAt")
                ->setDateTime(QDateTime::fromString(u"2026-05-06T10:00"_s, Qt::ISODate));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        child<QPushButton>(&window, "changeTime")->click();
        const qint64 moved = 1;  // now the later of the two
        QCOMPARE((*store.batch(moved))->due, local(u"2026-05-06T10:00"_s).toUTC());
        list->selectRow(1);
        whenOpen([](QWidget* dialog) {
            child<MessageTextEdit>(dialog, "scheduledText")->setText(u"Meet at 9"_s);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        child<QPushButton>(&window, "editText")->click();
        QCOMPARE((*store.requests(moved)).first().record.message, u"Meet at 9"_s);
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        child<QPushButton>(&window, "cancelBatch")->click();
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE((*store.batch(2))->state, BatchState::Cancelled);
    }
};

QTEST_MAIN(TestScheduling)
#include "tst_scheduling.moc"
