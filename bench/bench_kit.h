// What every benchmark program shares: generated files (generated_files.h) and the plain
// read of a file that each list is measured against. main() is in kit/bench_main.cpp.
#pragma once

#include "generated_files.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <vector>

namespace bench {

// The floor: the whole file read in large blocks, as the lists read it.
inline void readWholeFile(benchmark::State& state, const QString& path) {
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

inline void smallAndLarge(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

inline void threeSizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

} // namespace bench
