#include "checks/frm_cod_fisc.h"

#include "checks/rules.h"
#include "core/text.h"

namespace checks {

using platform::MsgKind;

TfrmCodFisc::TfrmCodFisc(platform::Context& ctx, QWidget* opener)
    : CheckDialog(
          ctx, opener,
          {QStringLiteral("TfrmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
           QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
           QStringLiteral(":/art/codfisc.svg"), QStringLiteral("txtCodFisc"), 16,
           /*digitsOnly=*/false, /*liveUpper=*/true}) {}

void TfrmCodFisc::check() {
    const QString code = core::upperAscii(field()->text());
    if (code.size() != 16) {
        refuse(QStringLiteral(
            "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (fiscalCodeValid(code))
        verdict(MsgKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        verdict(MsgKind::Warning,
                QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}

} // namespace checks
