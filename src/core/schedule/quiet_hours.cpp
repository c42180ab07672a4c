// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/quiet_hours.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct QuietHoursText {
    Q_DECLARE_TR_FUNCTIONS(QuietHours)
};

const QString kOff = u"off"_s;
const QString kTimeFormat = u"HH:mm"_s;

QTime wholeMinute(QTime time) {
    return QTime(time.hour(), time.minute());
}

}  // namespace

QuietHours::QuietHours(QTime start, QTime end)
    : start_(wholeMinute(start)), end_(wholeMinute(end)) {
    Q_ASSERT(start_.isValid() && end_.isValid() && start_ != end_);
}

QuietHours QuietHours::defaults() {
    return QuietHours(QTime(21, 0), QTime(8, 0));
}

Expected<QuietHours> QuietHours::parse(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.compare(kOff, Qt::CaseInsensitive) == 0)
        return QuietHours();
    static const QRegularExpression span(uR"(^(\d{1,2}):(\d\d)\s*[-–]\s*(\d{1,2}):(\d\d)$)"_s);
    const QRegularExpressionMatch match = span.match(trimmed);
    const auto time = [&match](int first) {
        return QTime(match.captured(first).toInt(), match.captured(first + 1).toInt());
    };
    const QTime start = match.hasMatch() ? time(1) : QTime();
    const QTime end = match.hasMatch() ? time(3) : QTime();
    if (!start.isValid() || !end.isValid())
        return Unexpected(
            QuietHoursText::tr("“%1” are no quiet hours: write them as 21:00-08:00, or off.")
                .arg(trimmed));
    if (start == end)
        return Unexpected(
            QuietHoursText::tr("Quiet hours from %1 to %1 would never end: choose an end that "
                               "differs from the start, or turn them off.")
                .arg(start.toString(kTimeFormat)));
    return QuietHours(start, end);
}

QString QuietHours::text() const {
    if (!isOn())
        return kOff;
    return start_.toString(kTimeFormat) + u'-' + end_.toString(kTimeFormat);
}

bool QuietHours::contains(const QDateTime& moment, const QTimeZone& zone) const {
    if (!isOn())
        return false;
    const QTime time = moment.toTimeZone(zone).time();
    if (start_ < end_)
        return time >= start_ && time < end_;
    return time >= start_ || time < end_;
}

QDateTime QuietHours::nextAllowed(const QDateTime& moment, const QTimeZone& zone) const {
    if (!contains(moment, zone))
        return moment.toUTC();
    const QDateTime local = moment.toTimeZone(zone);
    // Over midnight, the evening's quiet ends on the next day.
    const bool evening = start_ > end_ && local.time() >= start_;
    const QDate day = evening ? local.date().addDays(1) : local.date();
    const QDateTime end(day, end_, zone);
    // Where the clocks skip the end, the quiet ends when they jump over it.
    if (!end.isValid() || end.time() != end_)
        return zone.nextTransition(moment).atUtc;
    return end.toUTC();
}

}  // namespace pelicast
