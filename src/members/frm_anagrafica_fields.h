#pragma once

#include "members/member_record.h"
#include "platform/frm_calendario.h"

#include <span>

namespace members {

// How a field of the member window takes its input.
enum class InputRule {
    Plain,
    Bold,       // plain, shown in bold (the member's name)
    PickerDate, // read-only, filled by the date picker
    Digits,     // digits only
    Province,   // editable province list, upper-cased
    UpperOnRelease,
    Trimmed,      // trimmed while typing
    UpperTrimmed, // trimmed and upper-cased while typing
};

// One edit field of the window: control, record field, typing limit, input rule and the
// field that Enter moves to (none for the picker date fields: there Enter opens the picker).
struct FieldBinding {
    const char* control;
    MemberField field;
    int limit;
    InputRule rule;
    const char* next;
};

// In tab order, which is also record order.
inline constexpr FieldBinding kFieldBindings[] = {
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
};

// The hidden labels of the attached documents, saved with the record.
struct LabelBinding {
    const char* control;
    MemberField field;
};
inline constexpr LabelBinding kLabelBindings[] = {
    {"lblFile01", File01}, {"lblFile02", File02}, {"lblFile03", File03},
    {"lblDesc01", Desc01}, {"lblDesc02", Desc02}, {"lblDesc03", Desc03},
};

// Where the date picker writes for each mode of this window.
inline constexpr platform::DateTarget kMemberDateTargets[] = {
    {"dataril", "txtDataRil"},
    {"datascade", "txtDataScade"},
};

} // namespace members
