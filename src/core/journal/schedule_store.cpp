// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/schedule_store.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "core/journal/journal.h"
#include "core/journal/journal_sql.h"
#include "core/message/batch_plan.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using journal_sql::utcText;

namespace {

// This file's texts, under one context for the translators.
struct ScheduleStoreText {
    Q_DECLARE_TR_FUNCTIONS(ScheduleStore)
};

Unexpected<QString> notScheduled(qint64 id) {
    return Unexpected(
        ScheduleStoreText::tr("Batch %1 is no longer scheduled: it is being sent, was sent or was "
                              "cancelled.")
            .arg(id));
}

}  // namespace

ScheduleStore::ScheduleStore(Journal& journal) : journal_(journal) {}

Expected<QList<ScheduledBatch>> ScheduleStore::scheduled() const {
    QSqlQuery query(journal_.database());
    if (!query.exec(u"SELECT id FROM batches WHERE state = 'scheduled' ORDER BY due, id"_s))
        return journal_sql::failure(journal_, query);
    QList<qint64> ids;
    while (query.next())
        ids.append(query.value(0).toLongLong());
    query.finish();
    const BatchStore batches(journal_);
    QList<ScheduledBatch> list;
    query.prepare(
        u"SELECT SUM(recipient_count), (SELECT recipients FROM requests WHERE batch = ?"
        " ORDER BY id LIMIT 1) FROM requests WHERE batch = ?"_s);
    for (const qint64 id : std::as_const(ids)) {
        const Expected<std::optional<BatchInfo>> batch = batches.batch(id);
        if (!batch)
            return Unexpected(batch.error());
        if (!*batch)
            continue;
        query.addBindValue(id);
        query.addBindValue(id);
        if (!query.exec() || !query.next())
            return journal_sql::failure(journal_, query);
        list.append({**batch, query.value(0).toLongLong(), query.value(1).toString()});
    }
    return list;
}

Expected<QList<qint64>> ScheduleStore::dueBy(const QDateTime& now) const {
    QSqlQuery query(journal_.database());
    query.prepare(
        u"SELECT id FROM batches WHERE state = 'scheduled' AND due <= ? ORDER BY due, id"_s);
    query.addBindValue(utcText(now));
    if (!query.exec())
        return journal_sql::failure(journal_, query);
    QList<qint64> ids;
    while (query.next())
        ids.append(query.value(0).toLongLong());
    return ids;
}

Expected<QDateTime> ScheduleStore::nextDue() const {
    QSqlQuery query(journal_.database());
    if (!query.exec(u"SELECT MIN(due) FROM batches WHERE state = 'scheduled'"_s) || !query.next())
        return journal_sql::failure(journal_, query);
    return query.value(0).isNull()
               ? QDateTime()
               : QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs).toUTC();
}

Expected<bool> ScheduleStore::begin(qint64 id) {
    QSqlQuery query(journal_.database());
    query.prepare(u"UPDATE batches SET state = 'open' WHERE id = ? AND state = 'scheduled'"_s);
    query.addBindValue(id);
    if (!query.exec())
        return journal_sql::failure(journal_, query);
    return query.numRowsAffected() == 1;
}

Expected<void> ScheduleStore::wait(qint64 id, const QDateTime& due) {
    QSqlQuery query(journal_.database());
    query.prepare(
        u"UPDATE batches SET state = 'scheduled', due = ? WHERE id = ? AND state = 'open'"
        " AND EXISTS (SELECT 1 FROM requests WHERE batch = ? AND outcome = 'queued')"_s);
    query.addBindValue(utcText(due));
    query.addBindValue(id);
    query.addBindValue(id);
    if (!query.exec())
        return journal_sql::failure(journal_, query);
    return {};
}

Expected<void> ScheduleStore::reschedule(qint64 id, const QDateTime& due) {
    QSqlQuery query(journal_.database());
    query.prepare(u"UPDATE batches SET due = ? WHERE id = ? AND state = 'scheduled'"_s);
    query.addBindValue(utcText(due));
    query.addBindValue(id);
    if (!query.exec())
        return journal_sql::failure(journal_, query);
    if (query.numRowsAffected() != 1)
        return notScheduled(id);
    return {};
}

Expected<void> ScheduleStore::cancel(qint64 id) {
    return journal_sql::inTransaction(journal_, [&](QSqlQuery& query) -> Expected<void> {
        query.prepare(
            u"UPDATE batches SET state = 'cancelled' WHERE id = ? AND state = 'scheduled'"_s);
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        if (query.numRowsAffected() != 1)
            return notScheduled(id);
        query.prepare(
            u"UPDATE requests SET outcome = 'declined', reason = ?"
            " WHERE batch = ? AND outcome = 'queued'"_s);
        query.addBindValue(ScheduleStoreText::tr("The scheduled batch was cancelled."));
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        return {};
    });
}

Expected<void> ScheduleStore::replace(qint64 id, const QString& templateText,
                                      const BatchPlan& plan) {
    return journal_sql::inTransaction(journal_, [&](QSqlQuery& query) -> Expected<void> {
        query.prepare(u"SELECT account FROM batches WHERE id = ? AND state = 'scheduled'"_s);
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        if (!query.next())
            return notScheduled(id);
        const QString account = query.value(0).toString();
        // Paused by quiet hours with some sent: the rest keeps its text, or
        // some would get two.
        query.prepare(u"SELECT 1 FROM requests WHERE batch = ? AND outcome <> 'queued'"_s);
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        if (query.next())
            return Unexpected(
                ScheduleStoreText::tr("Part of batch %1 was sent already: its text can no "
                                      "longer change.")
                    .arg(id));
        query.prepare(u"UPDATE batches SET template = ? WHERE id = ?"_s);
        query.addBindValue(journal_sql::text(templateText));
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        // Rows that never left: plans, not records of requests.
        query.prepare(u"DELETE FROM requests WHERE batch = ? AND outcome = 'queued'"_s);
        query.addBindValue(id);
        if (!query.exec())
            return journal_sql::failure(journal_, query);
        return journal_sql::insertPlan(journal_, id, account, plan,
                                       QDateTime::currentDateTimeUtc());
    });
}

}  // namespace pelicast
