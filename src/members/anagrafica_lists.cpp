// The member window's search, renewal list, export and import commands.
#include "members/frm_anagrafica.h"
#include "members/frm_exp_anagrafica.h"
#include "members/frm_importa_foglio.h"
#include "members/frm_sospesi.h"
#include "members/member_pick.h"

namespace members {

void TfrmAnagrafica::find() {
    if (const auto number = searchMemberNumber(ctx_, this, u"anagrafica"_qs)) loadRecord(*number);
}

void TfrmAnagrafica::renewals() {
    TfrmSospesi dialog(ctx_, this);
    if (ctx_.platform.runModal(dialog) == QDialog::Accepted && dialog.pickedRecord())
        loadRecord(*dialog.pickedRecord());
}

void TfrmAnagrafica::exportExcel() {
    TfrmExpAnagrafica dialog(ctx_, this);
    ctx_.platform.runModal(dialog);
}

void TfrmAnagrafica::importSheet() {
    TfrmImportaFoglio dialog(ctx_, this);
    ctx_.platform.runModal(dialog);
}

} // namespace members
