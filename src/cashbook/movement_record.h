#pragma once

#include "core/archive.h"
#include "core/record_layout.h"
#include "core/yes_no.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

#include <iterator>
#include <optional>

namespace cashbook {

// The cash book of one year: "<yyyy>.eur", 28 short text fields a record, 3414 bytes.
enum MovementField {
    Entrata,
    Uscita,
    Data,
    Causale,
    Promemoria,
    DataSca,
    Preavviso,
    Importo,
    Totale,
    Pagatore,
    RecapitoPag,
    CodFisc,
    PartitaIva,
    Categoria,
    Email,
    Pagamento,
    Beneficiario,
    RecapitoBen,
    Ricevuta,
    Note,
    Tariffa,
    Saldato,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    MovementFieldCount
};

inline constexpr core::Field kMovementFields[] = {
    {"Entrata", 2},       {"Uscita", 2},       {"Data", 10},        {"Causale", 250},
    {"Promemoria", 250},  {"DataSca", 10},     {"Preavviso", 3},    {"Importo", 15},
    {"Totale", 15},       {"Pagatore", 50},    {"RecapitoPag", 50}, {"CodFisc", 16},
    {"PartitaIva", 11},   {"Categoria", 50},   {"Email", 50},       {"Pagamento", 250},
    {"Beneficiario", 50}, {"RecapitoBen", 50}, {"Ricevuta", 250},   {"Note", 250},
    {"Tariffa", 250},     {"Saldato", 2},      {"File01", 250},     {"File02", 250},
    {"File03", 250},      {"Desc01", 250},     {"Desc02", 250},     {"Desc03", 250},
};
static_assert(std::size(kMovementFields) == MovementFieldCount);

inline constexpr int kMovementRecordLength = 3414;
using core::kNo; // the stored yes/no words
using core::kYes;

const core::RecordLayout& movementLayout();

// "<year>.eur", the year as typed (trimmed).
QString yearFileName(const QString& year);
// The year file whose full path the movement window keeps in `lblFile`.
core::Archive yearArchive(const QString& path);
// The year a year file is named after ("2024" for ".../2024.eur").
QString yearOfFile(const QString& path);

// One movement as the windows see it: the 28 loaded (trimmed) texts, by MovementField.
struct Movement {
    qint64 number = 0; // record number, 1-based
    QStringList values;

    const QString& operator[](MovementField f) const { return values[f]; }
};

// A field's stored bytes as a load sees them (core::RecordLayout::bytes): lists read many
// records and show a few fields of each.
inline QByteArrayView storedText(const char* record, MovementField f) {
    return movementLayout().bytes(record, f);
}
// Appends the field's text, padded with blanks to `width` and cut to it (-1: the whole text).
inline void appendStoredText(QString& out, const char* record, MovementField f, int width = -1) {
    movementLayout().appendText(out, record, f, width);
}
inline QString load(const char* record, MovementField f) {
    return movementLayout().load(record, f);
}
// A date field as core::parseDate reads its text; the usual "dd/mm/yyyy" straight from the bytes.
std::optional<QDate> storedDate(const char* record, MovementField f, const QDate& today);

} // namespace cashbook
