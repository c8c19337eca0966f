// Commands of the member window whose windows are built elsewhere; each moves to its own file.
#include "members/frm_anagrafica.h"

namespace members {

void TfrmAnagrafica::attach() {}

void TfrmAnagrafica::preview() {}

void TfrmAnagrafica::print() {}

void TfrmAnagrafica::email() {}

void TfrmAnagrafica::renewalEmail() {}

void TfrmAnagrafica::webcam() {}

void TfrmAnagrafica::zoom() {}

void TfrmAnagrafica::help() {}

} // namespace members
