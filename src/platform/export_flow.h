#pragma once

#include "core/spreadsheet.h"
#include "platform/context.h"

#include <QString>

#include <functional>
#include <span>

class QWidget;

namespace platform {

// What one export window writes: the file in the program folder, its sheet and columns, and
// the grid's cells (row, exported column) as texts, or the grid's own table when `table` is
// set (its column 0, the running number, is not exported).
struct SpreadsheetExport {
    QString fileName;  // "Tesserati.xls"
    QString sheetName; // "Riepilogo Anagrafica Soci"
    std::span<const core::SheetColumn> columns;
    qsizetype rowCount = 0;
    core::SheetCell cell;
    const core::CellTable* table = nullptr;
};

// Writes the spreadsheet through a temporary file renamed over `path` only when complete, so a
// failure leaves an earlier file exactly as it was. False on any failure.
bool saveSpreadsheet(const QString& path, const SpreadsheetExport& e);

// The export command of every export window: first question, write, second question, open.
// Returns true when the file was written.
bool runSpreadsheetExport(Context& ctx, QWidget* parent, const SpreadsheetExport& e);

// The end of every export once its file is chosen: `save` writes `path`; on failure the failure
// message, else the second question and opening the file. Returns true when it was written.
bool saveAndOffer(Context& ctx, QWidget* parent, const QString& path,
                  const std::function<bool(const QString& path)>& save);

QString exportConfirmQuestion();
QString exportDoneQuestion();
QString exportFailedMessage();

} // namespace platform
