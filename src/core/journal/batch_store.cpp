// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/batch_store.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

#include "core/journal/journal.h"
#include "core/journal/journal_sql.h"
#include "core/message/batch_plan.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using journal_sql::utcText;
using Outcome = RequestRecord::Outcome;

namespace {

// This file's texts, under one context for the translators.
struct BatchStoreText {
    Q_DECLARE_TR_FUNCTIONS(BatchStore)
};

constexpr QStringView kStateNames[] = {u"scheduled", u"open", u"done", u"cancelled"};

QDateTime utcTime(const QVariant& value) {
    return value.isNull() ? QDateTime()
                          : QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

// The columns BatchInfo is read from, in its order.
constexpr auto kBatchColumns =
    "id, created, account, originator, template, source, pause_ms, due, state";

BatchInfo batchFrom(const QSqlQuery& query) {
    BatchInfo info;
    info.id = query.value(0).toLongLong();
    info.created = utcTime(query.value(1));
    info.account = query.value(2).toString();
    info.originator = query.value(3).toString();
    info.templateText = query.value(4).toString();
    info.source = query.value(5).toString();
    info.pause = std::chrono::milliseconds(query.value(6).toLongLong());
    info.due = utcTime(query.value(7));
    info.state = batchStateOfName(query.value(8).toString());
    return info;
}

// The columns BatchRequest is read from, in its order.
constexpr auto kRequestColumns =
    "id, time, recipients, message, recipient_count, parts, encoding, cost, outcome, reason,"
    " reply, balance_before, balance_after, account, originator, batch";

BatchRequest requestFrom(const QSqlQuery& query) {
    BatchRequest request;
    request.id = query.value(0).toLongLong();
    RequestRecord& r = request.record;
    r.time = utcTime(query.value(1));
    r.recipients = query.value(2).toString();
    r.message = query.value(3).toString();
    r.recipientCount = query.value(4).toLongLong();
    r.parts = query.value(5).toInt();
    r.encoding = query.value(6).toString();
    r.cost = query.value(7).toLongLong();
    r.outcome = outcomeOfName(query.value(8).toString());
    r.reason = query.value(9).toString();
    r.reply = query.value(10).toString();
    r.balanceBefore = query.value(11).isNull() ? QString() : query.value(11).toString();
    r.balanceAfter = query.value(12).isNull() ? QString() : query.value(12).toString();
    r.account = query.value(13).toString();
    r.originator = query.value(14).toString();
    r.batch = query.value(15).toLongLong();
    return request;
}

// The recipients of a plan, with every field's value.
QString recipientsJson(const RecipientList& list) {
    QJsonArray rows;
    for (qsizetype i = 0; i < list.count(); ++i) {
        QJsonArray row{list.element(i)};
        for (int field = 0; field < list.fieldNames().size(); ++field)
            row.append(list.value(i, field));
        rows.append(row);
    }
    const QJsonObject object{{u"fields"_s, QJsonArray::fromStringList(list.fieldNames())},
                             {u"rows"_s, rows}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

}  // namespace

QString batchStateName(BatchState state) {
    return kStateNames[int(state)].toString();
}

BatchState batchStateOfName(QStringView name) {
    for (int i = 0; i < int(std::size(kStateNames)); ++i) {
        if (kStateNames[i] == name)
            return BatchState(i);
    }
    return BatchState::Done;
}

qint64 BatchCounts::total() const {
    qint64 sum = 0;
    for (const qint64 n : byOutcome)
        sum += n;
    return sum;
}

qint64 BatchCounts::uncertain() const {
    return of(Outcome::Unknown) + of(Outcome::Unclear);
}

qint64 BatchCounts::done() const {
    return total() - of(Outcome::Queued) - of(Outcome::Pending);
}

qint64 BatchCounts::unsettled() const {
    return of(Outcome::Queued) + of(Outcome::Pending) + uncertain();
}

BatchVerdict BatchCounts::verdict() const {
    if (unsettled() > 0)
        return BatchVerdict::Uncertain;
    // Declined: the batch was closed with them unsent.
    return of(Outcome::Refused) + of(Outcome::Declined) > 0 ? BatchVerdict::Refused
                                                            : BatchVerdict::Accepted;
}

void BatchCounts::move(Outcome from, Outcome to, qint64 requestCost) {
    --byOutcome[size_t(from)];
    ++byOutcome[size_t(to)];
    if (from == Outcome::Accepted)
        spent -= requestCost;
    if (to == Outcome::Accepted)
        spent += requestCost;
}

BatchStore::BatchStore(Journal& journal) : journal_(journal) {}

using journal_sql::change;
using journal_sql::failure;
using journal_sql::inTransaction;

Expected<qint64> BatchStore::create(const NewBatch& batch, const BatchPlan& plan) {
    // On disk with the commit: the batch is its own record.
    journal_.setSynchronous(true);
    return inTransaction(journal_, [&](QSqlQuery& query) -> Expected<qint64> {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        query.prepare(
            u"INSERT INTO batches (created, account, originator, template, source, recipients,"
            " pause_ms, due, state) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
        const bool scheduled = batch.due.isValid();
        query.addBindValue(utcText(now));
        query.addBindValue(journal_sql::text(batch.account));
        query.addBindValue(journal_sql::text(plan.originator()));
        query.addBindValue(journal_sql::text(batch.templateText));
        query.addBindValue(journal_sql::text(batch.source));
        // Planned again only when its text is changed before its time.
        query.addBindValue(scheduled ? QVariant(recipientsJson(plan.recipients())) : QVariant());
        query.addBindValue(qint64(batch.pause.count()));
        query.addBindValue(scheduled ? QVariant(utcText(batch.due)) : QVariant());
        query.addBindValue(batchStateName(scheduled ? BatchState::Scheduled : BatchState::Open));
        if (!query.exec())
            return failure(journal_, query);
        const qint64 id = query.lastInsertId().toLongLong();
        if (const Expected<void> rows =
                journal_sql::insertPlan(journal_, id, batch.account, plan, now);
            !rows)
            return Unexpected(rows.error());
        return id;
    });
}

Expected<BatchCounts> BatchStore::counts(qint64 id) const {
    QSqlQuery query(journal_.database());
    query.prepare(
        u"SELECT outcome, COUNT(*), SUM(cost) FROM requests WHERE batch = ? GROUP BY outcome"_s);
    query.addBindValue(id);
    if (!query.exec())
        return failure(journal_, query);
    BatchCounts counts;
    while (query.next()) {
        const Outcome outcome = outcomeOfName(query.value(0).toString());
        counts.byOutcome[size_t(outcome)] += query.value(1).toLongLong();
        counts.cost += query.value(2).toLongLong();
        if (outcome == Outcome::Accepted)
            counts.spent += query.value(2).toLongLong();
    }
    return counts;
}

Expected<std::optional<BatchInfo>> BatchStore::batch(qint64 id) const {
    QSqlQuery query(journal_.database());
    query.prepare(u"SELECT %1 FROM batches WHERE id = ?"_s.arg(QLatin1String(kBatchColumns)));
    query.addBindValue(id);
    if (!query.exec())
        return failure(journal_, query);
    if (!query.next())
        return std::optional<BatchInfo>();
    BatchInfo info = batchFrom(query);
    const Expected<BatchCounts> counts = this->counts(id);
    if (!counts)
        return Unexpected(counts.error());
    info.counts = *counts;
    return std::optional<BatchInfo>(info);
}

Expected<QList<BatchInfo>> BatchStore::unfinished() {
    journal_.settleAbandoned();
    QSqlQuery query(journal_.database());
    if (!query.exec(u"SELECT %1 FROM batches WHERE state = 'open' ORDER BY created, id"_s.arg(
            QLatin1String(kBatchColumns))))
        return failure(journal_, query);
    QList<BatchInfo> batches;
    while (query.next())
        batches.append(batchFrom(query));
    QList<BatchInfo> unfinished;
    for (BatchInfo& info : batches) {
        const Expected<BatchCounts> counts = this->counts(info.id);
        if (!counts)
            return Unexpected(counts.error());
        info.counts = *counts;
        if (counts->unsettled() > 0)
            unfinished.append(info);
    }
    return unfinished;
}

Expected<QList<BatchRequest>> BatchStore::requests(qint64 id) const {
    return requestsWhere(u"batch = ? ORDER BY id"_s, {id});
}

Expected<QList<BatchRequest>> BatchStore::queued(qint64 id, qint64 after, int count) const {
    return requestsWhere(u"batch = ? AND id > ? AND outcome = 'queued' ORDER BY id LIMIT ?"_s,
                         {id, after, count});
}

Expected<QList<BatchRequest>> BatchStore::requestsWhere(const QString& condition,
                                                        const QVariantList& values) const {
    QSqlQuery query(journal_.database());
    query.setForwardOnly(true);
    query.prepare(
        u"SELECT %1 FROM requests WHERE %2"_s.arg(QLatin1String(kRequestColumns), condition));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return failure(journal_, query);
    QList<BatchRequest> requests;
    while (query.next())
        requests.append(requestFrom(query));
    return requests;
}

Expected<BatchRecipients> BatchStore::recipients(qint64 id) const {
    QSqlQuery query(journal_.database());
    query.prepare(u"SELECT recipients FROM batches WHERE id = ?"_s);
    query.addBindValue(id);
    if (!query.exec())
        return failure(journal_, query);
    BatchRecipients recipients;
    if (!query.next())
        return recipients;
    const QJsonObject object = QJsonDocument::fromJson(query.value(0).toByteArray()).object();
    for (const QJsonValue field : object.value(u"fields"_s).toArray())
        recipients.fields.append(field.toString());
    for (const QJsonValue row : object.value(u"rows"_s).toArray()) {
        QStringList values;
        for (const QJsonValue value : row.toArray())
            values.append(value.toString());
        recipients.rows.append(values);
    }
    return recipients;
}

Expected<qint64> BatchStore::sendAgain(qint64 id, SendAgain which) {
    const bool refused = which == SendAgain::Refused;
    return settle(id,
                  u"UPDATE requests SET outcome = 'queued', owner = NULL, sent = NULL"
                  " WHERE batch = ? AND outcome IN (?, ?)"_s,
                  {id, outcomeName(refused ? Outcome::Refused : Outcome::Unknown),
                   outcomeName(refused ? Outcome::Refused : Outcome::Unclear)},
                  u"UPDATE batches SET state = 'open' WHERE id = ? AND state = 'done'"_s);
}

Expected<qint64> BatchStore::close(qint64 id) {
    return settle(id,
                  u"UPDATE requests SET outcome = 'declined', reason = ?"
                  " WHERE batch = ? AND outcome = 'queued'"_s,
                  {BatchStoreText::tr("The batch was closed before this request was sent."), id},
                  u"UPDATE batches SET state = 'done' WHERE id = ?"_s);
}

Expected<qint64> BatchStore::settle(qint64 id, const QString& requests, const QVariantList& values,
                                    const QString& batch) {
    return inTransaction(journal_, [&](QSqlQuery& query) -> Expected<qint64> {
        Expected<qint64> changed = change(journal_, query, requests, values);
        if (!changed)
            return changed;
        if (Expected<qint64> marked = change(journal_, query, batch, {id}); !marked)
            return marked;
        return changed;
    });
}

Expected<void> BatchStore::finishIfSettled(qint64 id) {
    QSqlQuery query(journal_.database());
    query.prepare(
        u"UPDATE batches SET state = 'done' WHERE id = ? AND state = 'open' AND NOT EXISTS"
        " (SELECT 1 FROM requests WHERE batch = ?"
        " AND outcome IN ('queued', 'pending', 'unknown', 'unclear'))"_s);
    query.addBindValue(id);
    query.addBindValue(id);
    if (!query.exec())
        return failure(journal_, query);
    return {};
}

Expected<void> BatchStore::setState(qint64 id, BatchState state) {
    QSqlQuery query(journal_.database());
    query.prepare(u"UPDATE batches SET state = ? WHERE id = ?"_s);
    query.addBindValue(batchStateName(state));
    query.addBindValue(id);
    if (!query.exec())
        return failure(journal_, query);
    return {};
}

}  // namespace pelicast
