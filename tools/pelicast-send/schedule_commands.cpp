// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include "batch_session.h"
#include "core/journal/batch_runner.h"
#include "core/journal/journal.h"
#include "core/journal/schedule_store.h"
#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/schedule/desktop_notice.h"
#include "core/schedule/due_rules.h"
#include "core/schedule/due_timer.h"
#include "core/schedule/scheduled_run.h"
#include "send_context.h"
#include "send_inputs.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under the command's context for the translators.
struct ScheduleText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

QString shown(const QDateTime& utc) {
    return shownTime(utc, Clock::system().zone());
}

QString timerName(DueTimer::Result result) {
    switch (result) {
        case DueTimer::Result::Enabled:
            return u"enabled"_s;
        case DueTimer::Result::AlreadyOn:
            return u"on"_s;
        case DueTimer::Result::NoSystemd:
            return u"none"_s;
        case DueTimer::Result::Failed:
            break;
    }
    return u"failed"_s;
}

// The batch of --cancel, a positive number.
std::optional<qint64> batchNumber(SendContext& context, const QString& option) {
    bool number = false;
    const qint64 id = context.value(option).toLongLong(&number);
    if (number && id > 0)
        return id;
    context.stop(kBadUsage, ScheduleText::tr("--%1 takes the number of a scheduled batch (see "
                                             "--scheduled), not \"%2\".")
                                .arg(option, context.value(option)));
    return std::nullopt;
}

// Tells the desktop, once per batch, that the timer has no password for it.
void tellNoPassword(SendContext& context, const BatchInfo& batch) {
    QStringList told =
        context.settings.value(keys::schedule::kPasswordToldFor).split(u',', Qt::SkipEmptyParts);
    if (told.contains(QString::number(batch.id)))
        return;
    showDesktopNotice(
        ScheduleText::tr("Scheduled messages wait for a password"),
        ScheduleText::tr("Batch %1 of %2 was due at %3, but no password is available for the "
                         "account: none is remembered, or the keyring is locked. It is sent "
                         "as soon as Pelicast is open with the password, or the keyring is "
                         "unlocked.")
            .arg(batch.id)
            .arg(batch.account, shown(batch.due)));
    told.append(QString::number(batch.id));
    context.settings.setValue(keys::schedule::kPasswordToldFor, told.join(u','));
}

}  // namespace

bool readDueTime(SendContext& context, QDateTime& due) {
    if (!context.isSet(u"at"_s))
        return true;
    const Clock& clock = Clock::system();
    const Expected<QDateTime> at = parseScheduleTime(context.value(u"at"_s), clock.zone());
    if (!at)
        return context.stop(kBadUsage, at.error());
    if (const Expected<void> ahead = checkScheduleTime(*at, clock.now(), clock.zone()); !ahead)
        return context.stop(kBadUsage, ahead.error());
    due = *at;
    return true;
}

int tellScheduled(SendContext& context, qint64 id, const QDateTime& due, const BatchPlan& plan) {
    const Clock& clock = Clock::system();
    const DueTimer::Outcome timer = DueTimer::enableNow();
    const QString quiet =
        quietHoursEffect(due, SchedulePreferences::load(context.settings).quietHours, clock.zone());
    QJsonObject result{
        {u"batch"_s, QString::number(id)},     {u"outcome"_s, u"scheduled"_s},
        {u"due"_s, due.toString(Qt::ISODate)}, {u"messages"_s, plan.totals().messages},
        {u"sms"_s, plan.totals().sms},         {u"cost"_s, plan.totals().estimate.cost},
        {u"timer"_s, timerName(timer.result)}};
    QString text = ScheduleText::tr("Batch %1 is scheduled for %2: %3.")
                       .arg(id)
                       .arg(shown(due), plan.totals().text());
    if (!quiet.isEmpty())
        text += u'\n' + quiet;
    context.print(result, text);
    context.say(u"pelicast-send: "_s, DueTimer::describe(timer));
    return kAccepted;
}

int listScheduled(SendContext& context) {
    Journal journal;
    if (!journal.open())
        return context.fail(kUnreadableData, journal.errorString());
    const Expected<QList<ScheduledBatch>> batches = ScheduleStore(journal).scheduled();
    if (!batches)
        return context.fail(kUnreadableData, batches.error());
    QJsonArray list;
    QString text = batches->isEmpty() ? ScheduleText::tr("Nothing is scheduled.") : QString();
    for (const ScheduledBatch& scheduled : *batches) {
        const BatchInfo& batch = scheduled.batch;
        list.append(QJsonObject{{u"batch"_s, QString::number(batch.id)},
                                {u"due"_s, batch.due.toString(Qt::ISODate)},
                                {u"account"_s, batch.account},
                                {u"source"_s, batch.source},
                                {u"messages"_s, scheduled.recipients},
                                {u"requests"_s, batch.counts.total()},
                                {u"cost"_s, batch.counts.cost},
                                {u"text"_s, batch.templateText}});
        text += ScheduleText::tr("Batch %1 at %2, to %3: %4 · %5: %6\n")
                    .arg(batch.id)
                    .arg(shown(batch.due), batch.source,
                         ScheduleText::tr("%n messages", nullptr, int(scheduled.recipients)),
                         ScheduleText::tr("%n credits", nullptr, int(batch.counts.cost)),
                         batch.templateText.simplified());
    }
    context.print(list, text.trimmed());
    return kAccepted;
}

int cancelScheduled(SendContext& context) {
    const std::optional<qint64> id = batchNumber(context, u"cancel"_s);
    if (!id)
        return context.status;
    Journal journal;
    if (!journal.open())
        return context.fail(kUnreadableData, journal.errorString());
    if (const Expected<void> cancelled = ScheduleStore(journal).cancel(*id); !cancelled)
        return context.fail(kBadUsage, cancelled.error());
    context.print(
        QJsonObject{{u"batch"_s, QString::number(*id)}, {u"outcome"_s, u"cancelled"_s}},
        ScheduleText::tr("Batch %1 is cancelled: none of its messages is sent.").arg(*id));
    return kAccepted;
}

int runDue(SendContext& context) {
    const Clock& clock = Clock::system();
    // Every minute of the timer: most end after one look at the journal,
    // before anything of the network or the address book is made.
    if (!QFileInfo::exists(Journal::defaultPath()))
        return kAccepted;
    {
        Journal journal;
        if (!journal.open())
            return context.fail(kUnreadableData, journal.errorString());
        const Expected<QList<qint64>> found = ScheduleStore(journal).dueBy(clock.now());
        if (!found)
            return context.fail(kUnreadableData, found.error());
        if (found->isEmpty())
            return kAccepted;
    }
    const SchedulePreferences preferences = SchedulePreferences::load(context.settings);
    BatchSession session(context);
    if (!session.open())
        return context.status;
    ScheduleStore schedule(session.journal());
    const Expected<QList<DueBatch>> due = dueBatches(schedule, session.store(), clock, preferences);
    if (!due)
        return context.fail(kUnreadableData, due.error());
    int status = kAccepted;
    for (const DueBatch& found : *due) {
        const BatchInfo& batch = found.batch;
        if (found.state.kind == DueState::Kind::Late)
            context.warn(ScheduleText::tr("Batch %1 was due at %2, more than %3 hours ago: it is "
                                          "not sent without your word. Pelicast asks when it "
                                          "starts; pelicast-send --cancel %1 calls it off.")
                             .arg(batch.id)
                             .arg(shown(batch.due))
                             .arg(preferences.lateHours));
        if (found.state.kind != DueState::Kind::Due)
            continue;
        MessageDraft account;
        if (!readAccount(context, true, account, batch.account)) {
            tellNoPassword(context, batch);
            status = kUnreadableData;
            continue;
        }
        const Expected<bool> ours = schedule.begin(batch.id);
        if (!ours || !*ours)
            continue;  // another program took it first
        std::unique_ptr<ScheduledRun> run;
        const int sent = session.run(batch.id, account.password, [&](BatchRunner& runner) {
            run = std::make_unique<ScheduledRun>(runner, schedule, clock, preferences);
        });
        // Ended by a signal, with no finished run: it waits for the next minute all the same.
        if (sent == kNetworkFailure && run && !run->waits())
            schedule.wait(batch.id, clock.now());
        if (status != kUnreadableData)
            status = std::max(status, sent);
    }
    return status;
}

}  // namespace pelicast
