#pragma once

#include <QtGlobal>

#include <optional>

namespace sheets {

// What a file may hold before it is refused: far beyond any member list, and small enough that
// the largest file allowed is read within a few hundred MB.
inline constexpr qint64 kMaxFileBytes = qint64(64) << 20;
inline constexpr qint64 kMaxRows = 100000;
inline constexpr qint64 kMaxColumns = 1000;
inline constexpr qint64 kMaxCells = 2000000;
inline constexpr qint64 kMaxCellChars = 32767;
inline constexpr qint64 kMaxTextChars = qint64(32) << 20;
// An XLSX part, inflated: its size, how many times its compressed size it may grow to once past
// its first MB (real workbooks stay far below), and how deep its elements may nest.
inline constexpr qint64 kMaxPartBytes = qint64(256) << 20;
inline constexpr qint64 kMaxInflateRatio = 200;
inline constexpr int kMaxXmlDepth = 128;

enum class SheetLimit {
    FileSize,
    Rows,
    Columns,
    Cells,
    CellLength,
    Text,
    PartSize,
    InflateRatio,
    XmlDepth,
};

// Counts what a reader keeps; the first limit passed stays, with the sheet row (from 1) it was
// passed at, 0 when no one row is to blame.
class SheetBudget {
public:
    // Each is false once any limit has been passed.
    bool row(qint64 rows);                                  // the sheet has this many rows so far
    bool cell(qsizetype chars, qint64 columns, qint64 row); // one more cell, its row this wide
    bool fail(SheetLimit limit, qint64 row = 0);

    std::optional<SheetLimit> passed;
    qint64 passedRow = 0;

private:
    qint64 cells_ = 0, chars_ = 0;
};

} // namespace sheets
