// Peak memory of reading each file made to hurt the import (refused by its limit): prints
// "<file> <size in its unit> <peak kB>" for each, the peak taken afresh for each file.
// Run by bench/run.
#include "../../tests/support/hostile_sheets.h"
#include "peak_memory.h"

#include "sheets/sheet_read.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const struct {
        const char* name;
        int size;
        bool (*make)(const QString&);
    } files[] = {
        {"ReadWideCsvColumns", 60000, hostile_sheets::writeWideCsv},
        {"ReadLongCsvRows", 1000000, hostile_sheets::writeLongCsv},
        {"ReadZipBombMB", 500, hostile_sheets::writeZipBomb},
    };
    for (const auto& f : files) {
        const QString path = dir.filePath(QString::fromLatin1(f.name));
        if (!f.make(path)) return 1;
        bench::resetPeak();
        const sheets::SheetFile sheet = sheets::readSheetFile(path);
        if (sheet.error != sheets::SheetError::TooLarge) return 2;
        std::printf("%s %d %ld\n", f.name, f.size, bench::peakKilobytes());
        QFile::remove(path);
    }
    return 0;
}
