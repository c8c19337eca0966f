#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

namespace core {

// Dates are stored and shown as "dd/mm/yyyy". Typed dates are read day first: one to four
// digits per number, blanks allowed around "/", the year optional (then `today`'s year) and
// a one- or two-digit year placed in the hundred years starting 50 years before `today`.
// None of these throws; a text that is not a date gives nullopt / false.
std::optional<QDate> parseDate(const QString& text, const QDate& today);
bool isValidDate(const QString& text, const QDate& today);

QString formatDate(const QDate& date); // "dd/mm/yyyy"

// A date as a record stores it (trimmed bytes in the code page): "dd/mm/yyyy" is read straight
// from the bytes, as lists read every record; anything else as a typed date.
std::optional<QDate> parseStoredDate(QByteArrayView stored, const QDate& today);
// A whole number as QString::toInt reads the stored text; plain digits straight from the bytes.
std::optional<int> parseStoredNumber(QByteArrayView stored);

// Calendar-day comparison of two date texts: <0, 0, >0; nullopt when either is not a date.
std::optional<int> compareDates(const QString& a, const QString& b, const QDate& today);

// Year of a one- or two-digit year text, in the window around `currentYear`.
int windowedYear(int digits, int currentYear);

} // namespace core
