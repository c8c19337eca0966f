#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace core {

// Money is decimal text with a comma ("12,50"). It is read into whole cents and summed as
// integers, so totals are exact whatever the number of movements; rounding works on the decimal
// digits themselves (half up: 1,005 -> 1,01), never through binary floating point.
using Cents = qint64;
using CentsTotal = __int128; // sums of many amounts never overflow

// A decimal number as its digits: an optional sign, digits with at most one comma and at least
// one digit. Any number of digits is kept exactly.
class Decimal {
public:
    // The trimmed text as such a number; nothing when it is not one (a sign only if allowed).
    static std::optional<Decimal> parse(QStringView text, bool signAllowed = true);

    // Half up on the digit after the last one kept, on the magnitude (-1,005 -> -1,01).
    Decimal rounded(int places) const;
    // "0,50", "-12,3457": whole digits without leading zeros, a comma, the decimals with their
    // trailing zeros dropped down to `minPlaces`.
    QString text(int minPlaces = 2) const;
    // Rounded to two decimals; nothing beyond 18 digits (far past any stored amount).
    std::optional<Cents> cents() const;

private:
    bool negative_ = false;
    QString whole_;    // no leading zeros; "0" when there is no whole part
    QString decimals_; // as typed, trailing zeros too
};

// A typed amount once its field is left, and the first step of a save: "0,00" when empty or not
// an unsigned number, otherwise rounded half up to at most `maxPlaces` decimals and shown with at
// least two: 12 -> 12,00, ,5 -> 0,50, 3,455 -> 3,46 (two places), 12,34567 -> 12,3457 (four).
QString normaliseAmount(const QString& typed, int maxPlaces = 2);

// A stored amount or signed total ("+12,50", "-0,30", "7"), rounded half up to cents. Nothing
// when the text is not such a number or is too large to add up safely.
std::optional<Cents> parseCents(QStringView text);
// The same on a field's trimmed stored bytes; the usual "+1234,56" is read without a copy.
std::optional<Cents> parseCents(QByteArrayView stored);

// "1250,50", "-300,00", "0,00": no thousands separator, two decimals.
QString formatCents(CentsTotal cents);

} // namespace core
