#pragma once

#include "members/member_record.h"
#include "platform/frm_calendario.h"
#include "platform/record_form.h"

#include <span>

namespace members {

using platform::InputRule;

// In tab order, which is also record order; then the cancelled flag and the hidden labels of the
// attached documents, saved with the record.
inline constexpr platform::Binding kMemberBindings[] = {
    {"txtTesserato", Tesserato, 50, InputRule::Bold, "txtCarica"},
    {"txtCarica", Carica, 50, InputRule::Plain, "txtNumTessera"},
    {"txtNumTessera", NumTessera, 50, InputRule::Plain, "txtDataRil"},
    {"txtDataRil", DataRil, 10, InputRule::PickerDate, nullptr},
    {"txtDataScade", DataScade, 10, InputRule::PickerDate, nullptr},
    {"txtDataNasc", DataNasc, 10, InputRule::Plain, "txtComuneNasc"},
    {"txtComuneNasc", ComuneNasc, 50, InputRule::Plain, "txtProvNasc"},
    {"txtProvNasc", ProvNasc, 2, InputRule::Province, "txtSesso"},
    {"txtSesso", Sesso, 1, InputRule::UpperOnRelease, "txtComuneRes"},
    {"txtComuneRes", ComuneRes, 50, InputRule::Plain, "txtProvRes"},
    {"txtProvRes", ProvRes, 2, InputRule::Province, "txtCapRes"},
    {"txtCapRes", CapRes, 5, InputRule::Plain, "txtIndirizzoRes"},
    {"txtIndirizzoRes", IndirizzoRes, 50, InputRule::Plain, "txtPreavviso"},
    {"txtPreavviso", Preavviso, 3, InputRule::Digits, "txtTitoli"},
    {"txtTitoli", Titoli, 15, InputRule::Plain, "txtTelCasa"},
    {"txtTelCasa", TelCasa, 30, InputRule::Plain, "txtTelUff"},
    {"txtTelUff", TelUff, 30, InputRule::Plain, "txtTelCel"},
    {"txtTelCel", TelCel, 30, InputRule::Plain, "txtRecapito"},
    {"txtRecapito", Recapito, 50, InputRule::Plain, "txtFax"},
    {"txtFax", Fax, 30, InputRule::Plain, "txtEmail"},
    {"txtEmail", Email, 50, InputRule::Trimmed, "txtCodFisc"},
    {"txtCodFisc", CodFisc, 16, InputRule::UpperTrimmed, "txtCarta"},
    {"txtCarta", Carta, 30, InputRule::Digits, "txtScadeCarta"},
    {"txtScadeCarta", ScadeCarta, 30, InputRule::Plain, "txtPartitaIva"},
    {"txtPartitaIva", PartitaIva, 11, InputRule::Digits, "txtIban"},
    {"txtIban", Iban, 27, InputRule::UpperTrimmed, "txtIntestatario"},
    {"txtIntestatario", Intestatario, 50, InputRule::Plain, "txtNote"},
    {"txtNote", Note, 250, InputRule::Plain, "txtTesserato"},
    {"chkAnnullata", Annullata, 0, InputRule::Plain, nullptr},
    {"lblFile01", File01, 0, InputRule::Plain, nullptr},
    {"lblFile02", File02, 0, InputRule::Plain, nullptr},
    {"lblFile03", File03, 0, InputRule::Plain, nullptr},
    {"lblDesc01", Desc01, 0, InputRule::Plain, nullptr},
    {"lblDesc02", Desc02, 0, InputRule::Plain, nullptr},
    {"lblDesc03", Desc03, 0, InputRule::Plain, nullptr},
};

// Where the date picker writes for each mode of this window.
inline constexpr platform::DateTarget kMemberDateTargets[] = {
    {"dataril", "txtDataRil"},
    {"datascade", "txtDataScade"},
};

} // namespace members
