// Telling a picked file's format by its contents and reading it.
#include "sheets/sheet_read.h"

#include "core/text.h"

#include <QBuffer>
#include <QFile>

namespace sheets {

namespace {

bool looksBinary(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return false; // UTF-16
    return bytes.left(64 * 1024).contains('\0');
}

bool looksHtml(const QByteArray& bytes) {
    QByteArray head = bytes.left(64 * 1024);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    head = head.trimmed().toLower();
    return head.startsWith("<html") || head.startsWith("<!doctype") ||
           (head.startsWith('<') && head.contains("<table"));
}

bool hasContent(const SheetRows& rows) {
    for (const QStringList& row : rows)
        for (const QString& cell : row)
            if (!core::trimText(cell).isEmpty()) return true;
    return false;
}

} // namespace

SheetFile readSheetFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return SheetFile::failed(SheetError::Unreadable);
    if (file.size() > kMaxFileBytes) {
        SheetBudget budget;
        budget.fail(SheetLimit::FileSize);
        return SheetFile::tooLarge(budget);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return SheetFile::failed(SheetError::Unreadable);
    file.close();

    SheetFile sheet;
    if (bytes.startsWith("PK\x03\x04")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        sheet = readXlsx(buffer);
    } else if (looksBinary(bytes)) {
        sheet = SheetFile::failed(SheetError::NotASheet); // an old workbook, a picture...
    } else if (looksHtml(bytes)) {
        sheet = readHtmlSheet(bytes);
    } else {
        sheet = readCsv(bytes);
    }
    if (sheet.error == SheetError::None && !hasContent(sheet.rows))
        return SheetFile::failed(SheetError::Empty);
    return sheet;
}

} // namespace sheets
