#pragma once

#include "core/large_buffer.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

namespace core {

// What a column's cells are in a workbook (.xlsx); the .xls export writes every cell as text.
enum class CellType {
    Text,
    Code,   // digits that must stay as typed: card numbers, postcodes, telephones, keys
    Date,   // dd/mm/yyyy
    Amount, // euro, two decimals, signed where stored so
};

// One exported column: its heading, its width in the spreadsheet's pixel unit, its cell type.
struct SheetColumn {
    QString heading;
    int width;
    CellType type = CellType::Text;
};

// The text of data cell (row, column), both 0-based over the exported columns.
using SheetCell = std::function<QString(qsizetype row, qsizetype column)>;

// Rows of cells kept as Windows-1252 bytes in one buffer: a grid of 100,000 records costs a
// few bytes over its text, a cell is decoded only when it is shown, and the export writes the
// bytes as they are. Cells are added left to right, row after row.
class CellTable {
public:
    explicit CellTable(int columns = 0) : columns_(columns) {}

    int columnCount() const { return columns_; }
    qsizetype rowCount() const { return columns_ ? qsizetype(ends_.size()) / columns_ : 0; }
    void reserve(qsizetype rows, qsizetype bytesPerRow);

    void append(QByteArrayView bytes) { // to the open cell
        const size_t at = bytes_.size();
        bytes_.resize(at + size_t(bytes.size()));
        copyShort(bytes_.data() + at, bytes.data(), size_t(bytes.size()));
    }
    void append(char byte) { bytes_.push_back(byte); }
    void endCell() {
        if (columns_ == 0) return; // a grid without columns holds no cells
        if (column_ == 0) rowStarts_.push_back(cellStart_);
        column_ = column_ + 1 == columns_ ? 0 : column_ + 1;
        cellStart_ = qsizetype(bytes_.size());
        // A row's cells come from one record or one row of texts: far below 4 GB.
        ends_.push_back(quint32(cellStart_ - rowStarts_.back()));
    }
    void addCell(QByteArrayView bytes) {
        append(bytes);
        endCell();
    }
    // Texts are encoded ('?' for a character the code page lacks); a short row gets empty
    // cells, a long one is cut to the columns.
    void addRow(const QStringList& texts);

    QByteArrayView bytes(qsizetype row, int column) const {
        const size_t i = size_t(row * columns_ + column);
        const qsizetype begin = column == 0 ? 0 : ends_[i - 1];
        return QByteArrayView(bytes_.data() + rowStarts_[size_t(row)] + begin,
                              qsizetype(ends_[i]) - begin);
    }
    QString text(qsizetype row, int column) const; // decoded
    QByteArrayView rowBytes(qsizetype row) const { // every cell of the row, side by side
        const size_t last = size_t(row * columns_ + columns_ - 1);
        return QByteArrayView(bytes_.data() + rowStarts_[size_t(row)], qsizetype(ends_[last]));
    }

private:
    int columns_;
    LargeVector<char> bytes_;
    LargeVector<qsizetype> rowStarts_; // where each row's cells begin in bytes_
    LargeVector<quint32> ends_;        // end of every cell, from its row's start
    qsizetype cellStart_ = 0;          // where the open cell begins
    int column_ = 0;                   // the open cell's column
};

// Writes the spreadsheet of an export: the one-line Office HTML workbook with one sheet, in
// Windows-1252 ('?' for characters the code page lacks). Cell texts are trimmed; every text
// is escaped so that the sheet shows exactly the stored text. Written in chunks, so a large
// export never holds the whole document. False when the device refuses a write.
bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, qsizetype rowCount,
                      const SheetCell& cell);

// The same from a table already in Windows-1252, the cells only trimmed and escaped on the
// way out: data column c comes from table column firstColumn + c (empty past the table).
bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, const CellTable& rows,
                      int firstColumn = 0);

// The same document in memory, from rows of texts (a missing text gives an empty cell).
QByteArray spreadsheetDocument(const QString& sheetName, std::span<const SheetColumn> columns,
                               const std::vector<QStringList>& rows);

} // namespace core
