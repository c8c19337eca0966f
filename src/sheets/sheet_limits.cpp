#include "sheets/sheet_limits.h"

namespace sheets {

bool SheetBudget::row(qint64 rows) {
    return rows <= kMaxRows ? !passed : fail(SheetLimit::Rows);
}

bool SheetBudget::cell(qsizetype chars, qint64 columns, qint64 row) {
    chars_ += chars;
    if (chars > kMaxCellChars) return fail(SheetLimit::CellLength, row);
    if (columns > kMaxColumns) return fail(SheetLimit::Columns, row);
    if (++cells_ > kMaxCells) return fail(SheetLimit::Cells);
    if (chars_ > kMaxTextChars) return fail(SheetLimit::Text);
    return !passed;
}

bool SheetBudget::fail(SheetLimit limit, qint64 row) {
    if (!passed) {
        passed = limit;
        passedRow = row;
    }
    return false;
}

} // namespace sheets
