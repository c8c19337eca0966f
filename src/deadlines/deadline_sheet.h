#pragma once

#include "reports/report.h"

#include <QDateTime>
#include <QStringList>

namespace deadlines {

// The printed deadline sheet: 20 rows of title and value under "SCHEDA SCADENZA PAGAMENTO",
// rows 21 to 24 blank. `values` are the 25 trimmed field texts of the deadline window as it
// shows them, saved or not, in record order.
QStringList deadlineSheetTitles();
QStringList deadlineSheetValues(const QStringList& values);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString deadlineSheetFooter(const QDateTime& now);

// The sheet template filled and laid out, portrait, ready to print or preview.
reports::Report deadlineSheetReport(const QStringList& values, const QDateTime& now);

} // namespace deadlines
