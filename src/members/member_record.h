#pragma once

#include "core/record_layout.h"
#include "core/yes_no.h"

#include <QString>
#include <QStringList>

#include <array>

namespace members {

// The member archive: Tesserati.pro, 35 short text fields a record, 2764 bytes.
enum MemberField {
    Tesserato,
    Carica,
    NumTessera,
    DataRil,
    DataScade,
    DataNasc,
    ComuneNasc,
    ProvNasc,
    Sesso,
    ComuneRes,
    ProvRes,
    CapRes,
    IndirizzoRes,
    Preavviso,
    Titoli,
    TelCasa,
    TelUff,
    TelCel,
    Recapito,
    Fax,
    Email,
    CodFisc,
    Carta,
    ScadeCarta,
    PartitaIva,
    Iban,
    Intestatario,
    Note,
    Annullata,
    File01,
    File02,
    File03,
    Desc01,
    Desc02,
    Desc03,
    MemberFieldCount
};

inline constexpr core::Field kMemberFields[] = {
    {"Tesserato", 50},    {"Carica", 50},    {"NumTessera", 50},   {"DataRil", 10},
    {"DataScade", 10},    {"DataNasc", 10},  {"ComuneNasc", 50},   {"ProvNasc", 2},
    {"Sesso", 1},         {"ComuneRes", 50}, {"ProvRes", 2},       {"CapRes", 5},
    {"IndirizzoRes", 50}, {"Preavviso", 3},  {"Titoli", 250},      {"TelCasa", 30},
    {"TelUff", 30},       {"TelCel", 30},    {"Recapito", 50},     {"Fax", 30},
    {"Email", 50},        {"CodFisc", 16},   {"Carta", 30},        {"ScadeCarta", 30},
    {"PartitaIva", 11},   {"Iban", 27},      {"Intestatario", 50}, {"Note", 250},
    {"Annullata", 2},     {"File01", 250},   {"File02", 250},      {"File03", 250},
    {"Desc01", 250},      {"Desc02", 250},   {"Desc03", 250},
};
static_assert(std::size(kMemberFields) == MemberFieldCount);

inline constexpr int kMemberRecordLength = 2764;
inline const QString kMemberFileName = QStringLiteral("Tesserati.pro");
using core::kNo; // the stored yes/no words
using core::kYes;

const core::RecordLayout& memberLayout();

// One member as the windows see it: the 35 loaded (trimmed) texts, by MemberField.
struct Member {
    qint64 number = 0; // record number, 1-based
    QStringList values;

    const QString& operator[](MemberField f) const { return values[f]; }
    bool cancelled() const { return values[Annullata] == kYes; }
    bool active() const { return values[Annullata] == kNo; } // only "No" counts as active
};

// The photo file of record n: "<n>.jpg" in the program folder.
QString photoFileName(qint64 number);

} // namespace members
