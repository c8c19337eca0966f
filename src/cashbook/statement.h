#pragma once

#include "core/archive.h"
#include "core/money.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace cashbook {

// The annual statement of one year file: what came in and went out, by reason and by month,
// from the opening balance to the closing one. Amounts are summed in cents, by the balance
// summary's rules: the first character of `Totale` makes a movement income ("+") or an expense
// ("-", summed as a negative amount), and the balance of a group adds every movement.

struct Sums {
    core::CentsTotal income = 0, expenses = 0, balance = 0; // expenses are negative or zero
    qint64 count = 0;
    bool operator==(const Sums&) const = default;
};

// A group's sums, and those of its movements not yet settled ("di cui non saldati").
struct Figures {
    Sums all, unsettled;
    bool operator==(const Figures&) const = default;
};

struct ReasonFigures {
    QString reason; // trimmed, as first written in the file; reasons differing only in case or
                    // surrounding blanks are one reason
    Figures figures;
};

struct Statement {
    int year = 0;
    std::vector<ReasonFigures> reasons; // in list order
    std::array<Figures, 12> months{};
    Figures total;
    // False when the file could not be read to the end or a movement of the year holds a date
    // or a total that is not a number: then nothing of the statement may be shown.
    bool ok = true;
};

// The movements of `archive` dated in `year`. A missing file is an empty year and is not
// created.
Statement computeStatement(const core::Archive& archive, int year, const QDate& today);

QString yearText(int year); // four digits: 2026 -> "2026", 7 -> "0007"

// The opening balance of a year: the closing balance of the previous year when its file exists
// (its own opening balance found the same way), else the amount kept for the year in
// Primanota.ini, section "Saldi iniziali", key = the year. No file is created.
inline const QString kStatementIniName = QStringLiteral("Primanota.ini");
inline const QString kOpeningSection = QStringLiteral("Saldi iniziali");
struct Opening {
    core::CentsTotal cents = 0;
    bool fromPreviousYear = false; // then it is not typed but follows that year's movements
    bool ok = true;                // false: a year file could not be read to the end
};
Opening openingBalance(const QString& folder, int year, const QDate& today);
// Keeps a typed opening balance for `year` in Primanota.ini. False when the file cannot be
// written (or exists but cannot be read: it is never replaced blindly).
bool storeOpeningBalance(const QString& folder, int year, core::Cents cents);

// A typed amount, with an optional sign, thousands dots in their places and a trailing "€":
// "-1.234,5 €" -> -123450. Nothing when the text is not such an amount.
std::optional<core::Cents> parseTypedAmount(const QString& typed);

// "1.234,56 €", "-0,30 €": the amounts of the statement's tables, charts and print.
QString euroText(core::CentsTotal cents);

// The running balance at the end of each month, from the opening balance.
std::array<core::CentsTotal, 12> runningBalances(const Statement& s, core::CentsTotal opening);

// The statement's tables as texts, amounts written by `amount` (euroText on paper,
// core::formatCents in a spreadsheet).
using AmountText = QString (*)(core::CentsTotal);
struct StatementTable {
    QStringList headings;
    std::vector<QStringList> rows;
};
// Causale, Entrate, Uscite, Saldo, Movimenti; a reason left empty shows as "(senza causale)".
StatementTable reasonTable(const Statement& s, AmountText amount);
// Mese, Entrate, Uscite, Saldo, Saldo progressivo.
StatementTable monthTable(const Statement& s, core::CentsTotal opening, AmountText amount);

// The closing figures: opening balance, income and expenses with their unsettled part, the
// year's balance and the closing balance.
struct TotalLine {
    QString caption;
    core::CentsTotal cents;
    std::optional<core::CentsTotal> unsettled;
};
std::vector<TotalLine> totalLines(const Statement& s, core::CentsTotal opening);
QString unsettledText(core::CentsTotal cents, AmountText amount); // "di cui non saldati: ..."

// Every row of the exported sheet: the reasons with their totals, the months, the closing
// figures, under the reason table's headings.
StatementTable statementSheet(const Statement& s, core::CentsTotal opening);

// The reasons with the largest expenses (as positive amounts, largest first), at most `keep`
// of them; the rest summed as one last slice "Altre".
struct Slice {
    QString label;
    core::CentsTotal cents;
};
std::vector<Slice> expenseSlices(const Statement& s, int keep = 8);

} // namespace cashbook
