// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSqlError>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <span>
#include <utility>

#include "core/gateway/gateway_client.h"
#include "core/journal/journal_sql.h"
#include "core/journal/process_tag.h"
#include "core/settings/owner_only.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using journal_sql::nullable;
using journal_sql::text;
using journal_sql::utcText;

namespace {

// A request lives at most this long (GatewayClient's limit and a margin): a
// row still pending after it was left by a program that ended.
constexpr std::chrono::milliseconds kLongestRequest =
    GatewayClient::Limits{}.total + std::chrono::minutes(1);

// SQLite's words for a file that is not a database, or is damaged.
bool isCorruption(const QSqlError& error) {
    constexpr int kCorrupt = 11, kNotADatabase = 26;
    const int code = error.nativeErrorCode().toInt() & 0xff;  // the primary code
    return code == kCorrupt || code == kNotADatabase;
}

}  // namespace

struct Journal::Statements {
    QSqlQuery claim, sent, outcome;
};

Journal::Journal(QString path) : path_(path.isEmpty() ? defaultPath() : std::move(path)) {
    static std::atomic<int> instances{0};
    connection_ = u"pelicast-journal-%1"_s.arg(++instances);
}

Journal::~Journal() {
    statements_.reset();  // before their connection
    if (!QSqlDatabase::contains(connection_))
        return;
    database().close();
    QSqlDatabase::removeDatabase(connection_);
}

QString Journal::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/Pelicast/journal.sqlite"_s;
}

bool Journal::open(Check check) {
    if (isOpen())
        return true;
    error_.clear();
    setAsidePath_.clear();
    if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s))
        return fail(QObject::tr("Qt's SQLite driver is missing (Debian: libqt6sql6-sqlite)."));
    if (!prepareFile() || !connectFile())
        return false;
    bool damaged = false;
    if (check == Check::Pages && (!isDamaged(damaged) || damaged)) {
        database().close();
        if (!damaged || !setAside() || !prepareFile() || !connectFile())
            return false;
    }
    QSqlDatabase db = database();
    // Readers and one writer at a time, without blocking each other.
    QSqlQuery(db).exec(u"PRAGMA journal_mode=WAL"_s);
    if (!migrate()) {
        db.close();
        return false;
    }
    settleAbandoned();
    return true;
}

bool Journal::connectFile() {
    QSqlDatabase db = QSqlDatabase::contains(connection_)
                          ? database()
                          : QSqlDatabase::addDatabase(u"QSQLITE"_s, connection_);
    db.setDatabaseName(path_);
    // A writer waits this long for another program's write to end.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    return db.open() || fail(db.lastError().text());
}

// False when the file cannot be read at all; else `damaged` tells.
bool Journal::isDamaged(bool& damaged) {
    QSqlQuery query(database());
    if (!query.exec(u"PRAGMA quick_check"_s)) {
        damaged = isCorruption(query.lastError());
        return damaged || fail(query.lastError().text());
    }
    damaged = !query.next() || query.value(0).toString() != "ok"_L1;
    return true;
}

bool Journal::setAside() {
    const QFileInfo info(path_);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyy-MM-dd-HHmmss"_s);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString target;
    for (int n = 1; target.isEmpty() || QFileInfo::exists(target); ++n)
        target = info.dir().filePath(info.completeBaseName() + u"-damaged-"_s + stamp +
                                     (n > 1 ? u"-%1"_s.arg(n) : QString()) + suffix);
    QFile file(path_);
    if (!file.rename(target))
        return fail(QObject::tr("It is damaged, and it cannot be set aside as %1: %2")
                        .arg(target, file.errorString()));
    // What SQLite keeps beside it goes along, so the copy reads as it was.
    for (const QString& companion : {u"-wal"_s, u"-shm"_s})
        QFile::rename(path_ + companion, target + companion);
    setAsidePath_ = target;
    return true;
}

QString Journal::setAsideNotice() const {
    if (setAsidePath_.isEmpty())
        return {};
    return QObject::tr(
               "The record of your requests (%1) was damaged. Pelicast set it aside, unchanged, "
               "as %2 and started a new one: History shows the requests from now on.")
        .arg(path_, setAsidePath_);
}

bool Journal::isOpen() const {
    return QSqlDatabase::contains(connection_) && database().isOpen();
}

bool Journal::prepareFile() {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QObject::tr("The folder %1 cannot be created.").arg(info.absolutePath()));
    QFile file(path_);
    // Created owner-only before SQLite opens it; SQLite gives its WAL and
    // shared-memory files the same permissions.
    if (!file.exists()) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly) && !file.exists())
            return fail(file.errorString());
        file.close();
    } else if (const auto permissions = file.permissions(); permissions & kGroupOrOthers) {
        file.setPermissions(permissions & ~kGroupOrOthers);
    }
    if (!QFileInfo(path_).isFile())
        return fail(QObject::tr("It is not a file."));
    return true;
}

bool Journal::migrate() {
    QSqlQuery query(database());
    const auto version = [&query] {
        return query.exec(u"PRAGMA user_version"_s) && query.next() ? query.value(0).toInt() : -1;
    };
    const auto newer = [this] {
        return fail(QObject::tr("It was written by a newer version of Pelicast."));
    };
    int current = version();
    if (current == kSchemaVersion)
        return true;
    if (current > kSchemaVersion)
        return newer();
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return fail(query.lastError().text());
    // Another program may have migrated it meanwhile.
    current = version();
    if (current > kSchemaVersion) {
        query.exec(u"ROLLBACK"_s);
        return newer();
    }
    for (; current >= 0 && current < kSchemaVersion; ++current) {
        const journal_sql::Migration& migration = journal_sql::migrations()[size_t(current)];
        bool done = true;
        for (const char* statement : migration.statements)
            done = done && query.exec(QLatin1String(statement));
        if (!done || (migration.then && !migration.then(query))) {
            const QString why = query.lastError().text();
            query.exec(u"ROLLBACK"_s);
            return fail(why);
        }
    }
    if (current < 0 || !query.exec(u"PRAGMA user_version = %1"_s.arg(kSchemaVersion)) ||
        !query.exec(u"COMMIT"_s)) {
        const QString why = query.lastError().text();
        query.exec(u"ROLLBACK"_s);
        return fail(why);
    }
    return true;
}

void Journal::settleAbandoned() {
    QSqlQuery query(database());
    if (!query.exec(u"SELECT id, time, owner, sent FROM requests WHERE outcome = 'pending'"_s))
        return;
    const QString longAgo =
        utcText(QDateTime::currentDateTimeUtc().addMSecs(-kLongestRequest.count()));
    QList<Pending> unanswered, unsent;
    while (query.next()) {
        const Pending row{query.value(0).toLongLong(),
                          query.value(2).isNull() ? QString() : query.value(2).toString()};
        const bool sent = !query.value(3).isNull();
        // A request outlives its limits only in a program that hangs.
        const bool old = query.value(1).toString() < longAgo;
        switch (processStateOf(row.owner)) {
            case ProcessState::Running:
                if (sent && old)
                    unanswered.append(row);
                break;
            case ProcessState::Ended:
                (sent ? unanswered : unsent).append(row);
                break;
            case ProcessState::Restarted:
                unanswered.append(row);
                break;
            case ProcessState::Unknown:
                if (old)
                    unanswered.append(row);
                break;
        }
    }
    query.finish();
    // Another program finds them as well when this one cannot write.
    settle(
        unanswered, outcomeName(RequestRecord::Outcome::Unknown),
        QObject::tr("The program ended before the answer came: the gateway may have acted on it."));
    settle(unsent, outcomeName(RequestRecord::Outcome::Queued), {});
}

bool Journal::settle(const QList<Pending>& rows, const QString& outcome, const QString& reason) {
    QSqlQuery query(database());
    // Only while the row is still the same owner's: never another's claim.
    query.prepare(
        u"UPDATE requests SET outcome = ?, reason = ?, owner = NULL,"
        " sent = CASE WHEN ? = 'queued' THEN NULL ELSE sent END"
        " WHERE id = ? AND outcome = 'pending' AND owner IS ?"_s);
    bool done = true;
    for (const Pending& row : rows) {
        query.addBindValue(outcome);
        query.addBindValue(text(reason));
        query.addBindValue(outcome);
        query.addBindValue(row.id);
        query.addBindValue(nullable(row.owner));
        if (!query.exec())
            done = fail(query.lastError().text());
    }
    return done;
}

QSqlQuery& Journal::statement(QSqlQuery Statements::*which, const char* sql) {
    if (!statements_)
        statements_ = std::make_unique<Statements>();
    QSqlQuery& query = (*statements_).*which;
    if (query.lastQuery().isEmpty()) {
        query = QSqlQuery(database());
        query.prepare(QLatin1String(sql));
    }
    return query;
}

void Journal::setSynchronous(bool full) {
    if (synchronous_ == int(full))
        return;
    QSqlQuery(database())
        .exec(full ? u"PRAGMA synchronous=FULL"_s : u"PRAGMA synchronous=NORMAL"_s);
    synchronous_ = int(full);
}

qint64 Journal::add(const RequestRecord& record) {
    if (!isOpen()) {
        fail(QObject::tr("It is not open."));
        return 0;
    }
    // The row is on disk when this returns: one fsync of the WAL.
    setSynchronous(true);
    QSqlQuery query = journal_sql::prepareInsert(database());
    if (!journal_sql::insert(query, record)) {
        fail(query.lastError().text());
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

bool Journal::setOutcome(qint64 id, const RequestRecord& record) {
    // Not waited for on disk: the next row's commit, or the close, takes it
    // there; only a power cut before then leaves the row pending, which then
    // reads as without a complete answer.
    setSynchronous(false);
    QSqlQuery& query = statement(&Statements::outcome,
                                 "UPDATE requests SET outcome = ?, reason = ?, reply = ?,"
                                 " balance_after = ? WHERE id = ?");
    query.addBindValue(outcomeName(record.outcome));
    query.addBindValue(text(record.reason));
    query.addBindValue(text(record.reply));
    query.addBindValue(nullable(record.balanceAfter));
    query.addBindValue(id);
    if (!query.exec())
        return fail(query.lastError().text());
    return true;
}

Expected<QList<qint64>> Journal::claim(const QList<qint64>& ids) {
    setSynchronous(true);
    QSqlQuery transaction(database());
    if (!transaction.exec(u"BEGIN IMMEDIATE"_s)) {
        fail(transaction.lastError().text());
        return Unexpected(error_);
    }
    QSqlQuery& update = statement(&Statements::claim,
                                  "UPDATE requests SET outcome = 'pending', time = ?, owner = ?,"
                                  " sent = NULL, reason = '' WHERE id = ? AND outcome = 'queued'");
    const QString now = utcText(QDateTime::currentDateTimeUtc());
    QList<qint64> ours;
    for (const qint64 id : ids) {
        update.addBindValue(now);
        update.addBindValue(nullable(processTag()));
        update.addBindValue(id);
        if (!update.exec()) {
            fail(update.lastError().text());
            transaction.exec(u"ROLLBACK"_s);
            return Unexpected(error_);
        }
        if (update.numRowsAffected() == 1)
            ours.append(id);
    }
    if (!transaction.exec(u"COMMIT"_s)) {
        fail(transaction.lastError().text());
        transaction.exec(u"ROLLBACK"_s);
        return Unexpected(error_);
    }
    return ours;
}

bool Journal::markSent(qint64 id, const QString& balanceBefore) {
    setSynchronous(false);
    QSqlQuery& query = statement(&Statements::sent,
                                 "UPDATE requests SET sent = ?, balance_before = ?"
                                 " WHERE id = ? AND outcome = 'pending' AND owner IS ?");
    query.addBindValue(utcText(QDateTime::currentDateTimeUtc()));
    query.addBindValue(nullable(balanceBefore));
    query.addBindValue(id);
    query.addBindValue(nullable(processTag()));
    if (!query.exec())
        return fail(query.lastError().text());
    return query.numRowsAffected() == 1 ||
           fail(QObject::tr("Request %1 is no longer this program's to send.").arg(id));
}

bool Journal::requeue(qint64 id, const QString& reason) {
    setSynchronous(false);
    return settle({{id, processTag()}}, outcomeName(RequestRecord::Outcome::Queued), reason);
}

QSqlDatabase Journal::database() const {
    return QSqlDatabase::database(connection_, false);
}

bool Journal::fail(const QString& why) {
    error_ = QObject::tr("The journal %1 cannot be used: %2").arg(path_, why);
    return false;
}

}  // namespace pelicast
