// What one save costs on the disk: a member overwritten, a member appended, ten thousand
// members appended as one import, and the password store rewritten. Every one of them waits
// for the disk, so the times are the disk's as much as the program's. The read beside them is
// of as many records as each writes.
// Run: build/bench/bench_record_writes
#include "bench_kit.h"
#include "generated_archive.h"
#include "members/member_record.h"

#include "core/archive.h"
#include "core/ini_file.h"
#include "core/scramble.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

QStringList member(int i) {
    QStringList v(members::MemberFieldCount);
    v[members::Tesserato] = u"Rossi Mario "_qs + QString::number(i);
    v[members::NumTessera] = u"T-"_qs + QString::number(i);
    v[members::Note] = u"Quota versata in contanti il giorno del rinnovo"_qs;
    return v;
}

void BM_ReadIntoMemory(benchmark::State& state) {
    const QString folder = bench::folderOnce(int(state.range(0)), bench::writeMemberArchive);
    bench::readWholeFile(state, QDir(folder).filePath(members::kMemberFileName));
}
BENCHMARK(BM_ReadIntoMemory)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveMember(benchmark::State& state) {
    const QString folder = bench::folderOnce(1000, bench::writeMemberArchive);
    const core::Archive archive(folder, members::kMemberFileName, members::memberLayout());
    int i = 0;
    for (auto _ : state) {
        ++i;
        if (!archive.save(1 + i % 1000, member(i))) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveMember)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AppendMember(benchmark::State& state) {
    QTemporaryDir dir;
    const core::Archive archive(dir.path(), members::kMemberFileName, members::memberLayout());
    int i = 0;
    for (auto _ : state)
        if (!archive.save(0, member(i++))) state.SkipWithError("append failed");
}
BENCHMARK(BM_AppendMember)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ImportMembers(benchmark::State& state) {
    std::vector<QStringList> records;
    for (int i = 0; i < state.range(0); ++i)
        records.push_back(member(i));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const core::Archive archive(dir.path(), members::kMemberFileName, members::memberLayout());
        state.ResumeTiming();
        if (!archive.appendAll(records)) state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportMembers)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ChangePassword(benchmark::State& state) {
    QTemporaryDir dir;
    // The password store's own write: one key of an INI file.
    const QString store = QDir(dir.path()).filePath(u"unins000.dll"_qs);
    int i = 0;
    for (auto _ : state)
        if (!core::IniFile::write(store, u"Accesso"_qs, u"Valore"_qs,
                                  core::scramble(u"PAROLA"_qs + QString::number(i++ % 10))))
            state.SkipWithError("write failed");
}
BENCHMARK(BM_ChangePassword)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
