#pragma once

#include "platform/problem.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace deadlines {

// Imminent on `today`: from `avviso` days before the date in `data` up to and including that
// date. Nothing when `data` is not a date or `avviso` not a whole number (an unreadable record).
std::optional<bool> isImminent(const QString& data, const QString& avviso, const QDate& today);
// The same on a stored record (1368 bytes), loading only the two fields it needs.
std::optional<bool> isImminent(const char* record, const QDate& today);

// Month digits of `data`, then day, hour and minutes: "03150930" for 15/03 at 09:30. Within a
// year file, ascending text order of this key is date and time order.
QString chronologicalKey(const QString& data, const QString& giorno, const QString& ore,
                         const QString& minuti);
QString chronologicalKey(const QStringList& values); // the 25 record texts

// The decimals the field Costo keeps: core::normaliseAmount(text, kCostoPlaces) rounds half up
// on the fifth ("7" -> "7,00", "12,34567" -> "12,3457"); empty or unreadable text gives "0,00".
constexpr int kCostoPlaces = 4;

// The composed hidden labels: "hh:mm" and "dd/mm/yyyy" (empty month digits for a month name
// that is not one of the twelve).
QString composeTime(const QString& ore, const QString& minuti);
QString composeDate(const QString& giorno, const QString& mese, const QString& anno);

// The checks before a save, in order, on the 25 record texts as the window would store them
// (`Anno` the opened year, `Costo` already normalised). The first problem found, with the
// hidden labels composed as far as the checks got: `ora` once the required fields are present,
// `data` once the month is known.
struct SaveVerdict {
    platform::Check problem;
    QString ora;
    QString data;
};
SaveVerdict checkSave(const QStringList& values, const QDate& today);
platform::Check deadlineSaveProblem(const QStringList& values, const QDate& today);

} // namespace deadlines
