#include "platform/workbook_flow.h"

#include "core/file_faults.h"
#include "core/file_system.h"
#include "core/workbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// The file's bytes on the disk before the rename makes them the export.
bool syncPath(const QString& path, int flags) {
    if (!core::faults::allow()) return false;
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

core::CellTable tableOf(const SpreadsheetExport& e) {
    core::CellTable table(int(e.columns.size()));
    for (qsizetype r = 0; r < e.rowCount; ++r) {
        QStringList row;
        for (qsizetype c = 0; c < qsizetype(e.columns.size()); ++c)
            row.append(e.cell(r, c));
        table.addRow(row);
    }
    return table;
}

} // namespace

QString workbookFileName(const QString& xlsFileName) {
    return QFileInfo(xlsFileName).completeBaseName() + u".xlsx"_qs;
}

bool saveWorkbook(const QString& path, const SpreadsheetExport& e) {
    // The rename would put the workbook where the user put a link: refused, as in replaceFile.
    const auto kind = core::fileSystem().kind(path);
    if (kind != core::FileSystem::Kind::Missing && kind != core::FileSystem::Kind::File)
        return false;
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + u"/."_qs + target.fileName() + u".XXXXXX"_qs);
    if (!core::faults::allow() || !temp.open()) return false;
    const QString tempPath = temp.fileName();
    // A temporary file is private to its owner; the export is read like any other file, and
    // one replaced keeps its own permissions.
    temp.setPermissions(target.exists() ? target.permissions()
                                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadUser | QFileDevice::WriteUser |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    temp.close(); // the library writes the file by its name; autoRemove clears it on failure
    const bool written =
        core::faults::allow() &&
        (e.table ? core::writeWorkbook(tempPath, e.sheetName, e.columns, *e.table, 1)
                 : core::writeWorkbook(tempPath, e.sheetName, e.columns, tableOf(e)));
    if (!written || !syncPath(tempPath, O_RDONLY)) return false;
    if (!core::faults::allow() ||
        std::rename(QFile::encodeName(tempPath).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    // The rename itself lasts only once the folder is synced too.
    return syncPath(target.absolutePath(), O_RDONLY | O_DIRECTORY);
}

bool runWorkbookExport(Context& ctx, QWidget* parent, const SpreadsheetExport& e) {
    if (ctx.platform.message(parent, MsgKind::Question, exportConfirmQuestion()) == Answer::No)
        return false;
    const QString path = ctx.platform.saveFileName(
        parent, {u"Salvare la cartella di lavoro Excel"_qs, u"Cartella di lavoro Excel (*.xlsx)"_qs,
                 ctx.folder, workbookFileName(e.fileName), u"xlsx"_qs});
    if (path.isEmpty()) return false;
    return saveAndOffer(ctx, parent, path, [&](const QString& to) { return saveWorkbook(to, e); });
}

} // namespace platform
