#include "members/frm_sospesi.h"

#include "members/member_archive.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_lists.h"
#include "platform/record_form.h"

namespace members {

TfrmSospesi::TfrmSospesi(platform::Context& ctx, QWidget* parent)
    : ListDialog(ctx, parent, u"TfrmSospesi"_qs, u" Riepilogo tessere in attesa di rinnovo"_qs,
                 {u"panElenco"_qs, u"Riepilogo tessere in attesa di rinnovo"_qs}) {
    panel_->showRows(renewalMembers(ctx.folder, ctx.platform.today()));
    addPrintCardsButton(ctx, this, panel_);
}

void TfrmSospesi::pick(qint64 record) {
    // The member must still be readable whole; otherwise nothing is picked.
    if (!MemberArchive(ctx_.folder).read(record)) return platform::showAccessMessage(ctx_, this);
    picked_ = record;
    accept();
}

} // namespace members
