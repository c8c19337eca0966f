// Member sheet preview and print of the member window.
#include "members/frm_anagrafica.h"
#include "members/member_sheet.h"
#include "platform/print_prompt.h"

namespace members {

void TfrmAnagrafica::preview() {
    platform::Context& ctx = context();
    platform::printNow(ctx, this, platform::PrintMode::Preview, [&] {
        return platform::printJob(memberSheetReport(values(), ctx.platform.now()));
    });
}

void TfrmAnagrafica::print() {
    platform::Context& ctx = context();
    platform::printNow(ctx, this, platform::PrintMode::Print, [&] {
        return platform::printJob(memberSheetReport(values(), ctx.platform.now()));
    });
}

} // namespace members
