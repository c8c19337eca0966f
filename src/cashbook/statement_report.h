#pragma once

#include "cashbook/statement.h"
#include "reports/report.h"

#include <QDateTime>
#include <QImage>

namespace cashbook {

// The printed annual statement ("Rendiconto annuale", `repRendiconto`): two A4 portrait pages
// under the organisation's name. Page 1 holds the reason table, the month table and the closing
// figures; page 2 the two charts as pictures. Both close with the date and time of printing.
struct StatementPrint {
    QString organisation; // the name kept in Tesserini.ini
    const Statement& statement;
    core::CentsTotal opening;
    QImage monthChart, expenseChart;
    QDateTime now;
};

// The template for `reasonRows` rows of the reason table: its cells are named by column and row
// (cellName), the rows get closer when there are many.
reports::Template statementTemplate(int reasonRows);
// Rows of the reason table that page 1 holds; beyond them the last row sums the rest.
inline constexpr int kMaxPrintedReasons = 38;
QString cellName(const QString& table, int column, int row); // "txtCausali_3_01"

reports::Report statementReport(const StatementPrint& print);

// The organisation's name as the card windows keep it in Tesserini.ini, or an empty text.
QString organisationName(const QString& folder);

} // namespace cashbook
