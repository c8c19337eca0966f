// Commands of the member window whose windows are built elsewhere; each moves to its own file.
#include "members/frm_anagrafica.h"

namespace members {

void TfrmAnagrafica::help() {}

} // namespace members
