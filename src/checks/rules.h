#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The four checks as pure functions of one text. The windows and the openers only wire them.
namespace checks {

// ---- Fiscal code ----

// The control character of a fiscal code from its first 15 characters (upper case expected).
// Characters from "0" to "Z" weigh as the published tables say (codes 58..64 weigh 0); any other
// character has no weight at all, so there is no control character: nullopt.
std::optional<QChar> fiscalCodeControlChar(QStringView first15);

// 16 characters whose last one equals the computed control character.
bool fiscalCodeValid(QStringView code);

// ---- VAT number ----

// The check digit (0..9) of the ten digits d1..d10; -1 when `first10` is not ten decimal digits.
int vatCheckDigit(QStringView first10);

// 11 decimal digits whose last one is the check digit.
bool vatNumberValid(QStringView number);

struct VatOffice {
    const char* code; // three digits
    const char* name; // town of the issuing office (UTF-8)
};

// The 104 issuing offices, in table order.
std::span<const VatOffice> vatOffices();

// Name of the office with that three-digit code; empty when the code is not in the table.
QString vatOfficeName(QStringView code);

// ---- IBAN ----

// Remainder modulo 97 of an IBAN: blanks removed, upper-cased, the first "IBAN" dropped, the
// first four characters moved to the end, letters written as 10..35. Any character that is not
// a digit or a letter A..Z gives 0, as does a text with no digits at all.
int ibanRemainder(QStringView text);

inline bool ibanValid(QStringView text) {
    return ibanRemainder(text) == 1;
}

// ---- Card number ----

// The decimal digits among the first 20 characters, in order.
QString cardDigits(QStringView text);

// Luhn rule: the last digit is the check digit of the others. No digits never match.
bool luhnValid(QStringView digits);

// The first digit minus 2 when the Luhn rule holds, else 0 (so negative for a first digit of 0
// or 1).
int cardTypeCode(QStringView text);

enum class CardVerdict {
    Errato,          // wrong check digit or unknown first digit
    NoMessage,       // a valid number starting with 3 that no issuer table claims
    DinersClub,      // 30, 36, 38
    AmericanExpress, // 34, 37
    Jcb,             // 31, 33, 35
    Visa,            // 4
    MasterCard,      // 5
    Discover,        // 6
};

// The verdict for the trimmed text of the card field.
CardVerdict cardVerdict(QStringView text);

// The type's name as the message shows it; empty for Errato and NoMessage.
QString cardTypeName(CardVerdict verdict);

} // namespace checks
