#include "platform/export_flow.h"

#include "core/replace_file.h"

#include <QDir>

namespace platform {

QString exportConfirmQuestion() {
    return QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
        "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString exportDoneQuestion() {
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                          "Si vuole aprire il file di Excel?");
}

QString exportFailedMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

namespace {
bool writeDocument(QIODevice& file, const SpreadsheetExport& e) {
    return e.table ? core::writeSpreadsheet(file, e.sheetName, e.columns, *e.table, 1)
                   : core::writeSpreadsheet(file, e.sheetName, e.columns, e.rowCount, e.cell);
}
} // namespace

bool saveSpreadsheet(const QString& path, const SpreadsheetExport& e) {
    // Never written straight over the old export: the rename replaces it whole or not at all.
    return core::replaceFile(path, [&](QIODevice& out) { return writeDocument(out, e); });
}

bool runSpreadsheetExport(Context& ctx, QWidget* parent, const SpreadsheetExport& e) {
    if (ctx.platform.message(parent, MsgKind::Question, exportConfirmQuestion()) == Answer::No)
        return false;
    return saveAndOffer(ctx, parent, ctx.path(e.fileName),
                        [&](const QString& path) { return saveSpreadsheet(path, e); });
}

bool saveAndOffer(Context& ctx, QWidget* parent, const QString& path,
                  const std::function<bool(const QString& path)>& save) {
    if (!save(path)) {
        ctx.platform.message(parent, MsgKind::Plain, exportFailedMessage());
        return false;
    }
    if (ctx.platform.message(parent, MsgKind::Question, exportDoneQuestion()) != Answer::No)
        ctx.platform.shellOpen(u'"' + QDir::toNativeSeparators(path) + u'"');
    return true;
}

} // namespace platform
