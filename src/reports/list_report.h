#pragma once

#include "platform/context.h"
#include "reports/report.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace reports {

// Height of one list line in report units (3.39 mm).
inline constexpr double kListLineUnits = 12.822;

// The list template filled with a title and one line per list entry, sized to the lines,
// and laid out for `today`.
Report listReport(const QString& title, const QStringList& lines, const QDate& today);

// Prints a list through the list template: print dialog, then the printer. An empty list
// prints the title and the closing line only.
void printList(platform::Context& ctx, QWidget* parent, const QString& title,
               const QStringList& lines);

} // namespace reports
