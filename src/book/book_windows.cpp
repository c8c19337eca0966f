#include "book/book_windows.h"

#include "book/frm_apri_registro.h"
#include "book/frm_crea_registro.h"
#include "book/frm_frontespizio_reg.h"
#include "book/frm_menu_registro.h"
#include "book/frm_trova_registro.h"

namespace book {

void addBookWindows(platform::Context& ctx) {
    ctx.windows.add(new TfrmMenuRegistro(ctx));
    ctx.windows.add(new TfrmCreaRegistro(ctx));
    ctx.windows.add(new TfrmApriRegistro(ctx));
}

} // namespace book
