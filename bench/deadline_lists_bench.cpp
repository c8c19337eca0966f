// The deadline summaries, search, grids and the load by line over a generated year file,
// beside a plain read of the same file. Run: build/bench/bench_deadline_lists
#include "bench_kit.h"
#include "deadlines/deadline_lists.h"
#include "deadlines/deadline_record.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace deadlines;

namespace {

const QDate kToday(2026, 6, 15);

// A folder with this year's file of n deadlines spread over the year, built once.
QString folder(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        std::mt19937 rng(n);
        const QStringList reasons = {u"Quota annuale"_qs, u"Affitto sala riunioni"_qs,
                                     u"Assicurazione responsabilit\u00e0 civile"_qs, u"Bollo"_qs};
        const QString path = QDir(dir).filePath(yearFileName(2026));
        bench::writeRecords(path, deadlineLayout(), n, [&](int i) {
            const QDate d = QDate(2026, 1, 1).addDays(int(rng() % 365));
            QStringList v(DeadlineFieldCount);
            v[Giorno] = d.toString(u"dd"_qs);
            v[Mese] = monthNames()[d.month() - 1];
            v[Anno] = u"2026"_qs;
            v[Data] = d.toString(u"dd/MM/yyyy"_qs);
            v[Ore] = QStringLiteral("%1").arg(rng() % 24, 2, 10, QLatin1Char('0'));
            v[Minuti] = u"30"_qs;
            v[Ora] = v[Ore] + u":30"_qs;
            v[Avviso] = QString::number(rng() % 30);
            v[Pagatore] = u"Rossi "_qs + QString::number(i);
            v[CodFisc] = u"RSSMRA80A01H501U"_qs;
            v[Beneficiario] = u"Circolo Aurora"_qs;
            v[Dettagli] = reasons[int(rng() % 4)];
            v[Costo] = u"120,00"_qs;
            v[Note] = u"Da pagare in contanti presso la sede"_qs;
            v[DaConfermare] = rng() % 4 ? kNo : kYes;
            v[Effettuata] = rng() % 2 ? kNo : kYes;
            return v;
        });
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

void BM_LoadByLine(benchmark::State& state) {
    const core::Archive archive = archiveOf(int(state.range(0)));
    const QString line = listLines(archive, summaryTest(Summary::ToPay)).lines.value(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(recordOfLine(archive, line, summaryTest(Summary::ToPay)));
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
