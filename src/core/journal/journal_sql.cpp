// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/journal_sql.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlError>
#include <utility>

#include "core/journal/journal.h"
#include "core/journal/process_tag.h"
#include "core/message/batch_plan.h"

using namespace Qt::StringLiterals;

namespace pelicast::journal_sql {

namespace {

constexpr const char* kVersion1[] = {
    "CREATE TABLE requests ("
    " id INTEGER PRIMARY KEY,"
    " time TEXT NOT NULL,"  // UTC, ISO 8601 with milliseconds: sorts as text
    " kind TEXT NOT NULL,"
    " account TEXT, originator TEXT, recipients TEXT, message TEXT,"
    " recipient_count INTEGER, parts INTEGER, encoding TEXT, cost INTEGER,"
    " outcome TEXT NOT NULL, reason TEXT, reply TEXT,"
    " balance_before TEXT, balance_after TEXT)",
    "CREATE INDEX requests_by_time ON requests (time)",
};
constexpr const char* kVersion2[] = {
    // "refused" meant that the user said No; a "pending" row was left by a
    // program that ended with its request out.
    "UPDATE requests SET outcome = 'declined' WHERE outcome = 'refused'",
    "UPDATE requests SET outcome = 'unknown' WHERE outcome = 'pending'",
    "CREATE INDEX requests_pending ON requests (time) WHERE outcome = 'pending'",
};
constexpr const char* kVersion3[] = {
    ("CREATE TABLE batches ("
     " id INTEGER PRIMARY KEY,"
     " created TEXT NOT NULL,"
     " account TEXT NOT NULL, originator TEXT NOT NULL,"
     " template TEXT NOT NULL,"  // the message as typed, fields and all
     " source TEXT NOT NULL,"    // where the recipients came from, in the user's words
     " recipients TEXT,"         // JSON: the fields and each recipient's values
     " pause_ms INTEGER NOT NULL,"
     " due TEXT,"  // NULL: as soon as it is made
     " state TEXT NOT NULL)"),
    "CREATE INDEX batches_by_state ON batches (state, due)",
    // The requests of a batch, and who has a pending row and whether it left.
    "ALTER TABLE requests ADD COLUMN batch INTEGER REFERENCES batches (id)",
    "ALTER TABLE requests ADD COLUMN owner TEXT",
    "ALTER TABLE requests ADD COLUMN sent TEXT",
    "CREATE INDEX requests_by_batch ON requests (batch, id) WHERE batch IS NOT NULL",
    ("CREATE TABLE templates (name TEXT NOT NULL COLLATE NOCASE UNIQUE,"
     " text TEXT NOT NULL, updated TEXT NOT NULL)"),
};

constexpr const char* kVersion4[] = {
    // What the History search compares with: recipients and text, case and
    // accents folded by searchKey(), which SQLite cannot do for every script.
    "ALTER TABLE requests ADD COLUMN search TEXT",
};

// The search column of the rows written before it existed.
bool fillSearchKeys(QSqlQuery& query) {
    if (!query.exec(u"SELECT id, recipients, message FROM requests WHERE search IS NULL"_s))
        return false;
    QList<std::pair<qint64, QString>> keys;
    while (query.next())
        keys.append({query.value(0).toLongLong(),
                     searchKey(query.value(1).toString() + u'\n' + query.value(2).toString())});
    query.finish();
    query.prepare(u"UPDATE requests SET search = ? WHERE id = ?"_s);
    for (const auto& [id, key] : std::as_const(keys)) {
        query.addBindValue(key);
        query.addBindValue(id);
        if (!query.exec())
            return false;
    }
    return true;
}

// "replied" becomes what the reply said, by the rule of today's rows.
bool classifyReplies(QSqlQuery& query) {
    if (!query.exec(u"SELECT id, reply FROM requests WHERE outcome = 'replied'"_s))
        return false;
    QList<std::pair<qint64, QString>> outcomes;
    while (query.next())
        outcomes.append(
            {query.value(0).toLongLong(), outcomeName(outcomeOfReply(query.value(1).toString()))});
    query.finish();
    query.prepare(u"UPDATE requests SET outcome = ? WHERE id = ?"_s);
    for (const auto& [id, outcome] : std::as_const(outcomes)) {
        query.addBindValue(outcome);
        query.addBindValue(id);
        if (!query.exec())
            return false;
    }
    return true;
}

const Migration kMigrations[] = {
    {kVersion1}, {kVersion2, classifyReplies}, {kVersion3}, {kVersion4, fillSearchKeys}};
static_assert(std::size(kMigrations) == Journal::kSchemaVersion);

}  // namespace

std::span<const Migration> migrations() {
    return kMigrations;
}

QString utcText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QVariant text(const QString& value) {
    return value.isNull() ? QVariant(u""_s) : QVariant(value);
}

QVariant nullable(const QString& value) {
    return value.isNull() ? QVariant() : QVariant(value);
}

QSqlQuery prepareInsert(const QSqlDatabase& database) {
    QSqlQuery query(database);
    query.prepare(
        u"INSERT INTO requests (time, kind, account, originator, recipients, message,"
        " recipient_count, parts, encoding, cost, outcome, reason, reply, balance_before,"
        " balance_after, batch, owner, sent, search)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    return query;
}

bool insert(QSqlQuery& query, const RequestRecord& record) {
    const bool pending = record.outcome == RequestRecord::Outcome::Pending;
    const QString time = utcText(record.time);
    const QVariant values[] = {time,
                               kindName(record.kind),
                               text(record.account),
                               text(record.originator),
                               text(record.recipients),
                               text(record.message),
                               record.recipientCount,
                               record.parts,
                               text(record.encoding),
                               record.cost,
                               outcomeName(record.outcome),
                               text(record.reason),
                               text(record.reply),
                               nullable(record.balanceBefore),
                               nullable(record.balanceAfter),
                               record.batch > 0 ? QVariant(record.batch) : QVariant(),
                               pending ? nullable(processTag()) : QVariant(),
                               pending ? QVariant(time) : QVariant(),
                               searchKey(record.recipients + u'\n' + record.message)};
    for (int i = 0; i < int(std::size(values)); ++i)
        query.bindValue(i, values[i]);
    return query.exec();
}

Expected<void> insertPlan(const Journal& journal, qint64 batch, const QString& account,
                          const BatchPlan& plan, const QDateTime& time) {
    RequestRecord record;
    record.time = time;
    record.account = account;
    record.originator = plan.originator();
    record.outcome = RequestRecord::Outcome::Queued;
    record.batch = batch;
    QSqlQuery query = prepareInsert(journal.database());
    for (qsizetype i = 0; i < plan.count(); ++i) {
        const PlannedRequest request = plan.request(i);
        record.recipients = request.recipientsText();
        record.message = request.text;
        record.recipientCount = request.estimate.recipients;
        record.parts = request.length.parts;
        record.encoding = encodingName(request.length.encoding);
        record.cost = request.estimate.cost;
        if (!insert(query, record))
            return failure(journal, query);
    }
    return {};
}

namespace {
// Under the context the batches' other texts have.
struct JournalSqlText {
    Q_DECLARE_TR_FUNCTIONS(BatchStore)
};
}  // namespace

Unexpected<QString> failure(const Journal& journal, const QSqlQuery& query) {
    return Unexpected(JournalSqlText::tr("The journal %1 cannot be used: %2")
                          .arg(journal.path(), query.lastError().text()));
}

QSqlQuery newQuery(const Journal& journal) {
    return QSqlQuery(journal.database());
}

// One phone number in international format, "+30 944 123456": a
// spreadsheet reads it as a number, which is what it is.
static bool isPhoneNumber(QStringView value) {
    return value.size() > 1 && value.front() == u'+' && value.back() != u' ' &&
           std::all_of(value.begin() + 1, value.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || c == u' '; });
}

// A cell that a spreadsheet would evaluate ("=", "+", "-", "@", tab or CR
// first) starts with "'", which keeps it text; but for a phone number among
// the recipients.
QByteArray csvField(QString value, bool recipients) {
    static const QString formula = u"=+-@\t\r"_s;
    if (!value.isEmpty() && formula.contains(value.front()) &&
        !(recipients && isPhoneNumber(value)))
        value.prepend(u'\'');
    static const QString special = u"\",\r\n"_s;
    for (const QChar c : value) {
        if (special.contains(c))
            return '"' + value.replace(u'"', u"\"\""_s).toUtf8() + '"';
    }
    return value.toUtf8();
}

}  // namespace pelicast::journal_sql
