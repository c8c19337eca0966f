// The date rule over many stored dates, as the renewal list and the deadline lists read them.
// Run: build/bench/bench_dates_bench
#include "bench_kit.h"
#include "core/dates.h"

#include <QDir>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

QStringList sampleDates(int n) {
    QStringList out;
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out << core::formatDate(QDate(1990, 1, 1).addDays(i % 20000));
    return out;
}

// The same dates as a file holds them: a length byte and ten characters each.
void BM_ReadIntoMemory(benchmark::State& state) {
    const QString dir = bench::folderOnce(int(state.range(0)), [](const QString& dir, int n) {
        QFile f(QDir(dir).filePath(u"date.bin"_qs));
        f.open(QIODevice::WriteOnly);
        for (const QString& d : sampleDates(n))
            f.write('\x0a' + d.toLatin1());
    });
    bench::readWholeFile(state, QDir(dir).filePath(u"date.bin"_qs));
}
BENCHMARK(BM_ReadIntoMemory)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ParseStoredDates(benchmark::State& state) {
    const QStringList dates = sampleDates(int(state.range(0)));
    const QDate today(2026, 3, 15);
    for (auto _ : state) {
        qint64 sum = 0;
        for (const QString& d : dates)
            sum += core::parseDate(d, today)->toJulianDay();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseStoredDates)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
