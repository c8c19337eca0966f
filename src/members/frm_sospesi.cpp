#include "members/frm_sospesi.h"

#include "members/member_lists.h"
#include "platform/buttons.h"

#include <QPushButton>

namespace members {

TfrmSospesi::TfrmSospesi(platform::Context& ctx, QWidget* parent)
    : ListDialog(ctx, parent, u"TfrmSospesi"_qs, u" Riepilogo tessere in attesa di rinnovo"_qs,
                 {u"panElenco"_qs, u"Riepilogo tessere in attesa di rinnovo"_qs}) {
    // Stops at a record it cannot read, keeping what came before, without a message.
    panel_->showLines(renewalMembers(ctx.folder, ctx.platform.today()).lines);
    if (ctx.actions.renewDue) {
        // List dialogs have no status line: the hint is the button's tooltip.
        QPushButton* renew =
            platform::makeButton(panel_, u"btnRinnova"_qs, u"Rinnova..."_qs, {504, 520, 110, 30});
        renew->setToolTip(u"Rinnova le tessere dei soci in elenco e registra le quote in primanota."_qs);
        connect(renew, &QPushButton::clicked, this, [this] {
            ctx_.actions.renewDue(this);
            panel_->showLines(renewalMembers(ctx_.folder, ctx_.platform.today()).lines);
        });
    }
}

void TfrmSospesi::pick(const QString& line) {
    picked_ = recordOfLine(ctx_.folder, LineForm::Search, line).number;
    picked_ ? accept() : reject();
}

} // namespace members
