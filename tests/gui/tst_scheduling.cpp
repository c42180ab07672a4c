// SPDX-License-Identifier: GPL-3.0-or-later
// Sending later in the window: the time offered and refused, and what the
// quiet hours do to it; the Scheduled window changing batches in a real
// journal; on a clock set by hand in Athens. The main window scheduling a
// message, and sending what is due to the real gateway stand-in, late ones
// only on the user's word, racing the timer's pelicast-send --run-due.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core/book/address_book.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/schedule_store.h"
#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/schedule/due_rules.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/scheduled_window.h"
#include "gui/send_later_dialog.h"
#include "support/gateway_process.h"

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
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            delete poll;
            answer(dialog);
        }
    });
    poll->start(10);
}

}  // namespace

Q_DECLARE_METATYPE(BatchState)

class TestScheduling : public QObject {
    Q_OBJECT
    testing::GatewayProcess gateway_;
    ManualClock clock_{local(u"2026-05-05T10:00"_s), kAthens};

    std::unique_ptr<MainWindow> window() {
        auto window = std::make_unique<MainWindow>(
            GatewayLocation{gateway_.httpBase(), gateway_.httpsBase(), u"quillo"_s});
        window->setClock(clock_);
        child<QLineEdit>(window.get(), "Uname")->setText(u"anna"_s);
        child<QLineEdit>(window.get(), "Pass")->setText(u"s3cret"_s);
        child<QCheckBox>(window.get(), "remember")->setChecked(false);
        return window;
    }
    // A batch of anna's due at `due`, a message to each of `numbers`; its id.
    static qint64 schedule(const QDateTime& due, const QStringList& numbers) {
        Journal journal;
        QList<QStringList> rows;
        for (const QString& number : numbers)
            rows.append({number, number.right(1)});
        const BatchPlan plan(u"Hi {n}"_s, RecipientList::fromStored({u"n"_s}, rows), u"Quillo"_s);
        if (!journal.open())
            return 0;
        const Expected<qint64> id =
            BatchStore(journal).create({u"anna"_s, u"Hi {n}"_s, u"Staff"_s, {}, due}, plan);
        return id ? *id : 0;
    }
    static BatchState stateOf(qint64 id) {
        Journal journal;
        return journal.open() ? (*BatchStore(journal).batch(id))->state : BatchState::Done;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(gateway_.start({{u"anna"_s, u"s3cret"_s, 1000}}),
                 qPrintable(gateway_.errorString()));
        Settings settings;
        Preferences preferences{u"GR"_s};
        preferences.pause = {};
        QVERIFY(preferences.save(settings));
        settings.setValue(keys::kTransport, u"http"_s);
        settings.setValue(keys::preferences::kQuietHours, u"off"_s);
    }
    void init() {
        for (const QString& end : {u""_s, u"-wal"_s, u"-shm"_s})
            QFile::remove(Journal::defaultPath() + end);
    }
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

    // Send later: Send's checks, then the time, then a scheduled batch of one
    // request; the user told that without a kept password it waits for the window.
    void schedulesFromWindow() {
        auto window = this->window();
        child<QComboBox>(window.get(), "rcpt")->setEditText(u"6941110001;6941110002"_s);
        child<MessageTextEdit>(window.get(), "sms")->setText(u"Meet at 8"_s);
        MessageBox::startRecording();
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        whenOpen([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        child<QPushButton>(window.get(), "sendLater")->click();
        QTRY_COMPARE(MessageBox::shownTexts().size(), 2);  // the estimate, then what was done
        QVERIFY(MessageBox::shownTexts().last().contains(u"Remember Password is off"_s));
        QVERIFY(MessageBox::shownTexts().last().contains(u"only while Pelicast is open"_s));
        Journal journal;
        QVERIFY(journal.open());
        const QList<ScheduledBatch> scheduled = *ScheduleStore(journal).scheduled();
        QCOMPARE(scheduled.size(), 1);
        QCOMPARE(scheduled.first().batch.due, local(u"2026-05-05T11:00"_s).toUTC());
        QCOMPARE(scheduled.first().batch.counts.total(), 1);
        QCOMPARE(scheduled.first().recipients, 2);
    }

    // What the window sends at its look: a due batch, and a late one only
    // once the user said so.
    void sendsWhatIsDue_data() {
        QTest::addColumn<int>("dueMinutes");  // from the clock's now
        QTest::addColumn<QString>("answer");  // to the late batches' question
        QTest::addColumn<BatchState>("state");
        QTest::newRow("due") << -30 << QString() << BatchState::Done;
        QTest::newRow("waiting") << 30 << QString() << BatchState::Scheduled;
        QTest::newRow("late, asked again") << -300 << u"askLater"_s << BatchState::Scheduled;
        QTest::newRow("late, sent now") << -300 << u"sendLateNow"_s << BatchState::Done;
        QTest::newRow("late, cancelled") << -300 << u"cancelLate"_s << BatchState::Cancelled;
    }
    void sendsWhatIsDue() {
        QFETCH(int, dueMinutes);
        QFETCH(QString, answer);
        const qsizetype before = gateway_.outbox().size();
        const qint64 id = schedule(clock_.now().addSecs(dueMinutes * 60), {u"6941110005"_s});
        auto window = this->window();
        if (!answer.isEmpty())
            whenOpen([answer](QWidget* dialog) {
                child<QPushButton>(dialog, answer.toLatin1().constData())->click();
            });
        window->askAboutLateBatches();
        window->sendDueBatches();
        QFETCH(BatchState, state);
        QTRY_COMPARE(stateOf(id), state);
        QCOMPARE(gateway_.outbox().size() - before, qsizetype(state == BatchState::Done));
    }

    // The window and the timer on one due batch at once: each request once.
    void windowRacesTimer() {
        const qsizetype before = gateway_.outbox().size();
        const QStringList numbers{u"6941110011"_s, u"6941110012"_s, u"6941110013"_s};
        const qint64 id = schedule(QDateTime::currentDateTimeUtc().addSecs(-60), numbers);
        auto window = this->window();
        window->setClock(Clock::system());
        QProcess timer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PELICAST_GATEWAY"_s, gateway_.httpBase());
        environment.insert(u"PELICAST_PASSWORD"_s, u"s3cret"_s);
        timer.setProcessEnvironment(environment);
        timer.start(QStringLiteral(PELICAST_SEND), {u"--run-due"_s});
        window->sendDueBatches();
        QVERIFY(timer.waitForFinished(20000));
        QTRY_COMPARE(stateOf(id), BatchState::Done);
        QStringList sent;
        for (const QJsonObject& record : gateway_.outbox().mid(before))
            sent << record[u"rcpt"_s].toString();
        sent.sort();
        QCOMPARE(sent, numbers);
    }
};

QTEST_MAIN(TestScheduling)
#include "tst_scheduling.moc"
