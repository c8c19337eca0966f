#include "members/frm_importa_soci.h"

#include "members/member_lists.h"
#include "platform/ui.h"

namespace members {

TfrmImportaSoci::TfrmImportaSoci(platform::Context& ctx, QWidget* parent, const QString& mode)
    : QDialog(parent) {
    platform::setupDialog(this, u"TfrmImportaSoci"_qs,
                          u" Importazione dati socio da archivio anagrafico"_qs, {862, 560});
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();
    panElenco_ = new MemberListPanel(ctx, this, LineForm::Picker,
                                     u"Riepilogo soci in archivio anagrafico"_qs, false);
    connect(panElenco_, &MemberListPanel::closeRequested, this, &QDialog::reject);
    connect(panElenco_, &MemberListPanel::picked, this, [this](std::optional<qint64> number, bool) {
        picked_ = number;
        picked_ ? accept() : reject();
    });
    // A failure while listing keeps the lines read before it, without a message.
    panElenco_->setLines(pickerMembers(ctx.folder).lines);
    panElenco_->resetFind();
    panElenco_->focusFind();
}

} // namespace members
