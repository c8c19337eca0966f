#pragma once

#include "core/archive.h"
#include "core/list_rows.h"
#include "core/money.h"
#include "platform/problem.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace cashbook {

// "Gennaio" ... "Dicembre", the items of the month lists.
const QStringList& monthNames();
// 1..12 for a month name (trimmed, A-Z folded), 0 for anything else.
int monthNumber(const QString& name);
// "01" ... "31", the items of the day lists.
const QStringList& dayNames();

// What the balance menu holds when "Visualizza riepilogo" is pressed.
struct IntervalForm {
    QString year, startDay, startMonth, endDay, endMonth;
};
// The checks of "Visualizza riepilogo", in order; without a problem, the two ends of the
// interval as date texts.
struct IntervalCheck {
    platform::Check problem;
    QString start, end;
};
IntervalCheck checkInterval(const IntervalForm& form, const QDate& today);

QString yearDigitsMessage(); // "Attenzione: indicare l'anno solare utilizzando quattro cifre."

// The movements of a year file dated within [start, end] whose reason holds the filter, and
// their exact totals. `ok` is false when the file could not be read to the end or a movement
// taken holds a date or a total that is not a number: then nothing of it may be shown.
struct Balance {
    core::ListLines lines; // in file order
    core::CentsTotal income = 0, expenses = 0, total = 0;
    bool ok = true;
};
Balance computeBalance(const core::Archive& archive, const QString& filter, const QDate& start,
                       const QDate& end, const QDate& today);

QString balanceLine(const char* record);
QString totalText(core::CentsTotal cents);  // "950,50 €"
QString filterTitle(const QString& filter); // trimmed, or "- - -"
QString intervalText(const QString& start, const QString& end);

// What the list template prints: every line, then the dashes and the five closing lines.
struct BalanceTexts {
    QString interval, income, expenses, total;
};
QString balancePrintTitle(const QString& filterTitle);
QStringList balancePrintLines(const QStringList& lines, const BalanceTexts& texts);

} // namespace cashbook
