// The deadline alert, run on every show of the deadline window, over a generated year file,
// beside a plain read of the same file. Run: build/bench/bench_deadlines_alert
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

using namespace deadlines;

namespace {

const QDate kToday(2026, 6, 15);

// A folder with this year's file of n deadlines spread over the year, built once.
QString folder(int n) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> made;
    auto& dir = made[n];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        std::mt19937 rng(n);
        const auto& layout = deadlineLayout();
        std::vector<char> rec(kDeadlineRecordLength, 0);
        QByteArray all;
        all.reserve(qsizetype(n) * kDeadlineRecordLength);
        for (int i = 0; i < n; ++i) {
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
            layout.storeAll(rec.data(), v);
            all.append(rec.data(), kDeadlineRecordLength);
        }
        QFile f(QDir(dir->path()).filePath(yearFileName(2026)));
        f.open(QIODevice::WriteOnly);
        f.write(all);
    }
    return dir->path();
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

void BM_ReadIntoMemory(benchmark::State& state) {
    const QString path = QDir(folder(int(state.range(0)))).filePath(yearFileName(2026));
    std::vector<char> buffer(4 << 20);
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        qint64 total = 0, got = 0;
        while ((got = f.read(buffer.data(), qint64(buffer.size()))) > 0)
            total += got;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadIntoMemory)->Apply(sizes);

void BM_DeadlineAlert(benchmark::State& state) {
    const QString dir = folder(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countImminent(dir, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DeadlineAlert)->Apply(sizes);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
