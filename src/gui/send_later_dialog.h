// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDialog>

#include "core/schedule/schedule_preferences.h"

class QDateTimeEdit;
class QLabel;
class QPushButton;

namespace pelicast {

class Clock;

// "Send later": the date and time the messages are to go, the next full
// hour to begin with, read in the clock's time zone. It tells what the quiet
// hours do to the time chosen, and refuses a time that has passed.
class SendLaterDialog : public QDialog {
    Q_OBJECT
public:
    // `clock` outlives the dialog. `due`, when valid, is the time offered
    // (a scheduled batch's, to change it).
    SendLaterDialog(const Clock& clock, const SchedulePreferences& preferences,
                    QWidget* parent = nullptr, const QDateTime& due = {});

    // The time chosen, in UTC.
    QDateTime chosenTime() const;

    void accept() override;

private:
    void showEffect();

    const Clock& clock_;
    SchedulePreferences preferences_;
    QDateTimeEdit* when_;
    QLabel* effect_;
    QPushButton* schedule_;
};

}  // namespace pelicast
