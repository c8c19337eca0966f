// Telling a picked file's format by its contents and reading it.
#include "sheets/sheet_read.h"

#include "core/text.h"

#include <QBuffer>
#include <QFile>

namespace sheets {

namespace {

constexpr qint64 kMaxFileBytes = qint64(512) << 20;

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
    if (!file.open(QIODevice::ReadOnly)) return {{}, SheetError::Unreadable};
    if (file.size() > kMaxFileBytes) return {{}, SheetError::NotASheet};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, SheetError::Unreadable};
    file.close();

    std::optional<SheetRows> rows;
    if (bytes.startsWith("PK\x03\x04")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        rows = readXlsx(buffer);
    } else if (looksBinary(bytes)) {
        rows = std::nullopt; // an old binary workbook, a picture, a document...
    } else if (looksHtml(bytes)) {
        rows = readHtmlSheet(bytes);
    } else {
        rows = readCsv(bytes);
    }
    if (!rows) return {{}, SheetError::NotASheet};
    if (!hasContent(*rows)) return {{}, SheetError::Empty};
    return {std::move(*rows), SheetError::None};
}

} // namespace sheets
