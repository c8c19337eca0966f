#pragma once

#include "core/spreadsheet.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace core {

// The typed value a workbook cell gets from its text; a text that is not exactly such a value
// stays text, so the sheet shows it unchanged.
// A date: "dd/mm/yyyy", a real day from 1900 on (a spreadsheet has no earlier days).
std::optional<QDate> workbookDate(QByteArrayView text);
// An amount: an optional sign, digits without leading zeros, a comma and two decimals
// ("12,50", "+1250,00", "-0,30"), in cents.
std::optional<qint64> workbookCents(QByteArrayView text);

// Writes an Office Open XML workbook (.xlsx) of one sheet at `path`: the heading row bold and
// frozen with an auto-filter over the table, the columns as wide as given and typed by their
// CellType, the cells trimmed as in the .xls export. Data column c comes from table column
// firstColumn + c. Rows stream to disk as they are written, so memory stays bounded whatever
// the number of rows. False when the file cannot be written or the sheet cannot hold the rows;
// what was written at `path` is then incomplete and the caller removes it.
bool writeWorkbook(const QString& path, const QString& sheetName,
                   std::span<const SheetColumn> columns, const CellTable& rows,
                   int firstColumn = 0);

} // namespace core
