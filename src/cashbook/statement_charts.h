#pragma once

#include "cashbook/statement.h"

#include <QImage>
#include <QSize>

class QChart;

namespace cashbook {

// Income (up) and expenses (down, in red) of each month as bars, the running balance from the
// opening balance as a line; amounts on the axis in the Italian form.
QChart* monthChart(const Statement& s, core::CentsTotal opening);
// The expenses by reason as a pie: the largest eight, the rest as "Altre".
QChart* expenseChart(const Statement& s);

// The chart laid out at `size` as in a window and painted off screen `scale` times as large,
// sharp enough for paper. Takes the chart.
QImage chartPicture(QChart* chart, QSize size, int scale);

} // namespace cashbook
