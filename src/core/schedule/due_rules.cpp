// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/due_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct DueRulesText {
    Q_DECLARE_TR_FUNCTIONS(DueRules)
};

constexpr qint64 kSecondsPerHour = 3600;

}  // namespace

DueState dueState(const QDateTime& due, const QDateTime& now,
                  const SchedulePreferences& preferences, const QTimeZone& zone) {
    const QuietHours& quiet = preferences.quietHours;
    const QDateTime first = quiet.nextAllowed(due, zone);
    if (now < first)
        return {now < due ? DueState::Kind::Waiting : DueState::Kind::Quiet, first};
    if (first.secsTo(now) > preferences.lateHours * kSecondsPerHour)
        return {DueState::Kind::Late, {}};
    // Machine off or the timer slow, then quiet hours came.
    if (quiet.contains(now, zone))
        return {DueState::Kind::Quiet, quiet.nextAllowed(now, zone)};
    return {DueState::Kind::Due, {}};
}

QString quietHoursEffect(const QDateTime& due, const QuietHours& quietHours,
                         const QTimeZone& zone) {
    if (!quietHours.contains(due, zone))
        return {};
    return DueRulesText::tr("That is inside the quiet hours (%1): the messages go at %2.")
        .arg(quietHours.text(), shownTime(quietHours.nextAllowed(due, zone), zone));
}

Expected<void> checkScheduleTime(const QDateTime& at, const QDateTime& now, const QTimeZone& zone) {
    if (!at.isValid())
        return Unexpected(DueRulesText::tr("Choose the date and time the messages are to go."));
    if (at <= now)
        return Unexpected(DueRulesText::tr("%1 has passed: choose a later time, or send now.")
                              .arg(shownTime(at, zone)));
    return {};
}

Expected<QDateTime> parseScheduleTime(QStringView text, const QTimeZone& zone) {
    const QString trimmed = text.trimmed().toString();
    static const QRegularExpression local(uR"(^(\d{4}-\d\d-\d\d)[ T](\d\d?:\d\d)$)"_s);
    const QRegularExpressionMatch match = local.match(trimmed);
    if (match.hasMatch()) {
        const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
        const QTime time = QTime::fromString(match.captured(2).rightJustified(5, u'0'), u"HH:mm");
        if (date.isValid() && time.isValid()) {
            const QDateTime moment(date, time, zone);
            // Qt moves a time the clocks skip forward.
            if (!moment.isValid() || moment.time() != time)
                return Unexpected(
                    DueRulesText::tr("%1 does not exist in this time zone (the clocks skip it): "
                                     "choose another time.")
                        .arg(trimmed));
            return moment.toUTC();
        }
    }
    // With an offset or Z, it names its own moment.
    static const QRegularExpression offset(uR"((Z|[+-]\d\d(:?\d\d)?)$)"_s);
    if (offset.match(trimmed).hasMatch()) {
        const QDateTime moment = QDateTime::fromString(trimmed, Qt::ISODate);
        if (moment.isValid())
            return moment.toUTC();
    }
    return Unexpected(
        DueRulesText::tr(
            "“%1” is no time: write it as YYYY-MM-DD HH:MM (your local time), or in ISO 8601 "
            "with an offset, such as 2026-05-04T08:00+02:00.")
            .arg(trimmed));
}

QDateTime nextFullHour(const QDateTime& now, const QTimeZone& zone) {
    const QDateTime local = now.toTimeZone(zone);
    const QDateTime hour(local.date(), QTime(local.time().hour(), 0), zone);
    return hour.addSecs(kSecondsPerHour).toUTC();
}

QString shownTime(const QDateTime& moment, const QTimeZone& zone) {
    const QDateTime local = moment.toTimeZone(zone);
    const QLocale locale;
    return DueRulesText::tr("%1 on %2")
        .arg(locale.toString(local.time(), u"HH:mm"_s),
             locale.toString(local.date(), u"ddd d MMM yyyy"_s));
}

}  // namespace pelicast
