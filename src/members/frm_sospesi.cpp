#include "members/frm_sospesi.h"

#include "members/member_lists.h"
#include "platform/ui.h"

namespace members {

TfrmSospesi::TfrmSospesi(platform::Context& ctx, QWidget* parent) : QDialog(parent) {
    platform::setupDialog(this, u"TfrmSospesi"_qs, u" Riepilogo tessere in attesa di rinnovo"_qs, {862, 560});
    panElenco_ = new MemberListPanel(ctx, this, LineForm::Search, u"Riepilogo tessere in attesa di rinnovo"_qs,
                                     false);
    connect(panElenco_, &MemberListPanel::closeRequested, this, &QDialog::reject);
    connect(panElenco_, &MemberListPanel::picked, this, [this](std::optional<qint64> number, bool) {
        picked_ = number;
        picked_ ? accept() : reject();
    });
    // Stops at a record it cannot read, keeping what came before, without a message.
    panElenco_->setLines(renewalMembers(ctx.folder, ctx.platform.today()).lines);
    panElenco_->resetFind();
    panElenco_->focusFind();
}

} // namespace members
