#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

namespace sheets {

// A spreadsheet as rows of cell texts, the first row the headings, as the sheet shows them:
// date cells already as dd/mm/yyyy, numbers with a decimal comma and the decimals their format
// fixes ("1250,50" for 1250.5 shown with two), without grouping or currency. Rows keep their place
// (a blank row in the sheet is an empty row here), so row i is the sheet's row i + 1.
using SheetRows = std::vector<QStringList>;

// Text of a CSV or HTML file: UTF-8 or UTF-16 after a byte-order mark, UTF-8 when the bytes
// are valid UTF-8, otherwise Windows-1252.
QString decodeSheetText(const QByteArray& bytes);

// CSV: the delimiter sniffed among ";", "," and tab; quoted cells may hold the delimiter, line
// breaks and doubled quotes. Never fails: a stray quote is taken as text.
SheetRows readCsv(const QByteArray& bytes);
QChar sniffCsvDelimiter(QStringView text);

// XLSX: the first sheet of the workbook, with shared and inline strings, numbers, booleans
// ("Sì"/"No") and date cells. Nullopt when the package or its XML cannot be read.
std::optional<SheetRows> readXlsx(QIODevice& device);

// The HTML table of a ".xls" written by our own export (and of similar HTML sheets).
// Nullopt when there is no table.
std::optional<SheetRows> readHtmlSheet(const QByteArray& bytes);

// A file picked by the user, its format told by its contents rather than its name.
enum class SheetError {
    None,
    Unreadable, // cannot be opened or read
    NotASheet,  // not CSV, XLSX or our XLS, or damaged
    Empty,      // no heading row
};
struct SheetFile {
    SheetRows rows;
    SheetError error = SheetError::None;
};
SheetFile readSheetFile(const QString& path);

} // namespace sheets
