#include "members/frm_importa_soci.h"

#include "members/member_lists.h"
#include "platform/ui.h"

namespace members {

TfrmImportaSoci::TfrmImportaSoci(platform::Context& ctx, QWidget* parent, const QString& mode)
    : ListDialog(ctx, parent, u"TfrmImportaSoci"_qs,
                 u" Importazione dati socio da archivio anagrafico"_qs,
                 {u"panElenco"_qs, u"Riepilogo soci in archivio anagrafico"_qs}) {
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();
    // A failure while listing keeps the lines read before it, without a message.
    panel_->showLines(pickerMembers(ctx.folder).lines);
}

void TfrmImportaSoci::pick(const QString& line) {
    picked_ = recordOfLine(ctx_.folder, LineForm::Picker, line).number;
    picked_ ? accept() : reject();
}

} // namespace members
