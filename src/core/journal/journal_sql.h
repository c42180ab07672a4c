// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the journal's classes share of its SQL (not for use outside
// core/journal/): the schema's versions, and how a request's row is written.

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <span>

#include "core/journal/request_record.h"

namespace pelicast::journal_sql {

// The statements that take the schema from one version to the next, and a
// step that needs more than SQL.
struct Migration {
    std::span<const char* const> statements;
    bool (*then)(QSqlQuery&) = nullptr;
};
// The migration to version i + 1 at index i.
std::span<const Migration> migrations();

// UTC, ISO 8601 with milliseconds: sorts as text.
QString utcText(const QDateTime& time);
// "" for a null text; NULL for a null text.
QVariant text(const QString& value);
QVariant nullable(const QString& value);

// Adds a row of `record` with the query prepareInsert() made: a pending one
// named as this program's, and as sent (it leaves as soon as it is written).
QSqlQuery prepareInsert(const QSqlDatabase& database);
bool insert(QSqlQuery& query, const RequestRecord& record);

}  // namespace pelicast::journal_sql
