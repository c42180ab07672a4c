// The address book's speed and memory on a large book:
//   bench_addressbook --generate FILE       writes a 30,000-contact book
//   bench_addressbook --memory FILE         peak memory of an Open and a walk
//   bench_addressbook --book FILE [google benchmark options]
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "address_book_generator.h"
#include "platform/vcard_address_book.h"

using pelicast::platform::VCardAddressBook;

namespace {

QString gBook;

const QStringList kWalkFields{"Surname", "Firstname", "CellPhone", "HomeEmail", "Groups1"};

// What every action does: open, count, select every index (one past the end
// too) and read the fields it needs.
qsizetype Walk(const QString& path) {
    VCardAddressBook book;
    book.Open(path);
    qsizetype characters = 0;
    const int count = book.GetCount();
    for (int i = 0; i <= count; ++i) {
        if (!book.Select(i))
            continue;
        for (const QString& field : kWalkFields)
            characters += book.GetValue(field).size();
    }
    book.Close();
    return characters;
}

// Makes the next Open parse the file again, as after a change by another program.
void Touch(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addMSecs(1),
                     QFileDevice::FileModificationTime);
}

void BM_Walk(benchmark::State& state) {
    Walk(gBook);  // the first Open of the process parses
    for (auto _ : state)
        benchmark::DoNotOptimize(Walk(gBook));
    state.counters["contacts"] = 30000;
}

void BM_SecondOpen(benchmark::State& state) {
    Walk(gBook);
    for (auto _ : state) {
        VCardAddressBook book;
        book.Open(gBook);
        benchmark::DoNotOptimize(book.GetCount());
        book.Close();
    }
}

void BM_FirstOpenAndWalk(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Touch(gBook);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Walk(gBook));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFileInfo(gBook).size());
}

BENCHMARK(BM_Walk)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_SecondOpen)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FirstOpenAndWalk)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::strlen(key)));
    }
    return -1;
}

int Memory(const QString& path) {
    const long baseline = StatusKilobytes("VmHWM:");
    Walk(path);
    const long peak = StatusKilobytes("VmHWM:");
    const double fileKb = double(QFileInfo(path).size()) / 1024.0;
    std::printf("file %.0f KiB, baseline peak %ld KiB, peak after Open and walk %ld KiB\n", fileKb,
                baseline, peak);
    std::printf("peak above baseline: %ld KiB = %.2f x the file size (limit 4)\n", peak - baseline,
                double(peak - baseline) / fileKb);
    return double(peak - baseline) / fileKb <= 4.0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0)
        return pelicast::bench::WriteAddressBook(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return Memory(QString::fromLocal8Bit(argv[2]));
    if (argc >= 3 && std::strcmp(argv[1], "--book") == 0) {
        gBook = QString::fromLocal8Bit(argv[2]);
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }
    std::fprintf(stderr, "usage: %s --generate FILE | --memory FILE | --book FILE [options]\n",
                 argv[0]);
    return 2;
}
