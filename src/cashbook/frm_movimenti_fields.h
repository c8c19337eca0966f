#pragma once

#include "cashbook/movement_record.h"
#include "members/member_pick.h"
#include "platform/frm_calendario.h"
#include "platform/record_form.h"
#include "platform/toolbar.h"

namespace cashbook {

using platform::InputRule;

// The movement window's controls in tab order, with the record fields they show. The type
// options are not bound: the window sets `Entrata`/`Uscita` from them (and back) itself.
inline constexpr platform::Binding kMovementBindings[] = {
    {"txtData", Data, 10, InputRule::PickerDate, nullptr},
    {"txtCausale", Causale, 250, InputRule::Plain, "txtPromemoria"},
    {"txtPromemoria", Promemoria, 250, InputRule::Plain, "txtDataSca"},
    {"txtDataSca", DataSca, 10, InputRule::PickerDate, nullptr},
    {"txtPreavviso", Preavviso, 3, InputRule::Digits, "txtImporto"},
    {"txtImporto", Importo, 15, InputRule::Amount, "txtPagatore"},
    {"txtPagatore", Pagatore, 50, InputRule::Plain, "txtRecapitoPag"},
    {"txtRecapitoPag", RecapitoPag, 50, InputRule::Plain, "txtCodFisc"},
    {"txtCodFisc", CodFisc, 16, InputRule::UpperTrimmed, "txtPartitaIva"},
    {"txtPartitaIva", PartitaIva, 11, InputRule::Digits, "txtCategoria"},
    {"txtCategoria", Categoria, 50, InputRule::Plain, "txtEmail"},
    {"txtEmail", Email, 50, InputRule::Trimmed, "txtPagamento"},
    {"txtPagamento", Pagamento, 150, InputRule::Plain, "txtBeneficiario"},
    {"txtBeneficiario", Beneficiario, 50, InputRule::Plain, "txtRecapitoBen"},
    {"txtRecapitoBen", RecapitoBen, 50, InputRule::Plain, "txtRicevuta"},
    {"txtRicevuta", Ricevuta, 250, InputRule::Plain, "txtNote"},
    {"txtNote", Note, 250, InputRule::Plain, "txtTariffa"},
    {"txtTariffa", Tariffa, 250, InputRule::Plain, "txtData"},
    {"chkSaldato", Saldato, 0, InputRule::Plain, nullptr},
    {"txtTotale", Totale, 0, InputRule::Plain, nullptr},
    {"lblFile01", File01, 0, InputRule::Plain, nullptr},
    {"lblFile02", File02, 0, InputRule::Plain, nullptr},
    {"lblFile03", File03, 0, InputRule::Plain, nullptr},
    {"lblDesc01", Desc01, 0, InputRule::Plain, nullptr},
    {"lblDesc02", Desc02, 0, InputRule::Plain, nullptr},
    {"lblDesc03", Desc03, 0, InputRule::Plain, nullptr},
};

// Where the date picker writes for each mode of this window.
inline constexpr platform::DateTarget kMovementDateTargets[] = {
    {"movimenti_data", "txtData"},
    {"movimenti_scadenza", "txtDataSca"},
};

// What a member picked from the archive fills, by the import button used.
inline constexpr members::MemberTake kPayerTake[] = {
    {"txtPagatore", members::Tesserato},   {"txtRecapitoPag", members::Recapito},
    {"txtCodFisc", members::CodFisc},      {"txtPartitaIva", members::PartitaIva},
    {"txtCategoria", members::NumTessera}, {"txtEmail", members::Email},
};
inline constexpr members::MemberTake kBeneficiaryTake[] = {
    {"txtBeneficiario", members::Tesserato},
    {"txtRecapitoBen", members::Recapito},
};

// Duplicate empties these; it also clears "Saldato" and dates the copy today.
inline constexpr int kDuplicateResets[] = {DataSca, File01, File02, File03, Desc01, Desc02, Desc03};

// The status-line texts of the controls that have no side button or toolbar entry.
inline constexpr platform::Hint kMovementHints[] = {
    {"optEntrata", "Spunta questa casella per registrare un importo in entrata."},
    {"optUscita", "Spunta questa casella per registrare un importo in uscita."},
    {"chkSaldato", "Spunta questa casella per indicare che il pagamento \u00e8 stato saldato."},
    {"txtData", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal "
                "calendario."},
    {"txtDataSca", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data "
                   "dal calendario."},
};

} // namespace cashbook
