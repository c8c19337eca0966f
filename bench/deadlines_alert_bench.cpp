// The deadline alert, run on every show of the deadline window, over a generated year file,
// beside a plain read of the same file. Run: build/bench/bench_deadlines_alert
#include "bench_kit.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"
#include "generated_deadlines.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace deadlines;

namespace {

const QDate kToday(2026, 6, 15);

// A folder with this year's file of n deadlines spread over the year, built once.
QString folder(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        bench::writeDeadlineYear(dir, n, bench::DeadlineMix::Plain);
    });
}

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state, QDir(folder(int(state.range(0)))).filePath(yearFileName(2026)));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::smallAndLarge);

void BM_DeadlineAlert(benchmark::State& state) {
    const QString dir = folder(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countImminent(dir, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DeadlineAlert)->Apply(bench::smallAndLarge);

} // namespace
