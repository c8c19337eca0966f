#pragma once

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

// Calendar-day comparison of two date texts: <0, 0, >0; nullopt when either is not a date.
std::optional<int> compareDates(const QString& a, const QString& b, const QDate& today);

// Year of a one- or two-digit year text, in the window around `currentYear`.
int windowedYear(int digits, int currentYear);

} // namespace core
