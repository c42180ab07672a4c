// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/clock.h"

namespace pelicast {

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone zone() const override { return QTimeZone::systemTimeZone(); }
};

}  // namespace

const Clock& Clock::system() {
    static const SystemClock clock;
    return clock;
}

ManualClock::ManualClock(const QDateTime& now, const QTimeZone& zone)
    : now_(now.toUTC()), zone_(zone) {}

}  // namespace pelicast
