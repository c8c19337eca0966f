// The deadline summaries, search, grids and the load by line over a generated year file,
// beside a plain read of the same file. Run: build/bench/bench_deadline_lists
#include "bench_kit.h"
#include "deadlines/deadline_lists.h"
#include "deadlines/deadline_record.h"
#include "generated_deadlines.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace deadlines;

namespace {

const QDate kToday(2026, 6, 15);

// A folder with this year's file of n deadlines spread over the year, built once.
QString folder(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        bench::writeDeadlineYear(dir, n, bench::DeadlineMix::Varied);
    });
}

core::Archive archiveOf(int n) {
    return core::Archive(folder(n), yearFileName(2026), deadlineLayout());
}

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state, QDir(folder(int(state.range(0)))).filePath(yearFileName(2026)));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::smallAndLarge);

void BM_SummaryToPay(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(listLines(archive, summaryTest(Summary::ToPay)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SummaryToPay)->Apply(bench::smallAndLarge);

void BM_SearchEveryRecord(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(listLines(archive, criteriaTest({})));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SearchEveryRecord)->Apply(bench::smallAndLarge);

void BM_SearchThreeCriteria(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    DeadlineCriteria criteria;
    criteria[2] = u"rossi 1"_qs; // payer
    criteria[8] = u"QUOTA"_qs;   // reason
    criteria[9] = u"contanti"_qs;
    for (auto _ : state)
        benchmark::DoNotOptimize(listLines(archive, criteriaTest(criteria)));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SearchThreeCriteria)->Apply(bench::smallAndLarge);

// A pick: the record of the line, read whole.
void BM_LoadByLine(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    const qint64 record = *listLines(archive, summaryTest(Summary::ToPay)).recordAt(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(archive.read(record));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadByLine)->Apply(bench::smallAndLarge);

void BM_ImminentGrid(benchmark::State& state) {
    const QString dir = folder(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(imminentRows(dir, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImminentGrid)->Apply(bench::smallAndLarge);

void BM_MonthGrid(benchmark::State& state) {
    const QString dir = folder(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(monthRows(dir, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MonthGrid)->Apply(bench::smallAndLarge);

void BM_WholeYearGrid(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(yearRows(archive));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WholeYearGrid)->Apply(bench::smallAndLarge);

} // namespace
