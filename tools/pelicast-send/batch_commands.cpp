// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_commands.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include "batch_session.h"
#include "core/journal/template_store.h"
#include "send_context.h"
#include "send_inputs.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using Outcome = RequestRecord::Outcome;

namespace {

// This file's texts, under the command's context for the translators.
struct BatchCommandsText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// The batch an option names, read from the session's journal.
std::optional<BatchInfo> namedBatch(SendContext& context, BatchSession& session,
                                    const QString& option) {
    bool number = false;
    const qint64 id = context.value(option).toLongLong(&number);
    if (!number || id <= 0) {
        context.stop(kBadUsage, BatchCommandsText::tr(
                                    "--%1 takes the number of a batch (see --batches), not \"%2\".")
                                    .arg(option, context.value(option)));
        return std::nullopt;
    }
    if (!session.open())
        return std::nullopt;
    const Expected<std::optional<BatchInfo>> found = session.store().batch(id);
    if (!found)
        context.stop(kUnreadableData, found.error());
    else if (!*found)
        context.stop(kBadUsage,
                     BatchCommandsText::tr("There is no batch %1 (see --batches).").arg(id));
    return found ? *found : std::nullopt;
}

QString localTime(const QDateTime& utc) {
    return utc.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s);
}

}  // namespace

int listBatches(SendContext& context) {
    BatchSession session(context);
    if (!session.open())
        return context.status;
    const Expected<QList<BatchInfo>> batches = session.store().unfinished();
    if (!batches)
        return context.fail(kUnreadableData, batches.error());
    QJsonArray list;
    QString text =
        batches->isEmpty() ? BatchCommandsText::tr("No batch is unfinished.") : QString();
    for (const BatchInfo& batch : *batches) {
        const BatchCounts& counts = batch.counts;
        list.append(QJsonObject{{u"batch"_s, QString::number(batch.id)},
                                {u"created"_s, batch.created.toString(Qt::ISODate)},
                                {u"accepted"_s, counts.of(Outcome::Accepted)},
                                {u"refused"_s, counts.of(Outcome::Refused)},
                                {u"unknown"_s, counts.uncertain()},
                                {u"queued"_s, counts.of(Outcome::Queued)},
                                {u"pending"_s, counts.of(Outcome::Pending)},
                                {u"source"_s, batch.source}});
        text += BatchCommandsText::tr("%1, made %2 from %3")
                    .arg(batchLine(batch), localTime(batch.created), batch.source) +
                u'\n';
    }
    context.print(list, text.trimmed());
    return kAccepted;
}

int continueBatch(SendContext& context) {
    const bool refused = context.isSet(u"resend-refused"_s);
    const bool unknown = context.isSet(u"resend-unknown"_s);
    const QString option =
        refused ? u"resend-refused"_s : (unknown ? u"resend-unknown"_s : u"continue"_s);
    BatchSession session(context);
    const std::optional<BatchInfo> batch = namedBatch(context, session, option);
    if (!batch)
        return context.status;
    if (batch->state == BatchState::Scheduled || batch->state == BatchState::Cancelled)
        return context.fail(kBadUsage,
                            BatchCommandsText::tr("Batch %1 is %2: it is not sent now.")
                                .arg(QString::number(batch->id), batchStateName(batch->state)));
    if (context.isSet(u"user"_s) && context.value(u"user"_s) != batch->account)
        return context.fail(
            kBadUsage, BatchCommandsText::tr("Batch %1 is of the account %2: leave out --user.")
                           .arg(QString::number(batch->id), batch->account));
    MessageDraft account;
    if (!readAccount(context, true, account, batch->account))
        return context.status;
    if (refused || unknown) {
        const Expected<qint64> queued =
            session.store().sendAgain(batch->id, refused ? SendAgain::Refused : SendAgain::Unknown);
        if (!queued)
            return context.fail(kUnreadableData, queued.error());
        context.warn(
            refused
                ? BatchCommandsText::tr("%n refused requests of batch %1 are sent again: each is "
                                        "charged when the gateway takes it this time.",
                                        nullptr, int(*queued))
                      .arg(batch->id)
                : BatchCommandsText::tr("%n requests of batch %1 that got no clear answer are sent "
                                        "again. The gateway may have sent them already: their "
                                        "recipients may get them twice, and each is paid again.",
                                        nullptr, int(*queued))
                      .arg(batch->id));
    }
    return session.run(batch->id, account.password);
}

int closeBatch(SendContext& context) {
    BatchSession session(context);
    const std::optional<BatchInfo> batch = namedBatch(context, session, u"close"_s);
    if (!batch)
        return context.status;
    const Expected<qint64> declined = session.store().close(batch->id);
    if (!declined)
        return context.fail(kUnreadableData, declined.error());
    context.print(QJsonObject{{u"batch"_s, QString::number(batch->id)},
                              {u"outcome"_s, u"closed"_s},
                              {u"declined"_s, *declined}},
                  BatchCommandsText::tr("Batch %1 is closed: %n queued requests will not be sent; "
                                        "History keeps the rest as they are.",
                                        nullptr, int(*declined))
                      .arg(batch->id));
    return kAccepted;
}

int manageTemplates(SendContext& context) {
    Journal journal;
    if (!journal.open())
        return context.fail(kUnreadableData, journal.errorString());
    TemplateStore templates(journal);
    if (context.isSet(u"save-template"_s)) {
        QString text;
        if (!readMessageText(context, text))
            return context.status;
        // Kept as typed: line breaks as the window's field has them.
        text.replace(u"\r\n"_s, u"\n"_s);
        const QString name = context.value(u"save-template"_s);
        if (const Expected<void> saved = templates.save(name, text); !saved)
            return context.fail(kBadUsage, saved.error());
        context.print(QJsonObject{{u"template"_s, name.trimmed()}, {u"outcome"_s, u"saved"_s}},
                      BatchCommandsText::tr("Template \"%1\" saved.").arg(name.trimmed()));
        return kAccepted;
    }
    if (context.isSet(u"delete-template"_s)) {
        const QString name = context.value(u"delete-template"_s);
        if (const Expected<void> removed = templates.remove(name); !removed)
            return context.fail(kUnreadableData, removed.error());
        context.print(QJsonObject{{u"template"_s, name.trimmed()}, {u"outcome"_s, u"deleted"_s}},
                      BatchCommandsText::tr("Template \"%1\" deleted.").arg(name.trimmed()));
        return kAccepted;
    }
    const Expected<QList<MessageTemplate>> list = templates.list();
    if (!list)
        return context.fail(kUnreadableData, list.error());
    QJsonArray array;
    QString text;
    for (const MessageTemplate& saved : *list) {
        array.append(QJsonObject{{u"name"_s, saved.name}, {u"text"_s, saved.text}});
        text += saved.name + u":\n    "_s + QString(saved.text).replace(u'\n', u"\n    "_s) + u'\n';
    }
    context.print(
        array, list->isEmpty() ? BatchCommandsText::tr("No template is saved.") : text.trimmed());
    return kAccepted;
}

}  // namespace pelicast
