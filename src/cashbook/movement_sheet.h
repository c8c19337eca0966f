#pragma once

#include "reports/report.h"

#include <QDateTime>
#include <QStringList>

namespace cashbook {

// "Scheda Movimento": one movement on an A4 portrait sheet, twenty framed rows of label and
// value under a heading, closed by the date and time of printing.
reports::Template movementSheetTemplate();

// The value texts in row order (txtTipo ... txtSaldato).
const QStringList& movementSheetValueNames();

// The sheet filled from the movement window as it stands (its 28 values: the type and
// "Saldato" as "Sì"/"No", every other text as typed, trimmed) and laid out.
reports::Report movementSheet(const QStringList& values, const QDateTime& now);

} // namespace cashbook
