// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <chrono>

namespace pelicast {

// The time scheduled sending reads: the system's, or one set by hand, so that
// due times and quiet hours can be tried at any moment without waiting.
class Clock {
public:
    virtual ~Clock() = default;

    // Now, in UTC.
    virtual QDateTime now() const = 0;
    // Where the user's times (quiet hours, "at 8:00") are read.
    virtual QTimeZone zone() const = 0;

    // The system's clock and time zone.
    static const Clock& system();
};

// A clock that stands still until told otherwise.
class ManualClock final : public Clock {
public:
    explicit ManualClock(const QDateTime& now, const QTimeZone& zone = QTimeZone::systemTimeZone());

    QDateTime now() const override { return now_; }
    QTimeZone zone() const override { return zone_; }

    void set(const QDateTime& now) { now_ = now.toUTC(); }
    void advance(std::chrono::seconds by) { now_ = now_.addSecs(by.count()); }

private:
    QDateTime now_;
    QTimeZone zone_;
};

}  // namespace pelicast
