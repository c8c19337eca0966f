#include "members/frm_importa_soci.h"

#include "members/member_archive.h"
#include "members/member_lists.h"
#include "platform/record_form.h"
#include "platform/ui.h"

namespace members {

TfrmImportaSoci::TfrmImportaSoci(platform::Context& ctx, QWidget* parent, const QString& mode)
    : ListDialog(ctx, parent, u"TfrmImportaSoci"_qs,
                 u" Importazione dati socio da archivio anagrafico"_qs,
                 {u"panElenco"_qs, u"Riepilogo soci in archivio anagrafico"_qs}) {
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();
    panel_->showRows(pickerMembers(ctx.folder));
}

void TfrmImportaSoci::pick(qint64 record) {
    // The member must still be readable whole; otherwise nothing is picked.
    if (!MemberArchive(ctx_.folder).read(record)) return platform::showAccessMessage(ctx_, this);
    picked_ = record;
    accept();
}

} // namespace members
