// SPDX-License-Identifier: GPL-3.0-or-later
// Reading crafted cards that once took seconds: quoted-printable soft breaks
// by the thousand. The time must grow linearly with the input; google
// benchmark fits the growth over the sizes and prints it (the "_BigO" row
// must say N, not N^2).
//   bench_vcard_reader [google benchmark options]
#include <benchmark/benchmark.h>

#include "vcard/card.h"

namespace {

QByteArray card(const QByteArray& lines) {
    return "BEGIN:VCARD\r\n" + lines + "\r\nEND:VCARD\r\n";
}

// Breaks on a line without a colon, which has none: each is a line of its own.
void BM_SoftBreaksWithoutColon(benchmark::State& state) {
    const qsizetype breaks = state.range(0);
    const QByteArray data =
        card("X;ENCODING=QUOTED-PRINTABLE;A=\r\n" + QByteArray("x=\r\n").repeated(breaks));
    for (auto _ : state)
        benchmark::DoNotOptimize(pelicast::vcard::readCardInfo(data));
    state.SetComplexityN(breaks);
}

// Breaks after a long head: the head is read once, not once per break.
void BM_SoftBreaksAfterLongHead(benchmark::State& state) {
    const qsizetype breaks = state.range(0);
    const QByteArray data = card("X;ENCODING=QUOTED-PRINTABLE;A=\"" + QByteArray(4 * breaks, ':') +
                                 "\":=\r\n" + QByteArray("x=\r\n").repeated(breaks));
    for (auto _ : state)
        benchmark::DoNotOptimize(pelicast::vcard::readCardInfo(data));
    state.SetComplexityN(breaks);
}

BENCHMARK(BM_SoftBreaksWithoutColon)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_SoftBreaksAfterLongHead)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
