#pragma once

#include "fake_platform.h"
#include "platform/export_window.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace testing_support {

// The XML of one part of a workbook ("xl/worksheets/sheet1.xml"); empty when missing.
QByteArray workbookPart(const QString& path, const QString& name);

// What each cell of the first sheet of a workbook is, one string per sheet row and one letter
// per column: 't' text, 'c' text kept as typed (text format), 'd' date, 'n' number, ' ' none.
std::vector<QString> workbookCellKinds(const QString& path);

// The letters above that a grid cell should get in its column: a date, an amount or a code
// where it is one, text otherwise.
QString expectedKinds(const platform::ExportWindow& w, qsizetype row);

// Checks sheet rows read back from a workbook (heading row first) against the window's
// headings and grid: every cell's text, trimmed as the export trims; an amount reads back
// without the "+" of an income.
void expectWorkbookShowsGrid(const std::vector<QStringList>& read, const platform::ExportWindow& w);

// Clicks cmdEsportaXlsx, answering Yes, the save dialog with `path`, then No to opening.
void exportWorkbookTo(FakePlatform& fake, platform::ExportWindow& w, const QString& path);

} // namespace testing_support
