#include "members/frm_sospesi.h"

#include "members/frm_trova_anagrafica.h"
#include "members/member_lists.h"

namespace members {

TfrmSospesi::TfrmSospesi(platform::Context& ctx, QWidget* parent)
    : ListDialog(ctx, parent, u"TfrmSospesi"_qs, u" Riepilogo tessere in attesa di rinnovo"_qs,
                 {u"panElenco"_qs, u"Riepilogo tessere in attesa di rinnovo"_qs}) {
    // Stops at a record it cannot read, keeping what came before, without a message.
    panel_->showLines(renewalMembers(ctx.folder, ctx.platform.today()).lines);
    addPrintCardsButton(ctx, this, panel_);
}

void TfrmSospesi::pick(const QString& line) {
    picked_ = recordOfLine(ctx_.folder, LineForm::Search, line).number;
    picked_ ? accept() : reject();
}

} // namespace members
