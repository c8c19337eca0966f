#include "members/frm_sospesi.h"

#include "members/member_archive.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_lists.h"
#include "platform/buttons.h"
#include "platform/record_form.h"

#include <QPushButton>

namespace members {

TfrmSospesi::TfrmSospesi(platform::Context& ctx, QWidget* parent)
    : ListDialog(ctx, parent, u"TfrmSospesi"_qs, u" Riepilogo tessere in attesa di rinnovo"_qs,
                 {u"panElenco"_qs, u"Riepilogo tessere in attesa di rinnovo"_qs}) {
    panel_->showRows(renewalMembers(ctx.folder, ctx.platform.today()));
    addPrintCardsButton(ctx, this, panel_);
    if (ctx.actions.renewDue) {
        // List dialogs have no status line: the hint is the button's tooltip.
        QPushButton* renew =
            platform::makeButton(panel_, u"btnRinnova"_qs, u"Rinnova..."_qs, {348, 520, 110, 30});
        renew->setToolTip(u"Rinnova le tessere dei soci in elenco e registra le quote in primanota."_qs);
        connect(renew, &QPushButton::clicked, this, [this] {
            ctx_.actions.renewDue(this);
            panel_->showRows(renewalMembers(ctx_.folder, ctx_.platform.today()));
        });
    }
}

void TfrmSospesi::pick(qint64 record) {
    // The member must still be readable whole; otherwise nothing is picked.
    if (!MemberArchive(ctx_.folder).read(record)) return platform::showAccessMessage(ctx_, this);
    picked_ = record;
    accept();
}

} // namespace members
