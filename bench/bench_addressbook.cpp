// SPDX-License-Identifier: GPL-3.0-or-later
// The address book's speed and memory on a large book:
//   bench_addressbook --generate FILE [CONTACTS [mixed]]
//                                           writes a book of 30,000 (or
//                                           CONTACTS) contacts in 200 groups,
//                                           all vCard 3.0 or mixed with 2.1
//   bench_addressbook --memory FILE         peak memory of an Open and a walk
//   bench_addressbook --book FILE [google benchmark options]
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "address_book_generator.h"
#include "core/book/address_book.h"

using pelicast::AddressBook;
using pelicast::Contact;

namespace {

QString gBook;

// What every action does: load, count, read every contact (one past the end
// too) and the fields it needs.
qsizetype walk(const QString& path) {
    AddressBook book(path);
    book.load();
    qsizetype characters = 0;
    const int count = book.count();
    for (int i = 0; i <= count; ++i) {
        const Contact contact = book.contact(i);
        characters += contact.surname.size() + contact.firstName.size() + contact.mobile.size() +
                      contact.email.size() +
                      (contact.groups.isEmpty() ? 0 : contact.groups[0].size());
    }
    return characters;
}

// Makes the next Open parse the file again, as after a change by another program.
void touch(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addMSecs(1),
                     QFileDevice::FileModificationTime);
}

void BM_Walk(benchmark::State& state) {
    walk(gBook);  // the first Open of the process parses
    for (auto _ : state)
        benchmark::DoNotOptimize(walk(gBook));
    state.counters["contacts"] = 30000;
}

void BM_SecondOpen(benchmark::State& state) {
    walk(gBook);
    for (auto _ : state) {
        AddressBook book(gBook);
        book.load();
        benchmark::DoNotOptimize(book.count());
    }
}

void BM_FirstOpenAndWalk(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        touch(gBook);
        state.ResumeTiming();
        benchmark::DoNotOptimize(walk(gBook));
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

long statusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::strlen(key)));
    }
    return -1;
}

int memory(const QString& path) {
    const long baseline = statusKilobytes("VmHWM:");
    walk(path);
    const long peak = statusKilobytes("VmHWM:");
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
    if (argc >= 3 && argc <= 5 && std::strcmp(argv[1], "--generate") == 0) {
        pelicast::bench::BookShape shape;
        shape.contacts = argc > 3 ? std::max(1, std::atoi(argv[3])) : shape.contacts;
        shape.mixedVersions = argc > 4 && std::strcmp(argv[4], "mixed") == 0;
        return pelicast::bench::writeAddressBook(QString::fromLocal8Bit(argv[2]), shape) ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return memory(QString::fromLocal8Bit(argv[2]));
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
    std::fprintf(
        stderr,
        "usage: %s --generate FILE [CONTACTS [mixed]] | --memory FILE | --book FILE [options]\n",
        argv[0]);
    return 2;
}
