#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

namespace core {

// One exported column: its heading and its width in the spreadsheet's pixel unit.
struct SheetColumn {
    QString heading;
    int width;
};

// The text of data cell (row, column), both 0-based over the exported columns.
using SheetCell = std::function<QString(qsizetype row, qsizetype column)>;

// Writes the spreadsheet of an export: the one-line Office HTML workbook with one sheet, in
// Windows-1252 ('?' for characters the code page lacks). Cell texts are trimmed; every text
// is escaped so that the sheet shows exactly the stored text. Written in chunks, so a large
// export never holds the whole document. False when the device refuses a write.
bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, qsizetype rowCount,
                      const SheetCell& cell);

// The same document in memory, from rows of texts (a missing text gives an empty cell).
QByteArray spreadsheetDocument(const QString& sheetName, std::span<const SheetColumn> columns,
                               const std::vector<QStringList>& rows);

} // namespace core
