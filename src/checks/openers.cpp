#include "checks/openers.h"

#include "checks/frm_carta.h"
#include "checks/frm_cod_fisc.h"
#include "checks/frm_iban.h"
#include "checks/frm_partita_iva.h"
#include "core/text.h"

#include <memory>

namespace checks {

CheckWindow codFiscTarget(QStringView trimmedCode) {
    if (trimmedCode.isEmpty()) return CheckWindow::CodFisc;
    for (QChar c : trimmedCode)
        if (c < u'0' || c > u'9') return CheckWindow::CodFisc;
    return CheckWindow::PartitaIva;
}

void openCheck(CheckWindow window, platform::Context& ctx, QWidget* opener,
               const QString& fieldText) {
    std::unique_ptr<CheckDialog> dialog;
    switch (window) {
    case CheckWindow::CodFisc:
        dialog = std::make_unique<TfrmCodFisc>(ctx, opener);
        break;
    case CheckWindow::PartitaIva:
        dialog = std::make_unique<TfrmPartitaIva>(ctx, opener);
        break;
    case CheckWindow::Iban:
        dialog = std::make_unique<TfrmIban>(ctx, opener);
        break;
    case CheckWindow::Carta:
        dialog = std::make_unique<TfrmCarta>(ctx, opener);
        break;
    }
    dialog->setValue(core::trimText(fieldText));
    ctx.platform.runModal(*dialog);
}

void openCodFiscCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText) {
    const QString code = core::trimText(fieldText);
    openCheck(codFiscTarget(code), ctx, opener, code);
}

void openPartitaIvaCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText) {
    openCheck(CheckWindow::PartitaIva, ctx, opener, fieldText);
}

void openIbanCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText) {
    openCheck(CheckWindow::Iban, ctx, opener, fieldText);
}

void openCartaCheck(platform::Context& ctx, QWidget* opener, const QString& fieldText) {
    openCheck(CheckWindow::Carta, ctx, opener, fieldText);
}

} // namespace checks
