// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <optional>

#include "common/expected.h"
#include "core/journal/request_record.h"

class QIODevice;

namespace pelicast {

// Which rows the History window shows and exports.
struct JournalFilter {
    QString search;  // in recipients or message; case and accents ignored
    std::optional<RequestRecord::Kind> kind;
    QDate from, to;  // local days, both included; null leaves that end open
    // A batch as one entry, its first request's row standing for it with the
    // totals of all (select() only; an export keeps every request): its
    // source as the recipients, its message as typed, the recipients, cost
    // and charge summed, and as the outcome how many requests have each
    // (batchOutcomes()). It passes the filter when one of its requests does.
    bool batchesWhole = false;
    // Only the requests of this batch, whatever else is set; 0: any.
    qint64 batch = 0;
};

// The outcome column of a batch's entry: how many of its requests have
// each outcome, those none has left out.
QList<std::pair<RequestRecord::Outcome, qint64>> batchOutcomes(const QString& stored);

// The record of every request: an SQLite file at
// `$XDG_DATA_HOME/Pelicast/journal.sqlite`, readable by the user only. The
// window and pelicast-send write it at the same time, so it runs in WAL mode
// and every write is one short transaction. A row added is on disk when
// add() returns (one fsync), so a request's row is there before the request
// leaves; so is a queued row of a batch once claim() made it this program's.
// The schema carries a version number and is migrated forward on open.
// Batches and templates are read and written through BatchStore and
// TemplateStore.
class Journal {
public:
    // The columns of select(), in order.
    enum Column {
        Id,
        Time,
        Kind,
        Account,
        Originator,
        Recipients,
        Message,
        RecipientCount,
        Parts,
        Encoding,
        Cost,     // quoted before sending
        Charged,  // the cost when accepted, else 0
        Outcome,
        Reason,
        Reply,
        BalanceBefore,
        BalanceAfter,
        Batch,  // its id; NULL for a request of its own
        ColumnCount
    };
    static constexpr int kSchemaVersion = 4;
    enum class Check { None, Pages };

    // `path` empty: the user's own journal.
    explicit Journal(QString path = QString());
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    static QString defaultPath();
    const QString& path() const { return path_; }

    // Creates or migrates the file as needed, and settles the rows left
    // pending by programs that ended (settleAbandoned()). False on
    // failure, with the reason; a journal written by a newer version is left
    // as it is. With Check::Pages every page is checked first (quick_check,
    // as long as reading the file): a damaged file is set aside beside itself
    // with the date in its name, never written into, and a new one started.
    bool open(Check check = Check::None);
    bool isOpen() const;
    QString errorString() const { return error_; }
    // Where open() set a damaged file aside, and the words that tell the
    // user so; empty when it did not.
    QString setAsidePath() const { return setAsidePath_; }
    QString setAsideNotice() const;

    // Returns the new row's id, or 0 on failure.
    qint64 add(const RequestRecord& record);
    // Writes the outcome, reason, reply and balance after of `record`.
    bool setOutcome(qint64 id, const RequestRecord& record);

    // Makes those of the queued rows `ids` that still are queued this
    // program's to send: pending, with this program as their owner, on disk
    // when this returns (one fsync for them all), as a request must be before
    // it leaves. One transaction, in which a row is this program's only when
    // its UPDATE changed it, so that of two programs claiming a row only one
    // gets it. The rows that are this program's now; none when another
    // program has them all.
    Expected<QList<qint64>> claim(const QList<qint64>& ids);
    // Notes that the claimed row `id` leaves now, and the balance before it;
    // false, and it must not leave, when the row is not this program's
    // claim. Not waited for on disk: when this program ends, the system
    // keeps the write; when the system stops, every pending row of that time
    // reads as sent.
    bool markSent(qint64 id, const QString& balanceBefore);
    // A claimed row back in the queue: its request did not reach the gateway
    // (`reason`), or it will not be sent.
    bool requeue(qint64 id, const QString& reason = {});
    // The rows pending of programs that ended: one that left (or may have:
    // the system restarted since) is unknown, one that never left is queued
    // again. A row sent longer ago than a request can live is unknown
    // whoever has it, and so is one of an owner that cannot be told. open()
    // does it; callers listing batches do it again.
    void settleAbandoned();

    // The rows that pass `filter`, newest first, executed; for a model that
    // fetches rows as they are shown. Defined in journal_select.cpp.
    QSqlQuery select(const JournalFilter& filter) const;
    // The same rows as CSV (RFC 4180, UTF-8, CR LF line ends) under a header
    // row naming the columns, without the id; every request of a batch, with
    // the batch's id. A cell that a spreadsheet would take for a formula
    // (first "=", "+", "-", "@", tab or CR) gets a leading "'", except a
    // recipients cell that is one number "+" digits.
    bool exportCsv(const JournalFilter& filter, QIODevice& out);

    QSqlDatabase database() const;
    // Whether a commit of this connection is on disk when it returns (FULL:
    // one fsync of the WAL), or once a later one is (NORMAL).
    void setSynchronous(bool full);

private:
    bool prepareFile();
    bool connectFile();
    bool isDamaged(bool& damaged);
    bool setAside();
    bool migrate();
    struct Pending {
        qint64 id = 0;
        QString owner;
    };
    bool settle(const QList<Pending>& rows, const QString& outcome, const QString& reason);
    // The statements a batch runs for each request, prepared once.
    struct Statements;
    QSqlQuery& statement(QSqlQuery Statements::*which, const char* sql);

    QSqlQuery query(const JournalFilter& filter, bool forwardOnly) const;
    bool fail(const QString& why);

    QString path_;
    QString connection_;
    QString error_;
    QString setAsidePath_;
    std::unique_ptr<Statements> statements_;
    int synchronous_ = -1;  // as last set: 1 FULL, 0 NORMAL
};

}  // namespace pelicast
