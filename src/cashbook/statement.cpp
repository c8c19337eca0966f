#include "cashbook/statement.h"

#include "cashbook/balance.h"
#include "cashbook/movement_record.h"
#include "core/dates.h"
#include "core/ini_file.h"
#include "core/list_text.h"
#include "core/text.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace cashbook {

namespace {

void add(Sums& s, char sign, core::Cents cents) {
    if (sign == '+')
        s.income += cents;
    else if (sign == '-')
        s.expenses += cents;
    s.balance += cents;
    ++s.count;
}

void add(Figures& f, char sign, core::Cents cents, bool settled) {
    add(f.all, sign, cents);
    if (!settled) add(f.unsettled, sign, cents);
}

// Reasons are one when they differ only in the case of A-Z (the stored bytes are trimmed).
void foldedKey(QByteArrayView bytes, std::string& key) {
    key.assign(bytes.data(), std::size_t(bytes.size()));
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
}

QString reasonShown(const QString& reason) {
    return reason.isEmpty() ? u"(senza causale)"_qs : reason;
}

QString count(qint64 n) {
    return QString::number(n);
}

} // namespace

QString yearText(int year) {
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

Statement computeStatement(const core::Archive& archive, int year, const QDate& today) {
    Statement out;
    out.year = year;
    std::unordered_map<std::string, std::size_t> byReason;
    bool readable = true;
    std::string key;
    const bool read = archive.scanExisting([&](qint64, const char* rec) {
        const std::optional<QDate> date = storedDate(rec, Data, today);
        if (!date) return readable = false;
        if (date->year() != year) return true;
        const QByteArrayView total = storedText(rec, Totale);
        const std::optional<core::Cents> cents = core::parseCents(total);
        if (!cents) return readable = false;
        const char sign = total.isEmpty() ? 0 : total.front();
        const bool settled = storedText(rec, Saldato) == core::kYesStored;

        foldedKey(storedText(rec, Causale), key);
        auto [it, added] = byReason.try_emplace(key, out.reasons.size());
        if (added) out.reasons.push_back({load(rec, Causale), {}});
        add(out.reasons[it->second].figures, sign, *cents, settled);
        add(out.months[date->month() - 1], sign, *cents, settled);
        add(out.total, sign, *cents, settled);
        return true;
    });
    if (!read || !readable) {
        out = Statement{};
        out.year = year;
        out.ok = false;
        return out;
    }
    std::stable_sort(out.reasons.begin(), out.reasons.end(),
                     [](const ReasonFigures& a, const ReasonFigures& b) {
                         return core::listTextLess(a.reason, b.reason);
                     });
    return out;
}

Opening openingBalance(const QString& folder, int year, const QDate& today) {
    // The consecutive year files before `year`; the earliest one starts from its kept amount.
    int first = year;
    while (first > 0 && QFileInfo::exists(QDir(folder).filePath(yearFileName(yearText(first - 1)))))
        --first;
    Opening out;
    const QString kept = core::IniFile::read(QDir(folder).filePath(kStatementIniName),
                                             kOpeningSection, yearText(first));
    out.cents = parseTypedAmount(kept).value_or(0);
    out.fromPreviousYear = first < year;
    for (int y = first; y < year; ++y) {
        const core::Archive archive(folder, yearFileName(yearText(y)), movementLayout());
        const Statement s = computeStatement(archive, y, today);
        if (!s.ok) return {0, out.fromPreviousYear, false};
        out.cents += s.total.all.balance;
    }
    return out;
}

bool storeOpeningBalance(const QString& folder, int year, core::Cents cents) {
    core::IniFile ini(QDir(folder).filePath(kStatementIniName));
    if (!ini.load()) return false;
    ini.setValue(kOpeningSection, yearText(year), core::formatCents(cents));
    return ini.save();
}

std::optional<core::Cents> parseTypedAmount(const QString& typed) {
    QString s = core::trimText(typed);
    if (s.endsWith(u'\u20ac')) s = core::trimText(s.chopped(1));
    const qsizetype comma = s.indexOf(u',');
    const QString whole = comma < 0 ? s : s.left(comma);
    if (whole.contains(u'.')) {
        // Dots only as thousands separators: "1.234.567", never "12.50".
        QString digits = whole;
        if (digits.startsWith(u'-') || digits.startsWith(u'+')) digits.remove(0, 1);
        const QStringList groups = digits.split(u'.');
        if (groups.front().isEmpty() || groups.front().size() > 3) return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i)
            if (groups[i].size() != 3) return std::nullopt;
        s.remove(0, whole.size()).prepend(QString(whole).remove(u'.'));
    }
    if (s.isEmpty()) return std::nullopt;
    return core::parseCents(s);
}

QString euroText(core::CentsTotal cents) {
    QString text = core::formatCents(cents);
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = text.size() - 6; i > start; i -= 3)
        text.insert(i, u'.');
    return text + u" \u20ac"_qs;
}

std::array<core::CentsTotal, 12> runningBalances(const Statement& s, core::CentsTotal opening) {
    std::array<core::CentsTotal, 12> out{};
    core::CentsTotal running = opening;
    for (int m = 0; m < 12; ++m)
        out[m] = running += s.months[m].all.balance;
    return out;
}

StatementTable reasonTable(const Statement& s, AmountText amount) {
    StatementTable t{{u"Causale"_qs, u"Entrate"_qs, u"Uscite"_qs, u"Saldo"_qs, u"Movimenti"_qs},
                     {}};
    for (const ReasonFigures& r : s.reasons) {
        const Sums& a = r.figures.all;
        t.rows.push_back({reasonShown(r.reason), amount(a.income), amount(a.expenses),
                          amount(a.balance), count(a.count)});
    }
    return t;
}

StatementTable monthTable(const Statement& s, core::CentsTotal opening, AmountText amount) {
    StatementTable t{
        {u"Mese"_qs, u"Entrate"_qs, u"Uscite"_qs, u"Saldo"_qs, u"Saldo progressivo"_qs}, {}};
    const std::array<core::CentsTotal, 12> running = runningBalances(s, opening);
    for (int m = 0; m < 12; ++m) {
        const Sums& a = s.months[m].all;
        t.rows.push_back({monthNames()[m], amount(a.income), amount(a.expenses), amount(a.balance),
                          amount(running[m])});
    }
    return t;
}

std::vector<TotalLine> totalLines(const Statement& s, core::CentsTotal opening) {
    const Sums& all = s.total.all;
    const Sums& open = s.total.unsettled;
    return {{u"Saldo iniziale"_qs, opening, std::nullopt},
            {u"Totale entrate"_qs, all.income, open.income},
            {u"Totale uscite"_qs, all.expenses, open.expenses},
            {u"Saldo dell'anno"_qs, all.balance, open.balance},
            {u"Saldo finale"_qs, opening + all.balance, std::nullopt}};
}

QString unsettledText(core::CentsTotal cents, AmountText amount) {
    return u"di cui non saldati: "_qs + amount(cents);
}

StatementTable statementSheet(const Statement& s, core::CentsTotal opening) {
    StatementTable sheet = reasonTable(s, core::formatCents);
    const Sums& all = s.total.all;
    const Sums& open = s.total.unsettled;
    sheet.rows.push_back({u"Totale"_qs, core::formatCents(all.income),
                          core::formatCents(all.expenses), core::formatCents(all.balance),
                          count(all.count)});
    sheet.rows.push_back({u"di cui non saldati"_qs, core::formatCents(open.income),
                          core::formatCents(open.expenses), core::formatCents(open.balance),
                          count(open.count)});
    const StatementTable months = monthTable(s, opening, core::formatCents);
    sheet.rows.push_back({});
    sheet.rows.push_back(months.headings);
    sheet.rows.insert(sheet.rows.end(), months.rows.begin(), months.rows.end());
    sheet.rows.push_back({});
    sheet.rows.push_back({u"Saldo iniziale"_qs, {}, {}, core::formatCents(opening)});
    sheet.rows.push_back({u"Saldo finale"_qs, {}, {}, core::formatCents(opening + all.balance)});
    return sheet;
}

std::vector<Slice> expenseSlices(const Statement& s, int keep) {
    std::vector<Slice> all;
    for (const ReasonFigures& r : s.reasons)
        if (r.figures.all.expenses < 0)
            all.push_back({reasonShown(r.reason), -r.figures.all.expenses});
    std::stable_sort(all.begin(), all.end(),
                     [](const Slice& a, const Slice& b) { return a.cents > b.cents; });
    if (qsizetype(all.size()) <= keep) return all;
    Slice rest{u"Altre"_qs, 0};
    for (std::size_t i = std::size_t(keep); i < all.size(); ++i)
        rest.cents += all[i].cents;
    all.resize(std::size_t(keep));
    all.push_back(rest);
    return all;
}

} // namespace cashbook
