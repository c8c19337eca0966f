#pragma once

#include "cashbook/movement_record.h"
#include "core/archive.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace cashbook {

// The line of the movement search and of the pending list. It is also the key by which a
// chosen entry is found again in the file.
QString movementLine(const char* record);

// The ten filters of the movement search, in the order of their fields.
inline constexpr std::array<MovementField, 10> kSearchFields = {
    Data, DataSca, Causale, Promemoria, Pagatore, Categoria, Beneficiario, Ricevuta, Tariffa, Note};
using MovementFilters = std::array<QString, kSearchFields.size()>; // as typed

// How many filters are in use: those not empty once trimmed.
int filtersInUse(const MovementFilters& filters);

// Every filter in use occurs in its field (as typed, A-Z folded). A filter of blanks only is
// not in use and matches nothing, so it neither lets a record through nor holds one back.
class MovementMatcher {
public:
    explicit MovementMatcher(const MovementFilters& filters);
    bool operator()(const char* record) const;

private:
    std::array<QString, kSearchFields.size()> keys_; // lower-cased; empty when not in use
    int inUse_ = 0;
};

// A movement not settled whose due date minus the notice days is not after `today`. Nothing
// when its due date or notice days cannot be read.
std::optional<bool> isPending(const char* record, const QDate& today);

// A list as read from the year file: its lines sorted once, and whether the whole file was read.
struct MovementList {
    QStringList lines;
    bool ok = true;
};

MovementList searchMovements(const core::Archive& archive, const MovementFilters& filters);
// A record whose due date or notice days cannot be read ends the list there.
MovementList pendingMovements(const core::Archive& archive, const QDate& today);

// The movement a chosen line stands for: the last record in file order that the list itself
// would show (`listed`) and whose line, trimmed, equals `line` trimmed, read whole. Nothing
// when there is none or the file cannot be read to the end.
using RecordTest = std::function<bool(const char* record)>;
std::optional<Movement> movementOfLine(const core::Archive& archive, const QString& line,
                                       const RecordTest& listed);

QString countLine(qsizetype lines); // "Il presente riepilogo contiene N schede."

} // namespace cashbook
