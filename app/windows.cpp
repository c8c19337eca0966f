#include "windows.h"

#include "book/book_windows.h"
#include "cards/card_sheets.h"
#include "cards/frm_tessera.h"
#include "cards/frm_tessere.h"
#include "cashbook/cashbook_windows.h"
#include "deadlines/frm_scadenzario.h"
#include "members/frm_anagrafica.h"
#include "shell/frm_avvio.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_guida.h"
#include "shell/frm_password.h"

void createWindows(platform::Context& ctx) {
    ctx.actions.printCards = [&ctx](QWidget* parent, const std::vector<qint64>& records) {
        cards::printCards(ctx, parent, records);
    };
    auto* login = new shell::TfrmPassword(ctx);
    ctx.windows.add(login);
    ctx.windows.add(new shell::TfrmAvvio(ctx));
    ctx.windows.add(new members::TfrmAnagrafica(ctx));
    ctx.windows.add(new shell::TfrmCambiaPassword(ctx, login));
    ctx.windows.add(new deadlines::TfrmScadenzario(ctx));
    ctx.windows.add(new cards::TfrmTessera(ctx));
    ctx.windows.add(new cards::TfrmTessere(ctx));
    book::addBookWindows(ctx);
    cashbook::addCashbookWindows(ctx);
}
