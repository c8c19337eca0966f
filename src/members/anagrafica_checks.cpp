// The member window's check buttons: each hands its field to the check windows, which only
// report and write nothing back.
#include "checks/openers.h"
#include "members/frm_anagrafica.h"

namespace members {

void TfrmAnagrafica::checkCodFisc() {
    checks::openCodFiscCheck(ctx_, this, text(CodFisc));
}

void TfrmAnagrafica::checkPartitaIva() {
    checks::openPartitaIvaCheck(ctx_, this, text(PartitaIva));
}

void TfrmAnagrafica::checkIban() {
    checks::openIbanCheck(ctx_, this, text(Iban));
}

void TfrmAnagrafica::checkCarta() {
    checks::openCartaCheck(ctx_, this, text(Carta));
}

} // namespace members
