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

#include <QDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace cashbook;

namespace {

const char* const kReasons[] = {"Quota sociale", "Affitto sala", "Rimborso spese",
                                "Cancelleria",   "Quota corso",  "Contributo evento",
                                "Utenze",        "Assicurazione"};
const char* const kNames[] = {"Rossi", "Bianchi", "Verdi", "Neri", "Colombo", "Ricci", "Gallo"};

// A year file of n movements spread over 2026, two in three income, built once.
QString yearFile(int n) {
    const QString dir = bench::folderOnce(n, [](const QString& dir, int n) {
        std::mt19937 rng(n);
        bench::writeRecords(QDir(dir).filePath(u"2026.eur"_qs), movementLayout(), n, [&](int i) {
            const bool income = rng() % 3 != 0;
            const QDate day = QDate(2026, 1, 1).addDays(int(rng() % 365));
            const QString amount = QString::number(rng() % 100000) + u',' +
                                   QStringLiteral("%1").arg(rng() % 100, 2, 10, QLatin1Char('0'));
            QStringList v(MovementFieldCount, QString());
            v[Entrata] = income ? kYes : kNo;
            v[Uscita] = income ? kNo : kYes;
            v[Data] = day.toString(u"dd/MM/yyyy"_qs);
            v[Causale] = QString::fromUtf8(kReasons[rng() % std::size(kReasons)]) + u' ' +
                         QString::number(i % 97);
            v[Promemoria] = u"Rata del mese"_qs;
            v[DataSca] = day.addDays(30).toString(u"dd/MM/yyyy"_qs);
            v[Preavviso] = QString::number(rng() % 15);
            v[Importo] = amount;
            v[Totale] = signedTotal(income, amount);
            v[Pagatore] = QString::fromUtf8(kNames[rng() % std::size(kNames)]) + u" Socio "_qs +
                          QString::number(rng() % 1000);
            v[Beneficiario] = u"Circolo culturale"_qs;
            v[Ricevuta] = u"CRO "_qs + QString::number(100000 + i);
            v[Saldato] = rng() % 4 == 0 ? kNo : kYes;
            return v;
        });
    });
    return QDir(dir).filePath(u"2026.eur"_qs);
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
