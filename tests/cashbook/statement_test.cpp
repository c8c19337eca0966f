#include "cashbook/balance.h"
#include "cashbook/statement.h"

#include "cashbook_fixture.h"
#include "core/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;

namespace {

const QDate kToday(2026, 3, 15);

QStringList dated(QStringList v, const char* date, const char* reason, bool settled = true) {
    v[Data] = QString::fromLatin1(date);
    v[Causale] = QString::fromUtf8(reason);
    v[Saldato] = settled ? kYes : kNo;
    return v;
}

struct Folder {
    QTemporaryDir dir;
    QString year(const char* y) const { return yearPath(dir.path(), QString::fromLatin1(y)); }
    void add(const char* y, const QStringList& v) const { addMovement(year(y), v); }
    Statement statement(int y) const {
        return computeStatement(yearArchive(year(qPrintable(yearText(y)))), y, kToday);
    }
    void keep(const char* y, const char* amount) const {
        ASSERT_TRUE(core::IniFile::write(dir.filePath(kStatementIniName), kOpeningSection,
                                         QString::fromLatin1(y), QString::fromLatin1(amount)));
    }
};

// A year of movements: reasons in mixed case and with blanks, unsettled ones, a movement of
// another year that must not count.
void fillYear(const Folder& f) {
    f.add("2026", dated(income(u"100,00"_qs), "15/01/2026", "Quota sociale"));
    f.add("2026", dated(expense(u"40,00"_qs), "31/01/2026", "Affitto sala"));
    f.add("2026", dated(income(u"50,50"_qs), "20/02/2026", "  quota SOCIALE ", false));
    f.add("2026", dated(expense(u"1234,56"_qs), "01/03/2026", "affitto sala", false));
    f.add("2026", dated(income(u"999,00"_qs), "15/03/2025", "Quota sociale"));
    f.add("2026", dated(income(u"0,10"_qs), "31/12/2026", "Contributo"));
    f.add("2026", dated(expense(u"0,30"_qs), "31/12/2026", "contributo"));
}

std::vector<QStringList> rows(const StatementTable& t) {
    return t.rows;
}

} // namespace

TEST(Statement, FiguresByReasonAndByMonth) {
    Folder f;
    fillYear(f);
    const Statement s = f.statement(2026);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(rows(reasonTable(s, euroText)),
              (std::vector<QStringList>{
                  {u"Affitto sala"_qs, u"0,00 €"_qs, u"-1.274,56 €"_qs, u"-1.274,56 €"_qs, u"2"_qs},
                  {u"Contributo"_qs, u"0,10 €"_qs, u"-0,30 €"_qs, u"-0,20 €"_qs, u"2"_qs},
                  {u"Quota sociale"_qs, u"150,50 €"_qs, u"0,00 €"_qs, u"150,50 €"_qs, u"2"_qs}}));

    const std::vector<QStringList> months = rows(monthTable(s, 100000, euroText));
    const std::vector<QStringList> expected = {
        {u"Gennaio"_qs, u"100,00 €"_qs, u"-40,00 €"_qs, u"60,00 €"_qs, u"1.060,00 €"_qs},
        {u"Febbraio"_qs, u"50,50 €"_qs, u"0,00 €"_qs, u"50,50 €"_qs, u"1.110,50 €"_qs},
        {u"Marzo"_qs, u"0,00 €"_qs, u"-1.234,56 €"_qs, u"-1.234,56 €"_qs, u"-124,06 €"_qs},
        {u"Aprile"_qs, u"0,00 €"_qs, u"0,00 €"_qs, u"0,00 €"_qs, u"-124,06 €"_qs}};
    EXPECT_EQ(std::vector<QStringList>(months.begin(), months.begin() + 4), expected);
    EXPECT_EQ(months[11], (QStringList{u"Dicembre"_qs, u"0,10 €"_qs, u"-0,30 €"_qs, u"-0,20 €"_qs,
                                       u"-124,26 €"_qs}));

    QStringList closing;
    for (const TotalLine& l : totalLines(s, 100000))
        closing << l.caption + u' ' + euroText(l.cents) +
                       (l.unsettled ? u" / "_qs + euroText(*l.unsettled) : QString());
    EXPECT_EQ(closing,
              (QStringList{u"Saldo iniziale 1.000,00 €"_qs, u"Totale entrate 150,60 € / 50,50 €"_qs,
                           u"Totale uscite -1.274,86 € / -1.234,56 €"_qs,
                           u"Saldo dell'anno -1.124,26 € / -1.184,06 €"_qs,
                           u"Saldo finale -124,26 €"_qs}));
    EXPECT_EQ(s.total.all.count, 6);
    EXPECT_EQ(s.total.unsettled.count, 2);
}

TEST(Statement, AgreesWithTheBalanceOfEveryMonthAndOfTheYear) {
    Folder f;
    fillYear(f);
    // Totals in less usual forms, as other software may have stored them.
    for (const char* total : {"+7", "-0,305", "+0012,5", "7,25", "+99999999999,99"})
        f.add("2026",
              dated(movementValues({{Totale, QString::fromLatin1(total)}}), "05/05/2026", "Varie"));
    const Statement s = f.statement(2026);
    const core::Archive archive = yearArchive(f.year("2026"));
    for (int m = 0; m <= 12; ++m) {
        const QDate from = m < 12 ? QDate(2026, m + 1, 1) : QDate(2026, 1, 1);
        const QDate to = m < 12 ? from.addMonths(1).addDays(-1) : QDate(2026, 12, 31);
        const Balance b = computeBalance(archive, {}, from, to, kToday);
        const Sums& sums = m < 12 ? s.months[m].all : s.total.all;
        EXPECT_EQ((Sums{b.income, b.expenses, b.total, b.lines.size()}), sums) << "month " << m;
    }
}

TEST(Statement, AYearThatCannotBeReadShowsNothing) {
    Folder damaged;
    fillYear(damaged);
    damaged.add("2026", dated(income(u"abc"_qs), "10/10/2026", "Quota sociale"));
    Folder badDate;
    badDate.add("2026", dated(income(u"1,00"_qs), "32/01/2026", "Quota sociale"));
    Folder unreadable;
    ASSERT_TRUE(QDir().mkdir(unreadable.year("2026")));
    for (const Folder* f : {&damaged, &badDate, &unreadable}) {
        const Statement s = f->statement(2026);
        EXPECT_FALSE(s.ok);
        EXPECT_TRUE(s.reasons.empty());
        EXPECT_EQ(s.total, Figures{});
    }

    Folder missing;
    EXPECT_TRUE(missing.statement(2026).ok);
    EXPECT_FALSE(QFile::exists(missing.year("2026"))); // looked at, never created
}

TEST(Statement, OpeningBalance) {
    struct Case {
        const char* name;
        std::function<void(const Folder&)> setUp;
        core::CentsTotal cents;
        bool fromPreviousYear, ok;
    };
    const Case cases[] = {
        {"nothing kept", [](const Folder&) {}, 0, false, true},
        {"kept for the year",
         [](const Folder& f) {
             f.keep("2026", "-1234,56");
             f.keep("2025", "7,00");
         },
         -123456, false, true},
        {"previous year's closing balance",
         [](const Folder& f) {
             f.keep("2026", "999,00"); // no longer used
             f.keep("2025", "50,00");
             f.add("2025", dated(income(u"100,00"_qs), "01/06/2025", "Quota"));
             f.add("2025", dated(expense(u"30,00"_qs), "02/06/2025", "Affitto", false));
             f.add("2025", dated(expense(u"5,00"_qs), "02/06/2024", "Affitto")); // not of 2025
         },
         12000, true, true},
        {"back through every year with a file",
         [](const Folder& f) {
             f.keep("2024", "10,00");
             f.keep("2025", "500,00"); // 2025 follows 2024
             f.add("2024", dated(income(u"1,00"_qs), "01/06/2024", "Quota"));
             f.add("2025", dated(income(u"2,00"_qs), "01/06/2025", "Quota"));
         },
         1300, true, true},
        {"previous year's file unreadable",
         [](const Folder& f) { ASSERT_TRUE(QDir().mkdir(f.year("2025"))); }, 0, true, false},
    };
    for (const Case& c : cases) {
        Folder f;
        c.setUp(f);
        const Opening o = openingBalance(f.dir.path(), 2026, kToday);
        EXPECT_EQ(o.cents, c.cents) << c.name;
        EXPECT_EQ(o.fromPreviousYear, c.fromPreviousYear) << c.name;
        EXPECT_EQ(o.ok, c.ok) << c.name;
        EXPECT_FALSE(QFile::exists(f.year("2026"))) << c.name;
    }
}

TEST(Statement, TypedOpeningBalanceIsKeptBesideOtherKeys) {
    Folder f;
    f.keep("2024", "3,00");
    ASSERT_TRUE(storeOpeningBalance(f.dir.path(), 2026, -205));
    EXPECT_EQ(core::IniFile::read(f.dir.filePath(kStatementIniName), kOpeningSection, u"2026"_qs),
              u"-2,05"_qs);
    EXPECT_EQ(openingBalance(f.dir.path(), 2026, kToday).cents, -205);
    EXPECT_EQ(openingBalance(f.dir.path(), 2024, kToday).cents, 300);
    EXPECT_FALSE(QFile::exists(f.year("2025")));
}

TEST(Statement, TypedAmountsAndEuroTexts) {
    const std::pair<const char*, std::optional<core::Cents>> typed[] = {
        {"1.234,56 \u20ac", 123456}, {"-1.234,5", -123450}, {"  12 ", 1200},
        {"1.234.567", 123456700},    {"0,005", 1},          {"12.50", std::nullopt},
        {"1.2345,00", std::nullopt}, {"", std::nullopt},    {"abc", std::nullopt},
        {".123", std::nullopt},      {"--1", std::nullopt},
    };
    for (const auto& [text, cents] : typed)
        EXPECT_EQ(parseTypedAmount(QString::fromUtf8(text)), cents) << text;

    const std::pair<core::CentsTotal, const char*> shown[] = {
        {0, "0,00 \u20ac"},
        {-30, "-0,30 \u20ac"},
        {99999, "999,99 \u20ac"},
        {100000, "1.000,00 \u20ac"},
        {-123456789, "-1.234.567,89 \u20ac"},
    };
    for (const auto& [cents, text] : shown)
        EXPECT_EQ(euroText(cents), QString::fromUtf8(text));
}

TEST(Statement, ExpenseSlicesKeepTheLargestEight) {
    Folder f;
    for (int i = 1; i <= 10; ++i)
        f.add("2026", dated(expense(QString::number(i) + u",00"_qs), "01/05/2026",
                            qPrintable(u"Spesa "_qs + QString::number(i))));
    f.add("2026", dated(income(u"500,00"_qs), "01/05/2026", "Quota"));
    const std::vector<Slice> slices = expenseSlices(f.statement(2026));
    ASSERT_EQ(slices.size(), 9u);
    EXPECT_EQ(slices.front().label, u"Spesa 10"_qs);
    EXPECT_EQ(slices.front().cents, 1000);
    EXPECT_EQ(slices[7].label, u"Spesa 3"_qs);
    EXPECT_EQ(slices.back().label, u"Altre"_qs);
    EXPECT_EQ(slices.back().cents, 300); // 2,00 + 1,00
}

TEST(Statement, SheetRows) {
    Folder f;
    fillYear(f);
    const StatementTable sheet = statementSheet(f.statement(2026), 100000);
    EXPECT_EQ(sheet.headings, (QStringList{u"Causale"_qs, u"Entrate"_qs, u"Uscite"_qs, u"Saldo"_qs,
                                           u"Movimenti"_qs}));
    ASSERT_EQ(sheet.rows.size(), 3u + 2 + 1 + 13 + 1 + 2);
    EXPECT_EQ(sheet.rows[0], (QStringList{u"Affitto sala"_qs, u"0,00"_qs, u"-1274,56"_qs,
                                          u"-1274,56"_qs, u"2"_qs}));
    EXPECT_EQ(sheet.rows[4], (QStringList{u"di cui non saldati"_qs, u"50,50"_qs, u"-1234,56"_qs,
                                          u"-1184,06"_qs, u"2"_qs}));
    EXPECT_EQ(sheet.rows[6].value(4), u"Saldo progressivo"_qs);
    EXPECT_EQ(sheet.rows.back(), (QStringList{u"Saldo finale"_qs, {}, {}, u"-124,26"_qs}));
}
