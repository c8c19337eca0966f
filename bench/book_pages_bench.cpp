// The page list of a register (one line per page, then the pick of a line) and the register
// listing, over generated registers. Run: build/bench/bench_book_pages_bench
#include "bench_kit.h"
#include "book/page_list.h"
#include "book/page_record.h"
#include "book/registers.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace book;

namespace {

// A register of n full pages, built once per size.
QString registerOf(int n) {
    const QString dir = bench::folderOnce(n, [](const QString& dir, int n) {
        PageValues v = emptyPage();
        v[Numero] = u"1"_qs;
        v[Denominazione] = u"Circolo Culturale Il Faro"_qs;
        v[CodFisc] = u"97012340583"_qs;
        bench::writeRecords(QDir(dir).filePath(u"Soci.lib"_qs), pageLayout(), n, [&](int i) {
            for (int r = 0; r < kRows; ++r) {
                const int order = i * kRows + r + 1;
                v[rowField(r, Ordine)] = QString::number(order);
                v[rowField(r, Socio)] = u"Socio numero "_qs + QString::number(order);
                v[rowField(r, CodFiscSocio)] = u"RSSMRA80A01H501U"_qs;
                v[rowField(r, Tessera)] = u"T-"_qs + QString::number(order);
                v[rowField(r, Telefono)] = u"333 "_qs + QString::number(1000000 + order);
                v[rowField(r, Quota)] = u"25,00"_qs;
                v[rowField(r, Indirizzo)] = u"Via Garibaldi 12 00100 Roma RM"_qs;
            }
            return v;
        });
    });
    return QDir(dir).filePath(u"Soci.lib"_qs);
}

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state, registerOf(int(state.range(0))));
}
BENCHMARK(BM_ReadIntoMemory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PageList(benchmark::State& state) {
    const QString path = registerOf(int(state.range(0)));
    for (auto _ : state) {
        const core::ListRows list = readPageList(path);
        benchmark::DoNotOptimize(list.lines.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PageList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A double click on the first line: its page read whole.
void BM_PickFirstLine(benchmark::State& state) {
    const QString path = registerOf(int(state.range(0)));
    const core::ListRows list = readPageList(path);
    for (auto _ : state) {
        const auto page = readPage(path, *list.recordAt(0));
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_PickFirstLine)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
