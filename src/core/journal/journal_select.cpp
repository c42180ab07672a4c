// SPDX-License-Identifier: GPL-3.0-or-later
// What the History window shows and exports of the journal.
#include <QIODevice>
#include <QSqlError>
#include <QStringList>
#include <QVariant>
#include <span>

#include "core/journal/journal.h"
#include "core/journal/journal_sql.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using journal_sql::utcText;

namespace {

using Outcome = RequestRecord::Outcome;

// The columns in the order of Journal::Column: a name for the export's
// header, what it is in SQL, and what it is for a batch as one entry (null:
// the same). In a batch's expressions, `b` are its requests.
struct ColumnSource {
    const char* name;
    const char* sql;
    const char* batchSql = nullptr;
};
constexpr ColumnSource kColumns[] = {
    {"id", "id"},
    {"time", "time"},
    {"kind", "kind"},
    {"account", "account"},
    {"originator", "originator"},
    {"recipients", "recipients", "(SELECT source FROM batches WHERE batches.id = requests.batch)"},
    {"message", "message", "(SELECT template FROM batches WHERE batches.id = requests.batch)"},
    {"recipient_count", "recipient_count",
     "(SELECT SUM(recipient_count) FROM requests AS b WHERE b.batch = requests.batch)"},
    {"parts", "parts", "NULL"},
    {"encoding", "encoding", "NULL"},
    {"cost", "cost", "(SELECT SUM(cost) FROM requests AS b WHERE b.batch = requests.batch)"},
    // Only an accepted request is paid for.
    {"charged", "CASE WHEN outcome = 'accepted' THEN cost ELSE 0 END",
     "(SELECT SUM(CASE WHEN outcome = 'accepted' THEN cost ELSE 0 END) FROM requests AS b WHERE "
     "b.batch = requests.batch)"},
    // Every outcome with its count, in the order of RequestRecord::Outcome.
    {"outcome", "outcome",
     "(SELECT 'queued:' || SUM(outcome = 'queued') || ' pending:' || SUM(outcome = 'pending')"
     " || ' accepted:' || SUM(outcome = 'accepted') || ' refused:' || SUM(outcome = 'refused')"
     " || ' unclear:' || SUM(outcome = 'unclear') || ' unknown:' || SUM(outcome = 'unknown')"
     " || ' failed:' || SUM(outcome = 'failed') || ' declined:' || SUM(outcome = 'declined')"
     " FROM requests AS b WHERE b.batch = requests.batch)"},
    {"reason", "reason", "NULL"},
    {"reply", "reply", "NULL"},
    {"balance_before", "balance_before"},
    {"balance_after", "balance_after",
     "(SELECT b.balance_after FROM requests AS b WHERE b.batch = requests.batch"
     " AND b.balance_after IS NOT NULL ORDER BY b.id DESC LIMIT 1)"},
    {"batch", "batch"}};
static_assert(std::size(kColumns) == Journal::ColumnCount);

// Escapes the wildcards of LIKE, so what the user typed is looked for as is.
QString likePattern(QString search) {
    search.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s);
    return u'%' + search + u'%';
}

}  // namespace

QList<std::pair<Outcome, qint64>> batchOutcomes(const QString& stored) {
    QList<std::pair<Outcome, qint64>> counts;
    for (QStringView item : QStringView(stored).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = item.indexOf(u':');
        const qint64 count = item.sliced(colon + 1).toLongLong();
        if (colon > 0 && count > 0)
            counts.append({outcomeOfName(item.first(colon)), count});
    }
    return counts;
}

QSqlQuery Journal::select(const JournalFilter& filter) const {
    return query(filter, false);
}

QSqlQuery Journal::query(const JournalFilter& filter, bool forwardOnly) const {
    QStringList conditions;
    QVariantList values;
    if (!filter.search.isEmpty()) {
        conditions << u"search LIKE ? ESCAPE '\\'"_s;
        values << likePattern(searchKey(filter.search));
    }
    if (filter.kind) {
        conditions << u"kind = ?"_s;
        values << kindName(*filter.kind);
    }
    if (filter.from.isValid()) {
        conditions << u"time >= ?"_s;
        values << utcText(filter.from.startOfDay());
    }
    if (filter.to.isValid()) {
        conditions << u"time < ?"_s;
        values << utcText(filter.to.addDays(1).startOfDay());
    }
    if (filter.batch > 0) {
        conditions = {u"batch = ?"_s};
        values = {filter.batch};
    }
    const bool whole = filter.batchesWhole && filter.batch == 0;
    QStringList columns;
    for (const ColumnSource& column : kColumns) {
        columns << (whole && column.batchSql
                        ? u"CASE WHEN batch IS NULL THEN %1 ELSE %2 END"_s.arg(
                              QLatin1String(column.sql), QLatin1String(column.batchSql))
                        : QLatin1String(column.sql));
    }
    QString where = conditions.join(u" AND "_s);
    if (whole) {
        // Its first request stands for a batch; the conditions are those of
        // any of its requests (unqualified, the names are of `m` in there).
        const QString some = where.isEmpty() ? QString() : u" AND "_s + where;
        where = u"(batch IS NULL"_s + some +
                u") OR (batch IS NOT NULL AND id = (SELECT MIN(f.id) FROM requests AS f WHERE "
                u"f.batch = requests.batch) AND EXISTS (SELECT 1 FROM requests AS m WHERE "
                u"m.batch = requests.batch"_s +
                some + u"))"_s;
        values += values;
    }
    QString sql = u"SELECT "_s + columns.join(u", "_s) + u" FROM requests"_s;
    if (!where.isEmpty())
        sql += u" WHERE "_s + where;
    // The index on time holds the id too: newest first without sorting.
    sql += u" ORDER BY time DESC, id DESC"_s;

    QSqlQuery query(database());
    query.setForwardOnly(forwardOnly);
    query.prepare(sql);
    for (const QVariant& value : std::as_const(values))
        query.addBindValue(value);
    query.exec();
    return query;
}

bool Journal::exportCsv(const JournalFilter& filter, QIODevice& out) {
    // Every request of a batch, each with the batch's id.
    JournalFilter requests = filter;
    requests.batchesWhole = false;
    QSqlQuery query = this->query(requests, true);
    if (!query.isActive())
        return fail(query.lastError().text());
    const auto writeRow = [&out](const QStringList& fields) {
        QByteArray line;
        for (qsizetype i = 0; i < fields.size(); ++i)
            line += journal_sql::csvField(fields.at(i), int(Time + i) == Recipients) + ',';
        line.back() = '\r';
        line += '\n';
        return out.write(line) == line.size();
    };
    QStringList header;
    for (const ColumnSource& column : std::span(kColumns).subspan(Time))
        header << QLatin1String(column.name);
    bool written = writeRow(header);
    while (written && query.next()) {
        QStringList fields;
        for (int column = Time; column < ColumnCount; ++column)
            fields << query.value(column).toString();
        written = writeRow(fields);
    }
    if (!written)
        error_ = out.errorString();
    return written;
}

}  // namespace pelicast
