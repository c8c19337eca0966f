#pragma once

#include "core/record_layout.h"
#include "core/yes_no.h"

#include <QString>
#include <QStringList>

#include <array>

namespace deadlines {

// One year of payment deadlines: "<yyyy>.sca", 25 short text fields a record, 1368 bytes.
enum DeadlineField {
    Giorno,
    Mese,
    Anno,
    Data,
    Ore,
    Minuti,
    Ora,
    Avviso,
    Pagatore,
    CodFisc,
    NumTessera,
    Carica,
    TelCel,
    Recapito,
    Anticipi,
    Complessivo,
    Rateazione,
    Beneficiario,
    Dettagli,
    Officina,
    Costo,
    Contatto,
    Note,
    DaConfermare,
    Effettuata,
    DeadlineFieldCount
};

inline constexpr core::Field kDeadlineFields[] = {
    {"Giorno", 2},       {"Mese", 10},         {"Anno", 4},        {"Data", 10},
    {"Ore", 2},          {"Minuti", 2},        {"Ora", 5},         {"Avviso", 3},
    {"Pagatore", 50},    {"CodFisc", 16},      {"NumTessera", 50}, {"Carica", 50},
    {"TelCel", 30},      {"Recapito", 50},     {"Anticipi", 120},  {"Complessivo", 50},
    {"Rateazione", 120}, {"Beneficiario", 50}, {"Dettagli", 250},  {"Officina", 150},
    {"Costo", 15},       {"Contatto", 50},     {"Note", 250},      {"DaConfermare", 2},
    {"Effettuata", 2},
};
static_assert(std::size(kDeadlineFields) == DeadlineFieldCount);

inline constexpr int kDeadlineRecordLength = 1368;
using core::kNo; // the stored yes/no words
using core::kYes;

const core::RecordLayout& deadlineLayout();

// A field's stored bytes as a load sees them (core::RecordLayout::bytes): lists read every
// record and show a few fields of each.
inline QByteArrayView storedText(const char* record, DeadlineField f) {
    return deadlineLayout().bytes(record, f);
}
// Appends the field's text, padded with blanks to `width` and cut to it (-1: the whole text).
inline void appendStoredText(QString& out, const char* record, DeadlineField f, int width = -1) {
    deadlineLayout().appendText(out, record, f, width);
}

// "2026.sca" for the year text "2026" (as typed, four characters).
QString yearFileName(const QString& year);
// The file of a calendar year, its number written with four digits.
QString yearFileName(int year);

// The month names of the month box and of the field Mese, January first.
const QStringList& monthNames();
// 1..12 for a month name in any letter case of A to Z, 0 for anything else.
int monthNumber(const QString& name);

} // namespace deadlines
