#pragma once

#include "core/list_rows.h"
#include "members/member_record.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace members {

// The ten filters of the member search, in the order of their fields.
inline constexpr std::array<MemberField, 10> kFilterFields = {
    Tesserato,  Carica,    NumTessera, DataRil, DataScade,
    ComuneNasc, ComuneRes, CodFisc,    Titoli,  Note};
using MemberFilters = std::array<QString, 10>; // as typed

// Active members (cancelled flag exactly "No") in which every filter in use
// (core::FieldFilter) occurs; with `cancelledToo` every member that matches, the cancelled ones
// marked "(annullata)" at the end of their line. Each line is the member's name, card, expiry,
// telephone and notes.
core::ListRows searchMembers(const QString& folder, const MemberFilters& filters,
                             bool cancelledToo = false);

// Every member with a name, cancelled ones included: name, fiscal code, expiry, telephone, notes.
core::ListRows pickerMembers(const QString& folder);

// Whether a member is due for renewal on `today`: active, and expiry minus the notice days not
// later than today. Unreadable when the member is active but its expiry or notice days cannot be
// read. The renewal list and the renewal of the members due share this rule.
enum class Renewal { Due, NotDue, Unreadable };
Renewal renewalState(const char* record, const QDate& today);

// Active members due for renewal on `today`, lined as in the search. A record whose expiry or
// notice days cannot be read is left out and counted.
core::ListRows renewalMembers(const QString& folder, const QDate& today);

QString countLine(qsizetype lines); // "Il presente riepilogo contiene N schede."

} // namespace members
