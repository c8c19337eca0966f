// Printing and previewing the page the editor shows, saved or not.
#include "book/frm_registro.h"

#include "book/frm_stampa_registro.h"

#include <QLabel>

namespace book {

namespace {

PageSource shownPage(const TfrmRegistro* editor, const QLabel* position) {
    return [editor, position] { return ShownPage{editor->values(), position->text()}; };
}

} // namespace

void TfrmRegistro::preview() {
    TfrmAnteprimaRegistro dialog(ctx_, this, shownPage(this, lblPosizione_));
    ctx_.platform.runModal(dialog);
}

void TfrmRegistro::print() {
    TfrmStampaRegistro dialog(ctx_, this, shownPage(this, lblPosizione_));
    ctx_.platform.runModal(dialog);
}

} // namespace book
