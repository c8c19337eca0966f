#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace cashbook {

// Amounts are decimal texts with a comma ("12,50"). They are parsed into whole cents and summed
// as integers, so totals are exact whatever the number of movements; rounding works on the
// decimal digits themselves (half up: 1,005 -> 1,01), never through binary floating point.
using Cents = qint64;
using CentsTotal = __int128; // sums of many amounts never overflow

// The amount field once left, and the first step of a save: "0,00" when empty or not a number
// (digits with at most one comma), otherwise the amount without leading zeros, rounded half up
// to exactly two decimals: 12 -> 12,00, ,5 -> 0,50, 3,455 -> 3,46, 9,995 -> 10,00.
QString normaliseAmount(const QString& typed);

// A stored amount or signed total ("+12,50", "-0,30", "7"), rounded half up to cents. Nothing
// when the text is not such a number or is too large to add up safely.
std::optional<Cents> parseCents(QStringView text);

// "1250,50", "-300,00", "0,00": no thousands separator, two decimals.
QString formatCents(CentsTotal cents);

} // namespace cashbook
