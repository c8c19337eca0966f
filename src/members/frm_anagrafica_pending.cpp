// Commands of the member window whose windows are built elsewhere; each moves to its own file.
#include "members/frm_anagrafica.h"

namespace members {

void TfrmAnagrafica::find() {}

void TfrmAnagrafica::attach() {}

void TfrmAnagrafica::renewals() {}

void TfrmAnagrafica::exportExcel() {}

void TfrmAnagrafica::checkCodFisc() {}

void TfrmAnagrafica::checkPartitaIva() {}

void TfrmAnagrafica::checkIban() {}

void TfrmAnagrafica::checkCarta() {}

void TfrmAnagrafica::webcam() {}

void TfrmAnagrafica::zoom() {}

void TfrmAnagrafica::help() {}

} // namespace members
