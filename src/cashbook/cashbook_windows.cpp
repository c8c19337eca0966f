#include "cashbook/cashbook_windows.h"

#include "cashbook/frm_menu_bilancio.h"
#include "cashbook/frm_menu_movimenti.h"
#include "cashbook/frm_menu_primanota.h"
#include "cashbook/frm_movimenti.h"
#include "cashbook/frm_rendiconto.h"
#include "cashbook/frm_rinnovo.h"

namespace cashbook {

void addCashbookWindows(platform::Context& ctx) {
    auto* chooser = new TfrmMenuMovimenti(ctx);
    auto* movements = new TfrmMovimenti(ctx);
    QObject::connect(chooser, &TfrmMenuMovimenti::yearOpened, movements, &TfrmMovimenti::openYear);
    ctx.windows.add(new TfrmMenuPrimanota(ctx));
    ctx.windows.add(chooser);
    ctx.windows.add(new TfrmMenuBilancio(ctx));
    ctx.windows.add(movements);
    ctx.windows.add(new TfrmRendiconto(ctx));
    // The renewal list of the members' folder renews through the cash book.
    ctx.actions.renewDue = [&ctx](QWidget* parent) { renewDue(ctx, parent); };
}

} // namespace cashbook
