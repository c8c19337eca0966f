#include "checks/frm_iban.h"

#include "checks/rules.h"
#include "core/text.h"

namespace checks {

using platform::MsgKind;

TfrmIban::TfrmIban(platform::Context& ctx, QWidget* opener)
    : CheckDialog(ctx, opener,
                  {QStringLiteral("TfrmIban"), QStringLiteral(" Controllo IBAN"),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                   QStringLiteral(":/art/iban.svg"), QStringLiteral("txtIban"), 27,
                   /*digitsOnly=*/false, /*liveUpper=*/true}) {}

void TfrmIban::check() {
    // Blanks inside count towards the length: only Italian IBANs typed without them pass.
    const QString iban = core::trimText(field()->text());
    if (iban.size() != 27) {
        refuse(QStringLiteral(
            "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (ibanValid(iban))
        verdict(MsgKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        verdict(MsgKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}

} // namespace checks
