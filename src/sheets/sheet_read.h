#pragma once

#include "sheets/sheet_limits.h"

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

// A byte that is text in no encoding the file could be in: its line and its position in the
// file (both from 1) and its value.
struct BadByte {
    qint64 line = 0;
    qint64 position = 0;
    uchar value = 0;
};

// Text of a CSV or HTML file: UTF-8 or UTF-16 after a byte-order mark; without one, UTF-8 when
// every byte is valid UTF-8, Windows-1252 when no byte is part of a UTF-8 letter and every byte
// is a Windows-1252 character. Anything else (a UTF-8 file with a stray Windows-1252 byte, a
// file that is no text) gives its first bad byte rather than a guess.
struct DecodedText {
    QString text;
    std::optional<BadByte> bad;
};
DecodedText decodeSheetText(const QByteArray& bytes);

// Why a file gives no rows.
enum class SheetError {
    None,
    Unreadable,  // cannot be opened or read
    NotASheet,   // not CSV, XLSX or our XLS, or damaged
    Empty,       // no heading row
    TooLarge,    // passes one of the limits of sheet_limits.h
    BadEncoding, // text in no encoding it could be in
};
// What a reader gives: every row, or none and why.
struct SheetFile {
    SheetRows rows;
    SheetError error = SheetError::None;
    SheetLimit limit{}; // TooLarge: the limit passed
    qint64 row = 0;     // TooLarge: the sheet row where it was passed, 0 when no one row is
    BadByte bad;        // BadEncoding: the first bad byte

    static SheetFile of(SheetRows rows) {
        SheetFile f;
        f.rows = std::move(rows);
        return f;
    }
    static SheetFile failed(SheetError error) {
        SheetFile f;
        f.error = error;
        return f;
    }
    static SheetFile tooLarge(const SheetBudget& budget) {
        SheetFile f = failed(SheetError::TooLarge);
        f.limit = *budget.passed;
        f.row = budget.passedRow;
        return f;
    }
    static SheetFile badByte(const BadByte& bad) {
        SheetFile f = failed(SheetError::BadEncoding);
        f.bad = bad;
        return f;
    }
};

// CSV: the delimiter sniffed among ";", "," and tab; quoted cells may hold the delimiter, line
// breaks and doubled quotes; a stray quote is taken as text.
SheetFile readCsv(const QByteArray& bytes);
QChar sniffCsvDelimiter(QStringView text);

// XLSX: the first sheet of the workbook, with shared and inline strings, numbers, booleans
// ("Sì"/"No") and date cells. NotASheet when the package or its XML cannot be read.
SheetFile readXlsx(QIODevice& device);

// The HTML table of a ".xls" written by our own export (and of similar HTML sheets).
// NotASheet when there is no table.
SheetFile readHtmlSheet(const QByteArray& bytes);

// A file picked by the user, its format told by its contents rather than its name.
SheetFile readSheetFile(const QString& path);

} // namespace sheets
