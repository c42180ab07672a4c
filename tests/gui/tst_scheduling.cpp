// SPDX-License-Identifier: GPL-3.0-or-later
// Sending later in the window: the time offered and refused, and what the
// quiet hours do to it, on a clock set by hand in Athens.
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/schedule/clock.h"
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
};

QTEST_MAIN(TestScheduling)
#include "tst_scheduling.moc"
