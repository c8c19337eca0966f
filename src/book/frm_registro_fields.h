#pragma once

#include "book/page_record.h"
#include "members/member_pick.h"
#include "platform/frm_calendario.h"
#include "platform/record_form.h"

namespace book {

using platform::InputRule;

// The page editor's controls in record order (also the tab order): the heading, the four rows,
// then the hidden labels of the attached documents.
inline constexpr platform::Binding kPageBindings[] = {
    {"txtNumero", Numero, 12, InputRule::Plain, "txtDenominazione"},
    {"txtDenominazione", Denominazione, 120, InputRule::Plain, "txtCodFisc"},
    {"txtCodFisc", CodFisc, 16, InputRule::Code, "txtPresidente"},
    {"txtPresidente", Presidente, 50, InputRule::Plain, "txtSegretario"},
    {"txtSegretario", Segretario, 50, InputRule::Plain, "txtOrdine_A"},
    // Row A
    {"txtOrdine_A", rowField(0, Ordine), 6, InputRule::Plain, "txtSocio_A"},
    {"txtSocio_A", rowField(0, Socio), 50, InputRule::Plain, "txtLuogoNasc_A"},
    {"txtLuogoNasc_A", rowField(0, LuogoNasc), 50, InputRule::Plain, "txtDataNasc_A"},
    {"txtDataNasc_A", rowField(0, DataNasc), 10, InputRule::PickerDate, nullptr},
    {"txtCodFisc_A", rowField(0, CodFiscSocio), 16, InputRule::Code, "txtIndirizzo_A"},
    {"txtIndirizzo_A", rowField(0, Indirizzo), 120, InputRule::Plain, "txtTelefono_A"},
    {"txtTelefono_A", rowField(0, Telefono), 30, InputRule::Plain, "txtTessera_A"},
    {"txtTessera_A", rowField(0, Tessera), 50, InputRule::Plain, "txtDataAmm_A"},
    {"txtDataAmm_A", rowField(0, DataAmm), 10, InputRule::PickerDate, nullptr},
    {"txtQuota_A", rowField(0, Quota), 15, InputRule::Fee, "txtDataUsc_A"},
    {"txtDataUsc_A", rowField(0, DataUsc), 10, InputRule::PickerDate, nullptr},
    {"txtMotivo_A", rowField(0, Motivo), 120, InputRule::Plain, "txtAnnotazioni_A"},
    {"txtAnnotazioni_A", rowField(0, Annotazioni), 250, InputRule::Plain, "txtOrdine_B"},
    // Row B
    {"txtOrdine_B", rowField(1, Ordine), 6, InputRule::Plain, "txtSocio_B"},
    {"txtSocio_B", rowField(1, Socio), 50, InputRule::Plain, "txtLuogoNasc_B"},
    {"txtLuogoNasc_B", rowField(1, LuogoNasc), 50, InputRule::Plain, "txtDataNasc_B"},
    {"txtDataNasc_B", rowField(1, DataNasc), 10, InputRule::PickerDate, nullptr},
    {"txtCodFisc_B", rowField(1, CodFiscSocio), 16, InputRule::Code, "txtIndirizzo_B"},
    {"txtIndirizzo_B", rowField(1, Indirizzo), 120, InputRule::Plain, "txtTelefono_B"},
    {"txtTelefono_B", rowField(1, Telefono), 30, InputRule::Plain, "txtTessera_B"},
    {"txtTessera_B", rowField(1, Tessera), 50, InputRule::Plain, "txtDataAmm_B"},
    {"txtDataAmm_B", rowField(1, DataAmm), 10, InputRule::PickerDate, nullptr},
    {"txtQuota_B", rowField(1, Quota), 15, InputRule::Fee, "txtDataUsc_B"},
    {"txtDataUsc_B", rowField(1, DataUsc), 10, InputRule::PickerDate, nullptr},
    {"txtMotivo_B", rowField(1, Motivo), 120, InputRule::Plain, "txtAnnotazioni_B"},
    {"txtAnnotazioni_B", rowField(1, Annotazioni), 250, InputRule::Plain, "txtOrdine_C"},
    // Row C
    {"txtOrdine_C", rowField(2, Ordine), 6, InputRule::Plain, "txtSocio_C"},
    {"txtSocio_C", rowField(2, Socio), 50, InputRule::Plain, "txtLuogoNasc_C"},
    {"txtLuogoNasc_C", rowField(2, LuogoNasc), 50, InputRule::Plain, "txtDataNasc_C"},
    {"txtDataNasc_C", rowField(2, DataNasc), 10, InputRule::PickerDate, nullptr},
    {"txtCodFisc_C", rowField(2, CodFiscSocio), 16, InputRule::Code, "txtIndirizzo_C"},
    {"txtIndirizzo_C", rowField(2, Indirizzo), 120, InputRule::Plain, "txtTelefono_C"},
    {"txtTelefono_C", rowField(2, Telefono), 30, InputRule::Plain, "txtTessera_C"},
    {"txtTessera_C", rowField(2, Tessera), 50, InputRule::Plain, "txtDataAmm_C"},
    {"txtDataAmm_C", rowField(2, DataAmm), 10, InputRule::PickerDate, nullptr},
    {"txtQuota_C", rowField(2, Quota), 15, InputRule::Fee, "txtDataUsc_C"},
    {"txtDataUsc_C", rowField(2, DataUsc), 10, InputRule::PickerDate, nullptr},
    {"txtMotivo_C", rowField(2, Motivo), 120, InputRule::Plain, "txtAnnotazioni_C"},
    {"txtAnnotazioni_C", rowField(2, Annotazioni), 250, InputRule::Plain, "txtOrdine_D"},
    // Row D
    {"txtOrdine_D", rowField(3, Ordine), 6, InputRule::Plain, "txtSocio_D"},
    {"txtSocio_D", rowField(3, Socio), 50, InputRule::Plain, "txtLuogoNasc_D"},
    {"txtLuogoNasc_D", rowField(3, LuogoNasc), 50, InputRule::Plain, "txtDataNasc_D"},
    {"txtDataNasc_D", rowField(3, DataNasc), 10, InputRule::PickerDate, nullptr},
    {"txtCodFisc_D", rowField(3, CodFiscSocio), 16, InputRule::Code, "txtIndirizzo_D"},
    {"txtIndirizzo_D", rowField(3, Indirizzo), 120, InputRule::Plain, "txtTelefono_D"},
    {"txtTelefono_D", rowField(3, Telefono), 30, InputRule::Plain, "txtTessera_D"},
    {"txtTessera_D", rowField(3, Tessera), 50, InputRule::Plain, "txtDataAmm_D"},
    {"txtDataAmm_D", rowField(3, DataAmm), 10, InputRule::PickerDate, nullptr},
    {"txtQuota_D", rowField(3, Quota), 15, InputRule::Fee, "txtDataUsc_D"},
    {"txtDataUsc_D", rowField(3, DataUsc), 10, InputRule::PickerDate, nullptr},
    {"txtMotivo_D", rowField(3, Motivo), 120, InputRule::Plain, "txtAnnotazioni_D"},
    {"txtAnnotazioni_D", rowField(3, Annotazioni), 250, InputRule::Plain, "txtNumero"},

    // Attachments
    {"lblFile01", kFirstAttachment, 0, InputRule::Plain, nullptr},
    {"lblFile02", kFirstAttachment + 1, 0, InputRule::Plain, nullptr},
    {"lblFile03", kFirstAttachment + 2, 0, InputRule::Plain, nullptr},
    {"lblDesc01", kFirstAttachment + 3, 0, InputRule::Plain, nullptr},
    {"lblDesc02", kFirstAttachment + 4, 0, InputRule::Plain, nullptr},
    {"lblDesc03", kFirstAttachment + 5, 0, InputRule::Plain, nullptr},
};
static_assert(std::size(kPageBindings) == kPageFieldCount);

// Where the date picker writes for each mode of the editor.
inline constexpr platform::DateTarget kPageDateTargets[] = {
    {"datanasc_a", "txtDataNasc_A"}, {"datanasc_b", "txtDataNasc_B"},
    {"datanasc_c", "txtDataNasc_C"}, {"datanasc_d", "txtDataNasc_D"},
    {"dataamm_a", "txtDataAmm_A"},   {"dataamm_b", "txtDataAmm_B"},
    {"dataamm_c", "txtDataAmm_C"},   {"dataamm_d", "txtDataAmm_D"},
    {"datausc_a", "txtDataUsc_A"},   {"datausc_b", "txtDataUsc_B"},
    {"datausc_c", "txtDataUsc_C"},   {"datausc_d", "txtDataUsc_D"},
};

// A member picked for a row: each control (with the row's suffix) <- the member's field. The
// address is the member's street, postcode, town and province joined (members::bookAddress).
inline constexpr members::MemberTake kRowMemberTakes[] = {
    {"txtSocio", members::Tesserato},   {"txtLuogoNasc", members::ComuneNasc},
    {"txtDataNasc", members::DataNasc}, {"txtCodFisc", members::CodFisc},
    {"txtTelefono", members::Recapito}, {"txtTessera", members::NumTessera},
    {"txtDataAmm", members::DataRil},   {"txtQuota", members::Titoli},
};

} // namespace book
