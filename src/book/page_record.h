#pragma once

#include "core/archive.h"
#include "core/record_layout.h"

#include <QString>
#include <QStringList>

namespace book {

// One page of a register (<name>.lib): the book's heading, four member rows A to D of
// thirteen fields each, and three attached documents. 63 short text fields, 4759 bytes.
enum HeadingField { Numero, Denominazione, CodFisc, Presidente, Segretario, HeadingFieldCount };
enum RowField {
    Ordine,
    Socio,
    LuogoNasc,
    DataNasc,
    CodFiscSocio,
    Indirizzo,
    Telefono,
    Tessera,
    DataAmm,
    Quota,
    DataUsc,
    Motivo,
    Annotazioni,
    RowFieldCount
};
inline constexpr int kRows = 4;
inline constexpr int kFirstAttachment = HeadingFieldCount + kRows * RowFieldCount; // 57
inline constexpr int kAttachmentFields = 6; // File01..File03, Desc01..Desc03
inline constexpr int kPageFieldCount = kFirstAttachment + kAttachmentFields;
inline constexpr int kPageRecordLength = 4759;

inline constexpr core::Field kPageFields[] = {
    {"Numero", 12},
    {"Denominazione", 120},
    {"CodFisc", 16},
    {"Presidente", 50},
    {"Segretario", 50},
    // Row A
    {"Ordine_A", 6},
    {"Socio_A", 50},
    {"LuogoNasc_A", 50},
    {"DataNasc_A", 10},
    {"CodFisc_A", 16},
    {"Indirizzo_A", 120},
    {"Telefono_A", 30},
    {"Tessera_A", 50},
    {"DataAmm_A", 10},
    {"Quota_A", 15},
    {"DataUsc_A", 10},
    {"Motivo_A", 120},
    {"Annotazioni_A", 250},
    // Row B
    {"Ordine_B", 6},
    {"Socio_B", 50},
    {"LuogoNasc_B", 50},
    {"DataNasc_B", 10},
    {"CodFisc_B", 16},
    {"Indirizzo_B", 120},
    {"Telefono_B", 30},
    {"Tessera_B", 50},
    {"DataAmm_B", 10},
    {"Quota_B", 15},
    {"DataUsc_B", 10},
    {"Motivo_B", 120},
    {"Annotazioni_B", 250},
    // Row C
    {"Ordine_C", 6},
    {"Socio_C", 50},
    {"LuogoNasc_C", 50},
    {"DataNasc_C", 10},
    {"CodFisc_C", 16},
    {"Indirizzo_C", 120},
    {"Telefono_C", 30},
    {"Tessera_C", 50},
    {"DataAmm_C", 10},
    {"Quota_C", 15},
    {"DataUsc_C", 10},
    {"Motivo_C", 120},
    {"Annotazioni_C", 250},
    // Row D
    {"Ordine_D", 6},
    {"Socio_D", 50},
    {"LuogoNasc_D", 50},
    {"DataNasc_D", 10},
    {"CodFisc_D", 16},
    {"Indirizzo_D", 120},
    {"Telefono_D", 30},
    {"Tessera_D", 50},
    {"DataAmm_D", 10},
    {"Quota_D", 15},
    {"DataUsc_D", 10},
    {"Motivo_D", 120},
    {"Annotazioni_D", 250},
    // Attachments
    {"File01", 250},
    {"File02", 250},
    {"File03", 250},
    {"Desc01", 250},
    {"Desc02", 250},
    {"Desc03", 250},
};
static_assert(std::size(kPageFields) == kPageFieldCount);

const core::RecordLayout& pageLayout();

// The register file at `path` (folder and file name) as an archive of pages.
core::Archive pageArchive(const QString& path);

// Index in the record of a row's field; row 0..3 is A..D.
constexpr int rowField(int row, RowField f) {
    return HeadingFieldCount + row * RowFieldCount + f;
}
QChar rowLetter(int row);   // 'A'..'D'
QString rowSuffix(int row); // "_A".."_D"

// The editor's control for a field: "txt" + field name for the 57 edit fields, "lbl" + field
// name for the six attachment labels.
QString controlName(int field);

// A page as the windows see it: 63 loaded (trimmed) texts in record order.
using PageValues = QStringList;
PageValues emptyPage();

} // namespace book
