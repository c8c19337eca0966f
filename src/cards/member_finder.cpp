#include "cards/member_finder.h"

#include "members/frm_trova_anagrafica.h"

namespace cards {

std::optional<qint64> findMember(platform::Context& ctx, QWidget* parent, const QString& mode) {
    members::TfrmTrovaAnagrafica dialog(ctx, parent, mode);
    if (ctx.platform.runModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.pickedRecord();
}

} // namespace cards
