#pragma once

#include "reports/report.h"

#include <QDateTime>
#include <QStringList>

namespace members {

// The printed member sheet: 24 rows of title and value under "SCHEDA ANAGRAFICA SOCIO".
// `values` are the 35 trimmed field texts of the member window, in record order.
QStringList memberSheetTitles();
QStringList memberSheetValues(const QStringList& values);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString memberSheetFooter(const QDateTime& now);

// The sheet template filled for one member and laid out, ready to print or preview.
reports::Report memberSheetReport(const QStringList& values, const QDateTime& now);

} // namespace members
