// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the journal's classes share of its SQL (not for use outside
// core/journal/): the schema's versions, and how a request's row is written.

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <span>

#include "common/expected.h"
#include "core/journal/request_record.h"

namespace pelicast {
class BatchPlan;
class Journal;
}  // namespace pelicast

namespace pelicast::journal_sql {

// The statements that take the schema from one version to the next, and a
// step that needs more than SQL.
struct Migration {
    std::span<const char* const> statements;
    bool (*then)(QSqlQuery&) = nullptr;
};
// The migration to version i + 1 at index i.
std::span<const Migration> migrations();

// A cell of the CSV export (RFC 4180): quoted where needed, and with a
// leading "'" where a spreadsheet would evaluate it, but for a phone number
// in a recipients cell.
QByteArray csvField(QString value, bool recipients);

// UTC, ISO 8601 with milliseconds: sorts as text.
QString utcText(const QDateTime& time);
// "" for a null text; NULL for a null text.
QVariant text(const QString& value);
QVariant nullable(const QString& value);

// Adds a row of `record` with the query prepareInsert() made: a pending one
// named as this program's, and as sent (it leaves as soon as it is written).
QSqlQuery prepareInsert(const QSqlDatabase& database);
bool insert(QSqlQuery& query, const RequestRecord& record);
// A queued row for each request of `plan`, of batch `batch` and `account`,
// made at `time`.
Expected<void> insertPlan(const Journal& journal, qint64 batch, const QString& account,
                          const BatchPlan& plan, const QDateTime& time);

// The failure of `query`, in the words of the journal's other failures.
Unexpected<QString> failure(const Journal& journal, const QSqlQuery& query);
QSqlQuery newQuery(const Journal& journal);

// Runs `work` in one transaction that takes the write lock at once.
template <typename Work>
auto inTransaction(const Journal& journal, Work work)
    -> decltype(work(std::declval<QSqlQuery&>())) {
    QSqlQuery query = newQuery(journal);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failure(journal, query);
    auto result = work(query);
    if (!result || !query.exec(QStringLiteral("COMMIT"))) {
        const auto why = result ? failure(journal, query) : Unexpected(result.error());
        query.exec(QStringLiteral("ROLLBACK"));
        return why;
    }
    return result;
}

}  // namespace pelicast::journal_sql
