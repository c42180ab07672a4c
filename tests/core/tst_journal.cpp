// SPDX-License-Identifier: GPL-3.0-or-later
// The journal on real SQLite files: how it is created, what it refuses, what
// it never stores, and the rows the History window and its export get.
#include <QtSql>
#include <QtTest>

#include "core/journal/journal.h"
#include "core/journal/process_tag.h"
#include "core/journal/template_store.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Kind = RequestRecord::Kind;

namespace {

QString pragma(const Journal& journal, const QString& statement) {
    QSqlQuery query(u"PRAGMA "_s + statement, journal.database());
    return query.next() ? query.value(0).toString() : QString();
}

RequestRecord record(const QString& day, Kind kind, const QString& recipients,
                     const QString& message) {
    RequestRecord r;
    std::tie(r.kind, r.recipients, r.message) = std::tie(kind, recipients, message);
    r.time = QDateTime::fromString(day + u"T12:00:00Z"_s, Qt::ISODate);
    return r;
}

}  // namespace

class TestJournal : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    // Owner-only, in WAL mode, versioned; one of a newer version is left alone.
    void fileAndSchema() {
        const QString path = dir_.filePath(u"new/journal.sqlite"_s);
        {
            Journal journal(path);
            QVERIFY2(journal.open(), qPrintable(journal.errorString()));
            QVERIFY(journal.add(record(u"2026-03-01"_s, Kind::Send, {}, {})) > 0);
            QCOMPARE(pragma(journal, u"user_version"_s), QString::number(Journal::kSchemaVersion));
            for (const QString& file : {path, path + u"-wal"_s})  // WAL mode: the second
                QCOMPARE(QFile::permissions(file),
                         QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            pragma(journal, u"user_version = 99"_s);
        }
        Journal newer(path);
        QVERIFY(!newer.open());
        QVERIFY2(newer.errorString().contains(u"newer version"_s), qPrintable(newer.errorString()));
    }

    // A journal of version 1 as that version wrote it: its words take this
    // version's meanings, each reply judged by today's rule. A row pending
    // longer than a request lives was left by a program that ended.
    void migratesAndSettles() {
        const QString path = dir_.filePath(u"version1.sqlite"_s);
        {
            auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"version1"_s);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            for (
                const QString& statement :
                {u"CREATE TABLE requests (id INTEGER PRIMARY KEY, time TEXT NOT NULL, kind TEXT "
                 "NOT NULL, account TEXT, originator TEXT, recipients TEXT, message TEXT, "
                 "recipient_count INTEGER, parts INTEGER, encoding TEXT, cost INTEGER, outcome "
                 "TEXT NOT NULL, reason TEXT, reply TEXT, balance_before TEXT, balance_after "
                 "TEXT)"_s,
                 u"INSERT INTO requests (time, kind, outcome, reply, message) VALUES "
                 "('2026-03-01', 'send', 'replied', 'OK Credits Left: 95', 'Καλημέρα'), "
                 "('2026-03-02', 'send', 'replied', 'Invalid recipient. Credits Left: 100', ''), "
                 "('2026-03-03', 'send', 'replied', '', ''), "
                 "('2026-03-04', 'send', 'refused', '', ''), "
                 "('2026-03-05', 'send', 'pending', '', ''), ('2026-03-06', 'send', 'failed', '', '')"_s,
                 u"PRAGMA user_version = 1"_s})
                QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
        }
        QSqlDatabase::removeDatabase(u"version1"_s);
        for (const QDateTime& time : {QDateTime(QDate(2026, 3, 7), QTime(0, 0), Qt::UTC),
                                      QDateTime::currentDateTimeUtc()}) {
            Journal journal(path);  // each open settles what it finds
            QVERIFY2(journal.open(), qPrintable(journal.errorString()));
            RequestRecord pending;
            pending.time = time;
            journal.add(pending);
        }
        Journal journal(path);
        QVERIFY(journal.open());
        QStringList outcomes;
        for (QSqlQuery rows = journal.select({}); rows.next();)
            outcomes.prepend(rows.value(Journal::Outcome).toString());
        QCOMPARE(outcomes.join(u' '),
                 u"accepted refused unclear declined unknown failed unknown pending"_s);
        // Older rows are found by the search in any case too.
        QSqlQuery found = journal.select({u"ΚΑΛΗΜΕΡΑ"_s, {}, {}, {}});
        QVERIFY(found.next() && !found.next());
    }

    // A pending row after its program: unknown once it left (or may have),
    // queued again when it never did; a live program's row is its own.
    void settlesByOwner_data() {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<int>("minutesAgo");
        QTest::addColumn<QString>("outcome");
        const QString ended = processTag().section(u' ', 0, 0) + u" 999999999 1"_s;
        QTest::newRow("ended, sent") << ended << true << 0 << "unknown";
        QTest::newRow("ended, claimed only") << ended << false << 0 << "queued";
        QTest::newRow("another boot, claimed only") << u"boot 1 1"_s << false << 0 << "unknown";
        QTest::newRow("running, sent") << processTag() << true << 0 << "pending";
        QTest::newRow("running, sent long ago") << processTag() << true << 10 << "unknown";
        QTest::newRow("running, claimed long ago") << processTag() << false << 10 << "pending";
        QTest::newRow("no owner, new") << QString() << true << 0 << "pending";
        QTest::newRow("no owner, long ago") << QString() << true << 10 << "unknown";
    }
    void settlesByOwner() {
        QFETCH(QString, owner);
        QFETCH(bool, sent);
        QFETCH(int, minutesAgo);
        Journal journal(dir_.filePath(u"owners.sqlite"_s));
        QVERIFY(journal.open());
        const qint64 id = journal.add(record(u"2026-03-01"_s, Kind::Send, {}, {}));
        QSqlQuery query(journal.database());
        query.prepare(u"UPDATE requests SET owner = ?, sent = ?, time = ? WHERE id = ?"_s);
        const QString time =
            QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODateWithMs);
        for (const QVariant& value :
             {QVariant(owner), sent ? QVariant(time) : QVariant(), QVariant(time), QVariant(id)})
            query.addBindValue(value);
        QVERIFY(query.exec());
        journal.settleAbandoned();
        QSqlQuery row(u"SELECT outcome FROM requests WHERE id = %1"_s.arg(id), journal.database());
        QVERIFY(row.next());
        QTEST(row.value(0).toString(), "outcome");
    }

    // A template's name is unique whatever the letter case: renamed to
    // another's name it is refused, to its own in other letters it is not.
    void templateNames_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("names");  // afterwards; the error when refused
        QTest::newRow("letter case") << "meeting"
                                     << " Meeting "
                                     << "Meeting Welcome";
        QTest::newRow("onto another") << "meeting"
                                      << "WELCOME"
                                      << "A template named “WELCOME” exists already.";
        QTest::newRow("no such") << "party"
                                 << "Party"
                                 << "There is no template named “party”.";
        QTest::newRow("blank") << "meeting"
                               << " "
                               << "A template needs a name.";
    }
    void templateNames() {
        Journal journal(dir_.filePath(u"templates.sqlite"_s));
        QVERIFY(journal.open());
        TemplateStore templates(journal);
        QVERIFY(templates.remove(u"Meeting"_s) && templates.save(u"meeting"_s, u"At {time}"_s) &&
                templates.save(u"Welcome"_s, u"Dear {name}"_s));
        QFETCH(QString, from);
        QFETCH(QString, to);
        const Expected<void> renamed = templates.rename(from, to);
        QStringList names;
        const Expected<QList<MessageTemplate>> list = templates.list();
        for (const MessageTemplate& saved : *list)
            names << saved.name;
        QTEST(renamed ? names.join(u' ') : renamed.error(), "names");
    }

    void filters_data() {
        QTest::addColumn<JournalFilter>("filter");
        QTest::addColumn<QStringList>("messages");  // newest first
        const auto search = [](const QString& text) { return JournalFilter{text, {}, {}, {}}; };
        QTest::newRow("everything")
            << JournalFilter() << QStringList{u"Καλημέρα σας"_s, u"hello"_s,     {},
                                              u"tea_time"_s,     u"500 units"_s, u"50% off"_s};
        QTest::newRow("% is no wildcard") << search(u"50%"_s) << QStringList{u"50% off"_s};
        QTest::newRow("_ is no wildcard") << search(u"_t"_s) << QStringList{u"tea_time"_s};
        QTest::newRow("recipients, any case")
            << search(u"papadaki"_s) << QStringList{u"tea_time"_s};
        for (const QString& greek : {u"καλημέρα"_s, u"ΚΑΛΗΜΕΡΑ"_s, u"Καλημερα"_s})
            QTest::newRow(qPrintable(u"any script: "_s + greek))
                << search(greek) << QStringList{u"Καλημέρα σας"_s};
        QTest::newRow("kind") << JournalFilter{{}, Kind::CreditCheck, {}, {}}
                              << QStringList{QString()};
        QTest::newRow("days, both included")
            << JournalFilter{{}, {}, QDate(2026, 3, 2), QDate(2026, 3, 3)}
            << QStringList{QString(), u"tea_time"_s};
    }
    void filters() {
        QFETCH(JournalFilter, filter);
        Journal journal(dir_.filePath(u"filters.sqlite"_s));
        QVERIFY(journal.open());
        if (!journal.select({}).next()) {
            journal.add(record(u"2026-03-01"_s, Kind::Send, u"0944111222"_s, u"50% off"_s));
            journal.add(record(u"2026-03-01"_s, Kind::Send, u"0944111222"_s, u"500 units"_s));
            journal.add(
                record(u"2026-03-02"_s, Kind::Send, u"Papadaki, Maria (0944)"_s, u"tea_time"_s));
            journal.add(record(u"2026-03-03"_s, Kind::CreditCheck, {}, {}));
            journal.add(record(u"2026-03-04"_s, Kind::Send, u"0977"_s, u"hello"_s));
            journal.add(record(u"2026-03-05"_s, Kind::Send, u"0977"_s, u"Καλημέρα σας"_s));
        }
        QSqlQuery rows = journal.select(filter);
        QStringList messages;
        while (rows.next())
            messages << rows.value(Journal::Message).toString();
        QTEST(messages, "messages");
    }

    void exportsRfc4180Csv() {
        Journal journal(dir_.filePath(u"export.sqlite"_s));
        QVERIFY(journal.open());
        RequestRecord sent = record(u"2026-03-01"_s, Kind::Send, u"Papadaki, Maria (0944)"_s,
                                    u"Say \"hi\"\r\nΚαλημέρα"_s);
        sent.setReply(u"OK\r\nCredits Left: 95"_s);
        sent.cost = 12;  // quoted and charged
        journal.add(sent);
        RequestRecord declined = record(u"2026-03-03"_s, Kind::Send, {}, {});
        std::tie(declined.cost, declined.outcome) =
            std::make_tuple(18, RequestRecord::Outcome::Declined);
        journal.add(declined);
        // What a spreadsheet would evaluate stays text; a recipient's number stays a number.
        RequestRecord formulas =
            record(u"2026-03-02"_s, Kind::Send, u"+30 944 123456"_s, u"=cmd|' /C calc'!A0"_s);
        std::tie(formulas.account, formulas.originator) = std::make_tuple(u"@user"_s, u"-2+3"_s);
        formulas.setReply(u"\tCredits Left:+1"_s);
        journal.add(formulas);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(journal.exportCsv({}, csv));
        QCOMPARE(QString::fromUtf8(csv.data()),
                 u"time,kind,account,originator,recipients,message,recipient_count,parts,"
                 "encoding,cost,charged,outcome,reason,reply,balance_before,balance_after,batch\r\n"
                 "2026-03-03T12:00:00.000Z,send,,,,,0,0,,18,0,declined,,,,,\r\n"
                 "2026-03-02T12:00:00.000Z,send,'@user,'-2+3,+30 944 123456,'=cmd|' /C calc'!A0,"
                 "0,0,,0,0,accepted,,'\tCredits Left:+1,,'+1,\r\n"
                 "2026-03-01T12:00:00.000Z,send,,,\"Papadaki, Maria (0944)\",\"Say \"\"hi\"\"\r\n"
                 "Καλημέρα\",0,0,,12,12,accepted,,\"OK\r\nCredits Left: 95\",, 95,\r\n"_s);
    }

    // A batch is one entry with its totals, found by any of its requests, and
    // opens to its requests; an export keeps every request with its batch.
    void showsBatchesWhole_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("rows");
        const QString batch = u"club.csv | Dear {first} | 3 | 18 | 12 | accepted 2, refused 1"_s;
        QTest::newRow("all") << QString() << false
                             << QStringList{u"0944 | Hello | 1 | 6 | 6 | accepted"_s, batch};
        QTest::newRow("by a request's text") << u"dear ben"_s << false << QStringList{batch};
        QTest::newRow("opened") << QString() << true
                                << QStringList{u"0977 | Dear Cleo | 1 | 6 | 0 | refused"_s,
                                               u"0966 | Dear Ben | 1 | 6 | 6 | accepted"_s,
                                               u"0955 | Dear Anna | 1 | 6 | 6 | accepted"_s};
    }
    void showsBatchesWhole() {
        QFETCH(QString, search);
        QFETCH(bool, opened);
        Journal journal(
            dir_.filePath(u"batches-%1.sqlite"_s.arg(QLatin1String(QTest::currentDataTag()))));
        QVERIFY(journal.open());
        QSqlQuery(journal.database())
            .exec(
                u"INSERT INTO batches (id, created, account, originator, template, source, "
                "pause_ms, state) VALUES (7, '', 'anna', '', 'Dear {first}', 'club.csv', 0, "
                "'done')"_s);
        const QStringList members{u"0955|Anna|OK Credits Left: 9"_s,
                                  u"0966|Ben|OK Credits Left: 3"_s,
                                  u"0977|Cleo|Nothing was sent"_s};
        for (const QString& member : members) {
            const QStringList parts = member.split(u'|');
            RequestRecord request =
                record(u"2026-03-01"_s, Kind::Send, parts[0], u"Dear "_s + parts[1]);
            std::tie(request.batch, request.cost, request.recipientCount) = std::tuple(7, 6, 1);
            request.setReply(parts[2]);
            journal.add(request);
        }
        RequestRecord single = record(u"2026-03-02"_s, Kind::Send, u"0944"_s, u"Hello"_s);
        std::tie(single.cost, single.recipientCount) = std::tuple(6, 1);
        single.setReply(u"OK Credits Left: 1"_s);
        journal.add(single);
        QSqlQuery rows = journal.select({search, {}, {}, {}, true, opened ? 7 : 0});
        QStringList shown;
        while (rows.next()) {
            QString outcome = rows.value(Journal::Outcome).toString();
            if (!opened && !rows.value(Journal::Batch).isNull()) {
                QStringList counts;
                for (const auto& [word, count] : batchOutcomes(outcome))
                    counts << outcomeName(word) + u' ' + QString::number(count);
                outcome = counts.join(u", "_s);
            }
            QStringList cells;
            for (int column : {Journal::Recipients, Journal::Message, Journal::RecipientCount,
                               Journal::Cost, Journal::Charged})
                cells << rows.value(column).toString();
            shown << (cells << outcome).join(u" | "_s);
        }
        QTEST(shown, "rows");
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(journal.exportCsv({search, {}, {}, {}, true, 0}, csv));
        QCOMPARE(csv.data().count(",7\r\n"), search.isEmpty() ? 3 : 1);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
