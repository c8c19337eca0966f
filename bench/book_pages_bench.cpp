// The page list of a register (one line per page, then the pick of a line) and the register
// listing, over generated registers. Run: build/bench/bench_book_pages_bench
#include "bench_kit.h"
#include "book/page_list.h"
#include "book/page_record.h"
#include "book/registers.h"
#include "program/program_folder.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace book;

namespace {

// A register of n full pages, built once per size.
QString registerOf(int n) {
    const QString dir =
        bench::folderOnce(n, [](const QString& dir, int n) { bench::writeRegister(dir, n); });
    return QDir(dir).filePath(bench::kGeneratedRegister);
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
