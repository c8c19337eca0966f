#pragma once

#include "platform/context.h"
#include "platform/export_flow.h"

#include <QString>

class QWidget;

namespace platform {

// The .xlsx beside an export's .xls: "Tesserati.xls" -> "Tesserati.xlsx".
QString workbookFileName(const QString& xlsFileName);

// Writes the workbook of an export through a temporary file in the same folder, synced and
// renamed over `path` only when complete: a failure leaves an earlier file exactly as it was
// and no temporary file behind. False on any failure.
bool saveWorkbook(const QString& path, const SpreadsheetExport& e);

// The .xlsx command of every export window: first question, save dialog, write, second
// question, open. Returns true when the file was written.
bool runWorkbookExport(Context& ctx, QWidget* parent, const SpreadsheetExport& e);

} // namespace platform
