// Laying out and painting a long list through the list template, beside a read of the member
// archive such a list is made from.
#include "reports/list_report.h"
#include "bench_kit.h"
#include "generated_archive.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QStringList makeLines(int n) {
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("N. %1  Socio: Rossi Mario %2  C.F. RSSMRA70H05L219X  Tessera: %3")
                     .arg(i, 6)
                     .arg(i % 977)
                     .arg(i);
    return lines;
}

void BM_ReadIntoMemory(benchmark::State& state) {
    const QString folder = bench::folderOnce(int(state.range(0)), bench::writeMemberArchive);
    bench::readWholeFile(state, QDir(folder).filePath(members::kMemberFileName));
}
BENCHMARK(BM_ReadIntoMemory)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PrepareList(benchmark::State& state) {
    const QStringList lines = makeLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const reports::Report r =
            reports::listReport(QStringLiteral("Elenco"), lines, QDate(2026, 3, 15));
        benchmark::DoNotOptimize(r.pages().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PrepareList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One page from the middle of a list of n lines.
void BM_PaintListPage(benchmark::State& state) {
    const reports::Report r = reports::listReport(
        QStringLiteral("Elenco"), makeLines(int(state.range(0))), QDate(2026, 3, 15));
    QImage page(297 * 4, 210 * 4, QImage::Format_RGB32); // about 100 dpi
    for (auto _ : state) {
        QPainter p(&page);
        r.paintPage(p, static_cast<int>(r.pages().size() / 2), 4);
    }
}
BENCHMARK(BM_PaintListPage)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
