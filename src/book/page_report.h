#pragma once

#include "book/page_record.h"
#include "reports/report.h"
#include "reports/report_template.h"

#include <QDate>

namespace book {

// The printed page ("repRegistro"): A4 landscape, margins 0; the heading, four rows of two
// strips each (captions over values, named like the editor's fields) and the signatures.
reports::Template pageTemplate();

// Row r's offset from row A, in mm.
double rowOffsetMm(int row);

// Fills the template from the editor's texts (trimmed here): the register number, "Pag. " and
// the page shown (empty for a page not saved yet), the heading, the rows with "€ " before each
// fee.
void fillPage(reports::Report& report, const PageValues& page, const QString& position);

// The page as the print and preview windows send it: filled, landscape, prepared.
reports::Report printedPage(const PageValues& page, const QString& position, const QDate& today);

} // namespace book
