// Commands of the member window whose windows are built elsewhere; each moves to its own file.
#include "members/frm_anagrafica.h"

namespace members {

void TfrmAnagrafica::find() {}

void TfrmAnagrafica::preview() {}

void TfrmAnagrafica::print() {}

void TfrmAnagrafica::renewals() {}

void TfrmAnagrafica::exportExcel() {}

void TfrmAnagrafica::email() {}

void TfrmAnagrafica::renewalEmail() {}

void TfrmAnagrafica::help() {}

} // namespace members
