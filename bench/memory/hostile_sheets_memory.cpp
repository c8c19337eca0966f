// Peak memory of reading each file made to hurt the import (refused by its limit): prints
// "<file> <size in its unit> <peak kB>" for each, the peak taken afresh for each file.
// Run by bench/run.
#include "../../tests/support/hostile_sheets.h"

#include "sheets/sheet_read.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Starts the peak again from what the process holds now.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

} // namespace

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
        resetPeak();
        const sheets::SheetFile sheet = sheets::readSheetFile(path);
        if (sheet.error != sheets::SheetError::TooLarge) return 2;
        std::printf("%s %d %ld\n", f.name, f.size, peakKilobytes());
        QFile::remove(path);
    }
    return 0;
}
