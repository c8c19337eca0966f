// Peak memory of the member export to .xlsx over a generated archive: the grid rows alone,
// then with the workbook written. Prints "WorkbookGridRowsPeakMemory <members> <kB>" and
// "WorkbookExportPeakMemory <members> <kB>". Run by bench/run.
#include "../generated_archive.h"
#include "peak_memory.h"

#include "members/frm_exp_anagrafica.h"
#include "platform/qt_platform.h"
#include "platform/window_set.h"
#include "platform/workbook_flow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int members = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    if (!bench::writeMemberArchive(dir.path(), members)) return 1;

    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{dir.path(), desktop, windows};
    const platform::ExportSheet sheet = members::TfrmExpAnagrafica(ctx, nullptr).sheet();
    const core::CellTable table = members::memberExportRows(dir.path()).cells;
    std::printf("WorkbookGridRowsPeakMemory %d %ld\n", members, bench::peakKilobytes());
    const platform::SpreadsheetExport e{
        sheet.fileName, sheet.sheetName, sheet.columns, table.rowCount(), {}, &table};
    if (!platform::saveWorkbook(QDir(dir.path()).filePath(QStringLiteral("Tesserati.xlsx")), e))
        return 1;
    std::printf("WorkbookExportPeakMemory %d %ld\n", members, bench::peakKilobytes());
    return 0;
}
