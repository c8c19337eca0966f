// A second copy of the program importing a sheet, for the tests that run two at once. It checks
// the sheet against the archive, says so by creating `ready`, waits for `go` to appear (so both
// copies have checked before either writes), imports, and prints "imported foundMeanwhile".
// Usage: import_copy <folder> <sheet> <ready> <go>
#include "members/sheet_import.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) return 2;
    const sheets::SheetFile sheet = sheets::readSheetFile(args[2]);
    const auto existing = members::archiveMemberKeys(args[1]);
    if (sheet.error != sheets::SheetError::None || !existing) return 3;
    const members::ImportPlan plan = members::checkSheet(
        sheet.rows, members::matchColumns(sheet.rows[0]), *existing, QDate(2026, 3, 15));
    QFile ready(args[3]);
    if (!ready.open(QIODevice::WriteOnly)) return 4;
    ready.close();
    for (int waited = 0; !QFile::exists(args[4]); ++waited) {
        if (waited > 6000) return 5;
        QThread::msleep(10);
    }
    const auto outcome = members::importAccepted(args[1], plan);
    if (!outcome) return 6;
    std::printf("%lld %lld\n", static_cast<long long>(outcome->imported),
                static_cast<long long>(outcome->foundMeanwhile));
    return 0;
}
