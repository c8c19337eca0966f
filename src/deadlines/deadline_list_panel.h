#pragma once

#include "reports/list_panel.h"

namespace deadlines {

// The list face shared by the three summaries and the search results: named hint lines, the
// find field between the find hints, and an empty find key finds nothing.
reports::ListFace deadlineListFace(const QString& printTitle, bool withCount);

// "Il presente elenco contiene N schede."
QString foundLine(qsizetype lines);

} // namespace deadlines
