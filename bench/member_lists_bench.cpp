// Member search, renewal list and export over generated archives, beside a plain read of the
// same file. Run: build/bench/bench_member_lists
#include "bench_kit.h"
#include "generated_archive.h"

#include "core/list_text.h"
#include "core/record_file.h"
#include "members/frm_exp_anagrafica.h"
#include "members/member_archive.h"
#include "members/member_lists.h"
#include "platform/export_flow.h"
#include "platform/qt_platform.h"
#include "platform/text_list.h"
#include "platform/window_set.h"
#include "platform/workbook_flow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

using namespace members;

namespace {

// An archive of n members, built once per size.
QString archive(int n) {
    return bench::folderOnce(n,
                             [](const QString& dir, int n) { bench::writeMemberArchive(dir, n); });
}

void BM_ReadFileOnly(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state) {
        core::RecordFile file(QDir(folder).filePath(kMemberFileName), kMemberRecordLength);
        file.open(core::RecordFile::Access::Read);
        qint64 seen = 0;
        file.scan([&](qint64, const char* rec) {
            seen += rec[0];
            return true;
        });
        benchmark::DoNotOptimize(seen);
    }
}
BENCHMARK(BM_ReadFileOnly)->Apply(bench::threeSizes);

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state, QDir(archive(int(state.range(0)))).filePath(kMemberFileName));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::threeSizes);

void BM_OpenAndCount(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MemberArchive(folder).count());
}
BENCHMARK(BM_OpenAndCount)->Apply(bench::threeSizes);

void BM_ReadEveryRecord(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state) {
        qint64 chars = 0;
        MemberArchive(folder).scan([&](const Member& m) {
            chars += m[Tesserato].size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ReadEveryRecord)->Apply(bench::threeSizes);

void BM_SearchAll(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(searchMembers(folder, {}).lines.size());
}
BENCHMARK(BM_SearchAll)->Apply(bench::threeSizes);

void BM_SearchTwoFilters(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    MemberFilters filters;
    filters[0] = u"ROSSI"_qs;
    filters[6] = u"roma"_qs;
    for (auto _ : state)
        benchmark::DoNotOptimize(searchMembers(folder, filters).lines.size());
}
BENCHMARK(BM_SearchTwoFilters)->Apply(bench::threeSizes);

// A list view on screen, filled and laid out as the window shows it. Each window starts
// with an empty list: the previous lines are let go outside the timing.
void fillShown(benchmark::State& state, platform::TextList& list,
               const std::function<core::ListLines()>& lines) {
    for (auto _ : state) {
        list.setLines(lines());
        QCoreApplication::processEvents(); // the view lays out and paints its rows
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
    }
}

// The whole "Cerca": read, sort and fill the list view once.
void BM_SearchIntoListView(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    platform::TextList list(nullptr, u"lstRecords"_qs);
    list.resize(830, 368);
    list.show();
    fillShown(state, list, [&folder] { return searchMembers(folder, {}).lines; });
}
BENCHMARK(BM_SearchIntoListView)->Apply(bench::threeSizes);

void BM_FindInListWrapping(benchmark::State& state) {
    // As the list window finds: over the lines the search made, each made as it is reached.
    const core::ListLines lines = searchMembers(archive(int(state.range(0))), {}).lines;
    QString last = u"zzz"_qs;
    for (auto _ : state) // a key found nowhere: one full turn of the list
        benchmark::DoNotOptimize(core::findInList(
            int(lines.size()), [&lines](int i) { return lines.at(i); }, 0, u"zzz"_qs, last));
}
BENCHMARK(BM_FindInListWrapping)->Apply(bench::threeSizes);

void BM_RenewalList(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(renewalMembers(folder, QDate(2025, 9, 1)).lines.size());
}
BENCHMARK(BM_RenewalList)->Apply(bench::threeSizes);

// The renewal list as it opens: read, sort and fill the list view once.
void BM_RenewalIntoListView(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    platform::TextList list(nullptr, u"lstRecords"_qs);
    list.resize(830, 390);
    list.show();
    fillShown(state, list, [&folder] { return renewalMembers(folder, QDate(2025, 9, 1)).lines; });
}
BENCHMARK(BM_RenewalIntoListView)->Apply(bench::threeSizes);

void BM_PickLine(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    const qint64 record = *searchMembers(folder, {}).recordAt(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(MemberArchive(folder).read(record));
}
BENCHMARK(BM_PickLine)->Apply(bench::threeSizes);

void BM_ExportGridRows(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(memberExportRows(folder).cells.rowCount());
}
BENCHMARK(BM_ExportGridRows)->Apply(bench::threeSizes);

platform::SpreadsheetExport sheetOf(const core::CellTable& t,
                                    const std::vector<core::SheetColumn>& columns) {
    return {u"Tesserati.xls"_qs, u"Riepilogo Anagrafica Soci"_qs, columns, t.rowCount(), {}, &t};
}

// Writing Tesserati.xls from the grid rows (temporary file, then the rename).
void BM_ExportWriteFile(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    const core::CellTable table = memberExportRows(folder).cells;
    const std::vector<core::SheetColumn> columns(25, core::SheetColumn{u"Colonna"_qs, 200});
    const QString path = QDir(folder).filePath(u"Tesserati.xls"_qs);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::saveSpreadsheet(path, sheetOf(table, columns)));
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportWriteFile)->Apply(bench::threeSizes);

// What the user waits for: the grid filled from the archive, then the file written.
void BM_ExportGridAndFile(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    const std::vector<core::SheetColumn> columns(25, core::SheetColumn{u"Colonna"_qs, 200});
    const QString path = QDir(folder).filePath(u"Tesserati.xls"_qs);
    for (auto _ : state) {
        const core::CellTable table = memberExportRows(folder).cells;
        benchmark::DoNotOptimize(platform::saveSpreadsheet(path, sheetOf(table, columns)));
    }
}
BENCHMARK(BM_ExportGridAndFile)->Apply(bench::threeSizes);

// The same grid rows as a typed .xlsx workbook with the member export's own columns (temporary
// file, sync, rename).
void BM_ExportWorkbookFile(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{folder, desktop, windows};
    const platform::ExportSheet sheet = TfrmExpAnagrafica(ctx, nullptr).sheet();
    const core::CellTable table = memberExportRows(folder).cells;
    const QString path = QDir(folder).filePath(u"Tesserati.xlsx"_qs);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::saveWorkbook(path, sheetOf(table, sheet.columns)));
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportWorkbookFile)->Apply(bench::threeSizes);

} // namespace
