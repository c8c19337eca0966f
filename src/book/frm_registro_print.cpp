// Printing and previewing the page the editor shows, saved or not.
#include "book/frm_registro.h"

#include "book/page_report.h"

namespace book {

void TfrmRegistro::preview() {
    const reports::Report report =
        printedPage(values(), lblPosizione_->text(), ctx_.platform.today());
    reports::runGuarded(ctx_, this, [&] { report.preview(ctx_, this); });
}

void TfrmRegistro::print() {
    const reports::Report report =
        printedPage(values(), lblPosizione_->text(), ctx_.platform.today());
    reports::runGuarded(ctx_, this, [&] { report.print(ctx_, this); });
}

} // namespace book
