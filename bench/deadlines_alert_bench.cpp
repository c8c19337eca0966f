// The deadline alert, run on every show of the deadline window, over a generated year file,
// beside a plain read of the same file. Run: build/bench/bench_deadlines_alert
#include "bench_kit.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"

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
        const QString path = QDir(dir).filePath(yearFileName(2026));
        bench::writeRecords(path, deadlineLayout(), n, [&](int i) {
            const QDate d = QDate(2026, 1, 1).addDays(int(rng() % 365));
            QStringList v(DeadlineFieldCount);
            v[Giorno] = d.toString(u"dd"_qs);
            v[Mese] = monthNames()[d.month() - 1];
            v[Anno] = u"2026"_qs;
            v[Data] = d.toString(u"dd/MM/yyyy"_qs);
            v[Ore] = u"09"_qs;
            v[Minuti] = u"30"_qs;
            v[Ora] = u"09:30"_qs;
            v[Avviso] = QString::number(rng() % 30);
            v[Pagatore] = u"Rossi "_qs + QString::number(i);
            v[Beneficiario] = u"Circolo Aurora"_qs;
            v[Dettagli] = u"Quota annuale"_qs;
            v[Costo] = u"120,00"_qs;
            v[DaConfermare] = kNo;
            v[Effettuata] = kNo;
            return v;
        });
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
