// SPDX-License-Identifier: GPL-3.0-or-later
// The History window over a large journal: opening it (journal opened, first
// rows fetched, window shown and painted) and a search typed into it, for a
// word in every tenth row and for one in none (a walk over every row). And
// the journal's own work for a request: its opening with every page checked,
// as the recorder opens it at start-up, and a pending row committed to disk,
// which a request waits for before it leaves.
// bench_history [--rows N] [benchmark options]; N is 100,000 unless given.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/journal/journal.h"
#include "gui/history_window.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

QString journalPath;

void fillJournal(const QString& path, int rows) {
    Journal journal(path);
    if (!journal.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(journal.errorString()));
        std::exit(1);
    }
    QElapsedTimer timer;
    timer.start();
    journal.database().transaction();
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-60LL * rows);
    for (int i = 0; i < rows; ++i) {
        RequestRecord record;
        record.time = start.addSecs(60LL * i);
        record.kind = i % 20 == 0 ? RequestRecord::Kind::CreditCheck : RequestRecord::Kind::Send;
        record.account = u"anna"_s;
        record.originator = u"Shop"_s;
        record.recipients =
            u"09441%1;Papadaki, Maria (0977%2)"_s.arg(i % 100000, 5, 10, QChar(u'0'))
                .arg(i % 997, 6, 10, QChar(u'0'));
        record.message = (i % 10 == 0 ? u"Invoice %1 is due tomorrow."_s
                                      : u"Your table for %1 is ready at eight."_s)
                             .arg(i);
        record.recipientCount = 2;
        record.parts = 1;
        record.encoding = u"GSM 7-bit"_s;
        record.cost = 12;
        record.setReply(
            u"Message accepted for 2 recipients, 12 credits charged.\r\n"
            "Credits Left: %1"_s.arg(1000000 - 12 * i));
        journal.add(record);
    }
    journal.database().commit();
    std::printf("filled %d rows in %lld ms\n", rows, timer.elapsed());
}

void openHistory(benchmark::State& state) {
    for (auto _ : state) {
        HistoryWindow window(nullptr, journalPath);
        window.showHistory();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&window);
    }
}

void search(benchmark::State& state, const QString& text) {
    HistoryWindow window(nullptr, journalPath);
    window.showHistory();
    QApplication::processEvents();
    auto* field = window.findChild<QLineEdit*>(u"search"_s);
    for (auto _ : state) {
        field->setText(text);
        QApplication::processEvents();
        state.PauseTiming();
        field->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void openAndCheck(benchmark::State& state) {
    for (auto _ : state) {
        Journal journal(journalPath);
        if (!journal.open(Journal::Check::Pages))
            state.SkipWithError(qPrintable(journal.errorString()));
    }
}

void recordPending(benchmark::State& state) {
    Journal journal(journalPath);
    journal.open();
    RequestRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.recipients = u"0944111222"_s;
    record.message = u"Your table is ready."_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.add(record));
}

}  // namespace

BENCHMARK(openAndCheck)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(recordPending)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(openHistory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(search, tenth, u"Invoice"_s)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(search, none, u"no such words"_s)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    int rows = 100000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") == 0) {
            rows = std::atoi(argv[i + 1]);
            std::memmove(argv + i, argv + i + 2, sizeof(char*) * (argc - i - 2));
            argc -= 2;
            break;
        }
    }
    const QTemporaryDir home;
    journalPath = home.filePath(u"journal.sqlite"_s);
    QApplication app(argc, argv);
    fillJournal(journalPath, rows);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
