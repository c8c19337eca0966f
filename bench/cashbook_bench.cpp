// The balance, the annual statement, the movement search, the pending list and the export rows
// over generated year files, beside a plain read of the same file. Run:
// build/bench/bench_cashbook_bench
#include "bench_kit.h"
#include "cashbook/balance.h"
#include "cashbook/frm_exp_movimenti.h"
#include "cashbook/movement_lists.h"
#include "cashbook/movement_record.h"
#include "cashbook/movement_save.h"
#include "cashbook/statement.h"
#include "program/program_folder.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace cashbook;

namespace {

// A year file of n movements spread over 2026, two in three income, built once.
QString yearFile(int n) {
    const QString dir =
        bench::folderOnce(n, [](const QString& dir, int n) { bench::writeMovementYear(dir, n); });
    return bench::movementYearFile(dir);
}

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state, yearFile(int(state.range(0))));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::threeSizes);

// The whole year without a filter: every line, exact totals.
void BM_BalanceWholeYear(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state) {
        const Balance b = computeBalance(archive, {}, {2026, 1, 1}, {2026, 12, 31}, {2026, 6, 1});
        benchmark::DoNotOptimize(b.total);
        if (!b.ok || b.lines.size() != state.range(0)) state.SkipWithError("balance failed");
    }
}
BENCHMARK(BM_BalanceWholeYear)->Apply(bench::threeSizes);

// The annual statement: every movement by reason and by month, and the tables' texts.
void BM_StatementWholeYear(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state) {
        const Statement s = computeStatement(archive, 2026, {2026, 6, 1});
        const StatementTable reasons = reasonTable(s, euroText);
        benchmark::DoNotOptimize(reasons.rows.size());
        if (!s.ok || s.total.all.count != state.range(0)) state.SkipWithError("statement failed");
    }
}
BENCHMARK(BM_StatementWholeYear)->Apply(bench::threeSizes);

void BM_BalanceReasonAndQuarter(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            computeBalance(archive, u"quota"_qs, {2026, 4, 1}, {2026, 6, 30}, {2026, 6, 1}).total);
}
BENCHMARK(BM_BalanceReasonAndQuarter)->Apply(bench::threeSizes);

void BM_SearchAll(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(searchMovements(archive, {}).lines.size());
}
BENCHMARK(BM_SearchAll)->Apply(bench::threeSizes);

void BM_PendingList(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(pendingMovements(archive, {2026, 6, 1}).lines.size());
}
BENCHMARK(BM_PendingList)->Apply(bench::threeSizes);

void BM_ExportGridRows(benchmark::State& state) {
    const core::Archive archive = yearArchive(yearFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(movementExportRows(archive).size());
}
BENCHMARK(BM_ExportGridRows)->Apply(bench::threeSizes);

} // namespace
