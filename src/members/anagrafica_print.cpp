// Member sheet preview and print of the member window.
#include "members/frm_anagrafica.h"
#include "members/member_sheet.h"

namespace members {

void TfrmAnagrafica::preview() {
    platform::Context& ctx = context();
    const reports::Report sheet = memberSheetReport(values(), ctx.platform.now());
    reports::runGuarded(ctx, this, [&] { sheet.preview(ctx, this); });
}

void TfrmAnagrafica::print() {
    platform::Context& ctx = context();
    const reports::Report sheet = memberSheetReport(values(), ctx.platform.now());
    reports::runGuarded(ctx, this, [&] { sheet.print(ctx, this); });
}

} // namespace members
