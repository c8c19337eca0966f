// The date rule over many stored dates, as the renewal list and the deadline lists read them.
// Run: build/bench/bench_dates_bench
#include "core/dates.h"

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
