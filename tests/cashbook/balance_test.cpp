#include "cashbook/balance.h"

#include "cashbook/movement_record.h"

#include "cashbook_fixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;
using platform::MsgKind;

namespace {

const QDate kToday(2026, 3, 15);

struct Year {
    QTemporaryDir dir;
    QString path = yearPath(dir.path());
    core::Archive archive = yearArchive(path);
    void add(const QStringList& v) { addMovement(path, v); }
    Balance balance(const QString& filter = {}, QDate from = {2026, 1, 1},
                    QDate to = {2026, 12, 31}) const {
        return computeBalance(archive, filter, from, to, kToday);
    }
};

struct Totals {
    QString income, expenses, total;
    bool operator==(const Totals&) const = default;
};
Totals totals(const Balance& b) {
    return {totalText(b.income), totalText(b.expenses), totalText(b.total)};
}

} // namespace

TEST(Balance, WorkedFiguresAndExactCents) {
    Year a;
    a.add(income(u"100,00"_qs));
    a.add(expense(u"40,00"_qs));
    EXPECT_EQ(totals(a.balance()),
              (Totals{u"100,00 \u20ac"_qs, u"-40,00 \u20ac"_qs, u"60,00 \u20ac"_qs}));

    // In binary floating point these three sum to -5.55e-17, printed "-0,00".
    Year b;
    b.add(expense(u"0,10"_qs));
    b.add(expense(u"0,20"_qs));
    b.add(income(u"0,30"_qs));
    EXPECT_EQ(totals(b.balance()),
              (Totals{u"0,30 \u20ac"_qs, u"-0,30 \u20ac"_qs, u"0,00 \u20ac"_qs}));

    // Large totals keep every digit, never an exponent.
    Year c;
    for (int i = 0; i < 3; ++i)
        c.add(income(u"99999999999,99"_qs));
    EXPECT_EQ(totalText(c.balance().total), u"299999999999,97 \u20ac"_qs);
}

TEST(Balance, IntervalEndsAreIncludedAndOtherYearsNeverCount) {
    Year y;
    for (const char* d : {"28/02/2026", "01/03/2026", "31/03/2026", "01/04/2026", "15/03/2025"})
        y.add(income(u"1,00"_qs, {{Data, QString::fromLatin1(d)}}));
    const Balance march = y.balance({}, {2026, 3, 1}, {2026, 3, 31});
    EXPECT_EQ(march.lines.size(), 2);
    EXPECT_EQ(totalText(march.total), u"2,00 \u20ac"_qs);
    EXPECT_EQ(y.balance().lines.size(), 4);
}

TEST(Balance, ReasonFilterAndLines) {
    Year y;
    y.add(income(u"10,00"_qs, {{Causale, u"quota sociale"_qs}, {Pagatore, u"Bianchi"_qs}}));
    y.add(income(u"20,00"_qs, {{Causale, u"QUOTE E QUOTA"_qs}}));
    y.add(expense(u"5,00"_qs, {{Causale, u"quote"_qs}}));
    EXPECT_EQ(y.balance(u"Quota"_qs).lines.size(), 2);
    EXPECT_EQ(y.balance(u"   "_qs).lines.size(), 3);
    EXPECT_EQ(filterTitle(u"   "_qs), u"- - -"_qs);
    EXPECT_EQ(filterTitle(u" Quota "_qs), u"Quota"_qs);

    const QStringList lines = y.balance().lines;
    EXPECT_EQ(lines[0], u"ENTRATA  quota sociale"_qs + QString(27, u' ') +
                            u"  Data: 15/03/2026  Da: Bianchi"_qs + QString(21, u' ') +
                            u"  A: Circolo"_qs + QString(21, u' ') + u"  Importo: +10,00"_qs);
    EXPECT_TRUE(lines[2].startsWith(u"USCITA   quote "_qs));
    EXPECT_TRUE(lines[2].endsWith(u"  Importo: -5,00"_qs));
}

// A summary that could not read every movement must not look finished.
TEST(Balance, FailsAsAWholeWhenTheFileCannotBeReadToTheEnd) {
    Year damaged;
    damaged.add(income(u"100,00"_qs));
    damaged.add(income(u"abc"_qs));
    damaged.add(income(u"5,00"_qs));
    Balance b = damaged.balance();
    EXPECT_FALSE(b.ok);
    EXPECT_TRUE(b.lines.isEmpty());
    EXPECT_EQ(b.total, 0);

    Year badDate;
    badDate.add(income(u"1,00"_qs, {{Data, u"32/01/2026"_qs}}));
    EXPECT_FALSE(badDate.balance().ok);
    // ... but a movement the filter leaves out is not looked at.
    EXPECT_TRUE(badDate.balance(u"nessuna"_qs).ok);

    Year unreadable;
    ASSERT_TRUE(QDir().mkdir(unreadable.path));
    EXPECT_FALSE(unreadable.balance().ok);

    Year missing;
    b = missing.balance();
    EXPECT_TRUE(b.ok);
    EXPECT_TRUE(QFile::exists(missing.path)); // created empty
    EXPECT_EQ(totalText(b.total), u"0,00 \u20ac"_qs);
}

TEST(Balance, IntervalChecksInOrder) {
    const QString attenzione = u"Attenzione: indicare il "_qs;
    const QString cascata = u" intervallo selezionandolo dall'elenco a cascata."_qs;
    const QString valid = u"\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario indicare "
                          u"una data valida."_qs;
    struct Case {
        IntervalForm form;
        MsgKind kind;
        QString text, control;
    };
    const Case cases[] = {
        {{u"226"_qs, {}, {}, {}, {}},
         MsgKind::Warning,
         u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs,
         u"txtAnno"_qs},
        {{u"2026"_qs, {}, {}, {}, {}},
         MsgKind::Warning,
         attenzione + u"giorno di inizio"_qs + cascata,
         u"txtGiornoInizio"_qs},
        {{u"2026"_qs, u"01"_qs, {}, {}, {}},
         MsgKind::Warning,
         attenzione + u"mese di inizio"_qs + cascata,
         u"txtMeseInizio"_qs},
        {{u"2026"_qs, u"01"_qs, u"Gennaio"_qs, {}, {}},
         MsgKind::Warning,
         attenzione + u"giorno di fine"_qs + cascata,
         u"txtGiornoFine"_qs},
        {{u"2026"_qs, u"01"_qs, u"Gennaio"_qs, u"31"_qs, {}},
         MsgKind::Warning,
         attenzione + u"mese di fine"_qs + cascata,
         u"txtMeseFine"_qs},
        {{u"2026"_qs, u"31"_qs, u"Febbraio"_qs, u"31"_qs, u"Aprile"_qs},
         MsgKind::Plain,
         u"Attenzione: la data 31/02/2026 di inizio intervallo non esiste."_qs + valid,
         u"txtGiornoInizio"_qs},
        {{u"2025"_qs, u"01"_qs, u"Febbraio"_qs, u"29"_qs, u"febbraio"_qs},
         MsgKind::Plain,
         u"Attenzione: la data 29/02/2025 di fine intervallo non esiste."_qs + valid,
         u"txtGiornoFine"_qs},
        {{u"2026"_qs, u"02"_qs, u"Marzo"_qs, u"01"_qs, u"Marzo"_qs},
         MsgKind::Plain,
         u"Attenzione: la data di fine intervallo (01/03/2026) non pu\u00f2 essere anteriore a "
         u"quella di inizio intervallo (02/03/2026).\n\r\n\rPer poter visualizzare il riepilogo "
         u"\u00e8 necessario indicare un intervallo di tempo valido."_qs,
         {}},
    };
    for (const Case& c : cases) {
        const IntervalCheck r = checkInterval(c.form, kToday);
        ASSERT_TRUE(r.problem) << c.text.toStdString();
        EXPECT_EQ(*r.problem, (platform::Problem{c.kind, c.text, c.control}));
    }
    const IntervalCheck ok =
        checkInterval({u"2024"_qs, u"29"_qs, u"FEBBRAIO"_qs, u"29"_qs, u"Febbraio"_qs}, kToday);
    EXPECT_FALSE(ok.problem);
    EXPECT_EQ(ok.start, u"29/02/2024"_qs);
    EXPECT_EQ(ok.end, u"29/02/2024"_qs);
}

TEST(Balance, PrintedClosingLinesAlign) {
    const QStringList printed = balancePrintLines(
        {u"ENTRATA  x"_qs}, {intervalText(u"01/01/2026"_qs, u"31/12/2026"_qs), u" 100,00 \u20ac"_qs,
                             u"-40,00 \u20ac"_qs, u"60,00 \u20ac"_qs});
    ASSERT_EQ(printed.size(), 6);
    EXPECT_EQ(printed[1], u"- - - - - - - - - - - - - - - -"_qs);
    EXPECT_EQ(printed[2], u"INTERVALLO SELEZIONATO :      Dal   01/01/2026   al   31/12/2026"_qs);
    for (int i = 2; i < 6; ++i) { // every value starts in column 31
        EXPECT_EQ(printed[i][29], u' ') << i;
        EXPECT_NE(printed[i][30], u' ') << i;
    }
    EXPECT_EQ(printed[3], u"TOTALE ENTRATE :              100,00 \u20ac"_qs);
    EXPECT_EQ(balancePrintTitle(u"- - -"_qs), u"PRIMANOTA E BILANCIO - Causale :  - - -"_qs);
}
