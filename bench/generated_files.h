// Generated files for the benchmarks and the memory drivers: folders kept for the whole run
// and record files written a block at a time.
#pragma once

#include "core/record_layout.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <vector>

namespace bench {

// A temporary folder per size, filled by `fill(folder, n)` on first use and kept until exit.
// Each call site passes its own lambda, so each gets its own folders.
template <typename Fill> QString folderOnce(int n, Fill fill) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> made;
    auto& dir = made[n];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        fill(dir->path(), n);
    }
    return dir->path();
}

// Writes n records of `layout` to `path`, record i holding valuesOf(i), a block at a time so
// large files cost little memory.
template <typename Values>
bool writeRecords(const QString& path, const core::RecordLayout& layout, int n, Values valuesOf) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    std::vector<char> rec(size_t(layout.recordLength()), 0);
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        std::fill(rec.begin(), rec.end(), 0);
        layout.storeAll(rec.data(), valuesOf(i));
        block.append(rec.data(), qsizetype(rec.size()));
        if (block.size() >= (1 << 20) || i + 1 == n) {
            if (f.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return f.flush();
}

} // namespace bench
