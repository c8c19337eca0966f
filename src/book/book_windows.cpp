#include "book/book_windows.h"

#include "book/frm_apri_registro.h"
#include "book/frm_crea_registro.h"
#include "book/frm_menu_registro.h"
#include "book/frm_registro.h"

namespace book {

void addBookWindows(platform::Context& ctx) {
    ctx.windows.add(new TfrmMenuRegistro(ctx));
    ctx.windows.add(new TfrmCreaRegistro(ctx));
    ctx.windows.add(new TfrmApriRegistro(ctx));
    ctx.windows.add(new TfrmRegistro(ctx));
}

} // namespace book
