// SPDX-License-Identifier: GPL-3.0-or-later
// The journal on real SQLite files: how it is created, what it refuses, what
// it never stores, and the rows the History window and its export get.
#include <QtSql>
#include <QtTest>

#include "core/journal/journal.h"

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

    void filters_data() {
        QTest::addColumn<JournalFilter>("filter");
        QTest::addColumn<QStringList>("messages");  // newest first
        const auto search = [](const QString& text) { return JournalFilter{text, {}, {}, {}}; };
        QTest::newRow("everything")
            << JournalFilter()
            << QStringList{u"hello"_s, {}, u"tea_time"_s, u"500 units"_s, u"50% off"_s};
        QTest::newRow("% is no wildcard") << search(u"50%"_s) << QStringList{u"50% off"_s};
        QTest::newRow("_ is no wildcard") << search(u"_t"_s) << QStringList{u"tea_time"_s};
        QTest::newRow("recipients, any case")
            << search(u"papadaki"_s) << QStringList{u"tea_time"_s};
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
        if (journal.select({}).next() == false) {
            journal.add(record(u"2026-03-01"_s, Kind::Send, u"0944111222"_s, u"50% off"_s));
            journal.add(record(u"2026-03-01"_s, Kind::Send, u"0944111222"_s, u"500 units"_s));
            journal.add(
                record(u"2026-03-02"_s, Kind::Send, u"Papadaki, Maria (0944)"_s, u"tea_time"_s));
            journal.add(record(u"2026-03-03"_s, Kind::CreditCheck, {}, {}));
            journal.add(record(u"2026-03-04"_s, Kind::Send, u"0977"_s, u"hello"_s));
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
        journal.add(sent);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(journal.exportCsv({}, csv));
        QCOMPARE(QString::fromUtf8(csv.data()),
                 u"time,kind,account,originator,recipients,message,recipient_count,parts,"
                 "encoding,cost,outcome,reason,reply,balance_before,balance_after\r\n"
                 "2026-03-01T12:00:00.000Z,send,,,\"Papadaki, Maria (0944)\",\"Say \"\"hi\"\"\r\n"
                 "Καλημέρα\",0,0,,0,accepted,,\"OK\r\nCredits Left: 95\",, 95\r\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
