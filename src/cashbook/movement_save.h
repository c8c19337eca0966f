#pragma once

#include "cashbook/movement_record.h"
#include "platform/problem.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace cashbook {

// `Totale`: "+" for income or "-" for an expense, then the normalised amount.
QString signedTotal(bool income, const QString& amount);

// The longest normalised amount that fits: `Totale` keeps the sign in its 15 characters.
inline constexpr int kMaxAmountLength = 14;

// The checks of a save, in order, over the 28 values the window would store (the amount already
// normalised). The first one that fails, with its message and the control to focus.
platform::Check saveProblem(const QStringList& values, const QDate& today);

// A movement dated outside the year of its file is never counted by any balance: the question
// to ask before saving it, when that is so.
std::optional<QString> otherYearQuestion(const QString& date, const QString& fileYear,
                                         const QDate& today);

QString emailMissingMessage();

} // namespace cashbook
