#pragma once

#include "cashbook/movement_record.h"
#include "core/archive.h"
#include "core/list_rows.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>

namespace cashbook {

// The ten filters of the movement search, in the order of their fields.
inline constexpr std::array<MovementField, 10> kSearchFields = {
    Data, DataSca, Causale, Promemoria, Pagatore, Categoria, Beneficiario, Ricevuta, Tariffa, Note};
using MovementFilters = std::array<QString, kSearchFields.size()>; // as typed

// A movement not settled whose due date minus the notice days is not after `today`. Nothing
// when its due date or notice days cannot be read.
std::optional<bool> isPending(const char* record, const QDate& today);

// The movements in which every filter in use (core::FieldFilter) occurs, sorted; each line is
// the reason, due date, payer, beneficiary and amount.
core::ListRows searchMovements(const core::Archive& archive, const MovementFilters& filters);
// The pending movements (isPending), lined as in the search. A record whose due date or notice
// days cannot be read is left out and counted.
core::ListRows pendingMovements(const core::Archive& archive, const QDate& today);

QString countLine(qsizetype lines); // "Il presente riepilogo contiene N schede."

} // namespace cashbook
