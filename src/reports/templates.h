#pragma once

#include "reports/report_template.h"

namespace reports {

// "Riepilogo dati": the one template every list window prints through. A4 landscape,
// a title band, the data band `MasterData` holding `txtRiepilogo`, a closing band.
Template listTemplate();

// "Scheda informativa" (`repScheda`): an A4 portrait sheet of 24 title/value rows under a
// heading, closed by a footer. The member sheet and the deadline sheet both use it.
Template sheetTemplate();
inline constexpr int kSheetRows = 24;
// "titCampo01" / "txtCampo01" for row 1.
QString sheetTitleName(int row);
QString sheetValueName(int row);

// The sheet's own fixed logo picture.
QImage sheetLogo();

} // namespace reports
