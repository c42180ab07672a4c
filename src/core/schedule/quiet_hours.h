// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include "common/expected.h"

namespace pelicast {

// The hours of the day, in the user's time zone, in which nothing is sent:
// from `start` up to `end`, over midnight when `end` comes first
// ("21:00-08:00"). Off, nothing is quiet.
class QuietHours {
public:
    // Off.
    QuietHours() = default;
    // `start` and `end` are valid and differ, to the minute.
    QuietHours(QTime start, QTime end);

    // 21:00-08:00: nobody woken by a notice.
    static QuietHours defaults();
    // "21:00-08:00" (H:MM or HH:MM, spaces allowed around the dash) or "off";
    // else the reason, in words for the user.
    static Expected<QuietHours> parse(QStringView text);
    // As parse() reads it: "21:00-08:00" or "off".
    QString text() const;

    bool isOn() const { return start_.isValid(); }
    QTime start() const { return start_; }
    QTime end() const { return end_; }

    // Whether `moment` lies inside them, read in `zone`.
    bool contains(const QDateTime& moment, const QTimeZone& zone) const;
    // `moment` when it lies outside them, else the end of the quiet hours it
    // lies in; in UTC.
    QDateTime nextAllowed(const QDateTime& moment, const QTimeZone& zone) const;

    bool operator==(const QuietHours& other) const = default;

private:
    QTime start_;
    QTime end_;
};

}  // namespace pelicast
