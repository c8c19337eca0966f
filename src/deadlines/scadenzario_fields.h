#pragma once

#include "deadlines/deadline_record.h"
#include "members/member_pick.h"
#include "platform/record_form.h"
#include "platform/toolbar.h"

namespace deadlines {

using platform::InputRule;

// The record panel's controls in the order of the Enter key (Enter in txtNote returns to
// txtGiorno). The amount is normalised when it loses the focus.
inline constexpr platform::Binding kDeadlineBindings[] = {
    {"txtGiorno", Giorno, 2, InputRule::ListOnly, "txtMese"},
    {"txtMese", Mese, 10, InputRule::ListOnly, "txtOreApp"},
    {"lblAnno", Anno, 0, InputRule::Plain, nullptr},
    {"lblData", Data, 0, InputRule::Plain, nullptr},
    {"txtOreApp", Ore, 2, InputRule::ListOnly, "txtMinutiApp"},
    {"txtMinutiApp", Minuti, 2, InputRule::ListOnly, "txtAvviso"},
    {"lblOra", Ora, 0, InputRule::Plain, nullptr},
    {"txtAvviso", Avviso, 3, InputRule::Digits, "txtPagatore"},
    {"txtPagatore", Pagatore, 50, InputRule::Plain, "txtCodFisc"},
    {"txtCodFisc", CodFisc, 16, InputRule::UpperOnRelease, "txtNumTessera"},
    {"txtNumTessera", NumTessera, 50, InputRule::Plain, "txtCarica"},
    {"txtCarica", Carica, 50, InputRule::Plain, "txtTelCel"},
    {"txtTelCel", TelCel, 30, InputRule::Plain, "txtRecapito"},
    {"txtRecapito", Recapito, 50, InputRule::Plain, "txtAnticipi"},
    {"txtAnticipi", Anticipi, 120, InputRule::Plain, "txtComplessivo"},
    {"txtComplessivo", Complessivo, 50, InputRule::Plain, "txtRateazione"},
    {"txtRateazione", Rateazione, 120, InputRule::Plain, "txtBeneficiario"},
    {"txtBeneficiario", Beneficiario, 50, InputRule::Plain, "txtDettagli"},
    {"txtDettagli", Dettagli, 250, InputRule::Plain, "txtOfficina"},
    {"txtOfficina", Officina, 150, InputRule::Plain, "txtCosto"},
    {"txtCosto", Costo, 15, InputRule::FeeTabbing, "txtContatto"},
    {"txtContatto", Contatto, 50, InputRule::Plain, "txtNote"},
    {"txtNote", Note, 250, InputRule::Plain, "txtGiorno"},
    {"chkDaConfermare", DaConfermare, 0, InputRule::Plain, nullptr},
    {"chkEffettuata", Effettuata, 0, InputRule::Plain, nullptr},
};

// The payer import: the member search in mode "scadenzario" fills these six fields.
inline constexpr members::MemberTake kPayerTakes[] = {
    {"txtPagatore", members::Tesserato},    {"txtCodFisc", members::CodFisc},
    {"txtNumTessera", members::NumTessera}, {"txtCarica", members::Carica},
    {"txtTelCel", members::TelCel},         {"txtRecapito", members::Recapito},
};

inline constexpr platform::Hint kDeadlineHints[] = {
    {"chkDaConfermare",
     "Spunta questa casella per annotare che l'appuntamento \u00e8 in attesa di conferma."},
    {"chkEffettuata",
     "Spunta questa casella per annotare che il pagamento \u00e8 stata effettuato."},
};

} // namespace deadlines
