#include "deadline_fixture.h"
#include "deadlines/deadline_lists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace deadlines;
using deadline_tests::deadline;
using deadline_tests::yearArchive;

namespace {

// A deadline with its own reason, payer and amount on top of the fixture's record.
QStringList sheet(const QString& data, const QString& dettagli, const QString& pagatore = "Rossi",
                  const QString& ore = "09", const QString& minuti = "30") {
    QStringList v = deadline(data, "5", ore, minuti);
    v[Dettagli] = dettagli;
    v[Pagatore] = pagatore;
    v[Costo] = "12,50";
    return v;
}

// A year folder with the given records of 2026 saved in order.
struct Year {
    QTemporaryDir dir;
    core::Archive archive = yearArchive(dir.path(), 2026);
    void add(const QStringList& values, int year = 2026) {
        ASSERT_TRUE(yearArchive(dir.path(), year).save(0, values));
    }
    QString folder() const { return dir.path(); }
};

QStringList column(const core::ListRows& g, int c) {
    QStringList out;
    for (qsizetype r = 0; r < g.cells.rowCount(); ++r)
        out << g.cells.text(r, c);
    return out;
}

} // namespace

TEST(DeadlineLines, SummaryLinePadsAndCutsEachPiece) {
    const QString line = summaryLine(QString(40, u'r'), "05/03/2026", "09:30", QString(34, u'p'),
                                     "Circolo", "1.234,5678");
    const QString expected = QString(35, u'r') +
                             "  Data: 05/03/2026  Ora: 09:30  Da: " + QString(30, u'p') +
                             "  A:  " + "Circolo" + QString(23, u' ') + "  \u20ac 1.234,5678";
    EXPECT_EQ(line, expected);
    EXPECT_EQ(line.size(), 141 + 10);
    // Short and empty pieces keep their columns.
    EXPECT_EQ(summaryLine("", "", "", "", "", "").size(), 141);
}

TEST(DeadlineLines, SummariesKeepTheExactFlagWords) {
    struct {
        const char* daConfermare;
        const char* effettuata;
        bool toConfirm, toPay, paid;
    } cases[] = {
        {"S\u00ec", "No", true, true, false},
        {"No", "S\u00ec", false, false, true},
        {"", "", false, false, false},
        {"si", "no", false, false, false}, // only the exact words count
    };
    for (const auto& c : cases) {
        QStringList v = deadline("05/03/2026", "5");
        v[DaConfermare] = QString::fromUtf8(c.daConfermare);
        v[Effettuata] = QString::fromUtf8(c.effettuata);
        QByteArray rec(kDeadlineRecordLength, '\0');
        deadlineLayout().storeAll(rec.data(), v);
        EXPECT_EQ(summaryTest(Summary::ToConfirm)(rec.constData()), c.toConfirm) << c.daConfermare;
        EXPECT_EQ(summaryTest(Summary::ToPay)(rec.constData()), c.toPay) << c.effettuata;
        EXPECT_EQ(summaryTest(Summary::Paid)(rec.constData()), c.paid) << c.effettuata;
    }
}

TEST(DeadlineLines, ListIsSortedByTheWholeLineNotByDate) {
    Year y;
    y.add(sheet("10/01/2026", "Affitto"));
    y.add(sheet("02/03/2026", "affitto"));
    y.add(sheet("05/02/2026", "Bollo"));
    y.add(sheet("01/01/2026", "\u00c8 tassa")); // accented capital: after every ASCII letter
    const core::ListRows l = listLines(y.archive, summaryTest(Summary::ToPay));
    ASSERT_TRUE(l.readWhole);
    ASSERT_EQ(l.lines.size(), 4);
    EXPECT_TRUE(l.lines[0].startsWith("affitto") && l.lines[0].contains("02/03/2026"))
        << l.lines[0].toStdString(); // same reason in any case: by the date's text, day first
    EXPECT_TRUE(l.lines[1].contains("10/01/2026"));
    EXPECT_TRUE(l.lines[2].startsWith("Bollo"));
    EXPECT_TRUE(l.lines[3].startsWith("\u00c8"));
}

TEST(DeadlineSearch, CriteriaTable) {
    Year y;
    QStringList a = sheet("05/03/2024", "Quota annuale", "ROSSI ANNA");
    a[Note] = "pagare in contanti";
    QStringList b = sheet("12/04/2024", "Affitto sala", "Bianchi Rossella");
    b[CodFisc] = "BNCRSL80A41H501Z";
    QStringList c = sheet("20/03/2024", "Quota annuale", "Verdi", "15", "00");
    c[Beneficiario] = "Circolo Aurora & C.";
    for (const QStringList& v : {a, b, c})
        y.add(v, 2024);
    const core::Archive archive = yearArchive(y.folder(), 2024);

    struct Case {
        const char* name;
        std::vector<std::pair<DeadlineField, QString>> typed;
        int inUse;
        QStringList payers; // in list order
    };
    const Case cases[] = {
        {"no criterion lists every sheet", {}, 0, {"Bianchi Rossella", "ROSSI ANNA", "Verdi"}},
        {"blank-only fields are ignored",
         {{Pagatore, "   "}, {Note, "\t"}},
         0,
         {"Bianchi Rossella", "ROSSI ANNA", "Verdi"}},
        {"lower case finds capitals", {{Pagatore, "ross"}}, 1, {"Bianchi Rossella", "ROSSI ANNA"}},
        {"two criteria must both hold",
         {{Pagatore, "ROSS"}, {Dettagli, "quota"}},
         2,
         {"ROSSI ANNA"}},
        {"a date part is a substring", {{Data, "03/2024"}}, 1, {"ROSSI ANNA", "Verdi"}},
        {"time", {{Ora, "15:"}}, 1, {"Verdi"}},
        {"typed blanks count: a trailing blank finds nothing at the end of a field",
         {{Note, "contanti "}},
         1,
         {}},
        {"leading blanks inside the field text match", {{Note, " in "}}, 1, {"ROSSI ANNA"}},
        {"other fields", {{CodFisc, "h501"}, {Beneficiario, "& c."}}, 2, {}},
        {"fiscal code", {{CodFisc, "h501"}}, 1, {"Bianchi Rossella"}},
        {"beneficiary", {{Beneficiario, "aurora &"}}, 1, {"Verdi"}},
        {"nothing matches", {{NumTessera, "7"}}, 1, {}},
    };
    for (const Case& k : cases) {
        DeadlineCriteria criteria;
        for (const auto& [field, text] : k.typed) {
            const auto at = std::find(kSearchFields.begin(), kSearchFields.end(), field);
            ASSERT_NE(at, kSearchFields.end());
            criteria[size_t(at - kSearchFields.begin())] = text;
        }
        EXPECT_EQ(criteriaInUse(criteria), k.inUse) << k.name;
        const core::ListRows l = listLines(archive, criteriaTest(criteria));
        ASSERT_TRUE(l.readWhole);
        QStringList payers;
        for (const QString& line : l.lines)
            payers << line.mid(35 + 8 + 10 + 7 + 5 + 6, 30).trimmed();
        EXPECT_EQ(payers, k.payers) << k.name;
    }
}

TEST(DeadlineLines, IdenticalLinesKeepTheirOwnRecords) {
    Year y;
    QStringList open = sheet("05/03/2026", "Quota");
    QStringList paid = open;
    paid[Effettuata] = kYes;
    QStringList longer = open;
    longer[Note] = "differs outside the line";
    y.add(open);   // 1
    y.add(longer); // 2: same line, still to pay
    y.add(paid);   // 3: same line, already paid
    const core::ListRows toPay = listLines(y.archive, summaryTest(Summary::ToPay));
    ASSERT_EQ(toPay.lines.size(), 2);
    EXPECT_EQ(toPay.lines[0], toPay.lines[1]);
    EXPECT_EQ(toPay.records, (std::vector<qint64>{1, 2}));
    EXPECT_EQ(listLines(y.archive, summaryTest(Summary::Paid)).records, std::vector<qint64>{3});

    ASSERT_TRUE(QFile::remove(y.archive.path()));
    ASSERT_TRUE(QDir(y.folder()).mkdir("2026.sca"));
    EXPECT_FALSE(listLines(y.archive, summaryTest(Summary::ToPay)).readWhole);
}

TEST(DeadlineGrids, DayAndMonthListsInChronologicalOrderWithReadingNumbers) {
    Year y;
    y.add(sheet("15/03/2026", "A", "Rossi", "10", "00"));
    y.add(sheet("01/03/2026", "B", "Rossi", "09", "00"));
    y.add(sheet("15/03/2026", "C", "Rossi", "08", "30"));
    y.add(sheet("15/04/2026", "D", "Rossi", "08", "00"));

    const core::ListRows day = dayRows(y.folder(), QDate(2026, 3, 15));
    ASSERT_TRUE(day.readWhole);
    EXPECT_EQ(column(day, 2), QStringList({"08:30", "10:00"}));
    EXPECT_EQ(column(day, 0), QStringList({"2", "1"}));

    const core::ListRows month = monthRows(y.folder(), QDate(2026, 3, 31));
    ASSERT_TRUE(month.readWhole);
    EXPECT_EQ(column(month, 1), QStringList({"01/03/2026", "15/03/2026", "15/03/2026"}));
    EXPECT_EQ(column(month, 2), QStringList({"09:00", "08:30", "10:00"}));
    EXPECT_EQ(column(month, 0), QStringList({"2", "3", "1"}));
    EXPECT_EQ(column(month, kGridKeyColumn), QStringList({"03010900", "03150830", "03151000"}));
    ASSERT_EQ(month.cells.columnCount(), 21);
    EXPECT_EQ(month.cells.text(0, 13), "B"); // reason
    EXPECT_EQ(month.cells.text(0, 15), "12,50");
    EXPECT_EQ(month.cells.text(0, 17), "No");
}

TEST(DeadlineGrids, MonthListReadsMonthNameAndYearFieldsDayListReadsTheDate) {
    Year y;
    QStringList oddCase = sheet("05/03/2026", "lower-case month");
    oddCase[Mese] = "MARZO";
    QStringList otherYear = sheet("06/03/2026", "year field of another year");
    otherYear[Anno] = "2025";
    QStringList dateDisagrees = sheet("07/03/2026", "date of April");
    dateDisagrees[Data] = "07/04/2026";
    for (const QStringList& v : {oddCase, otherYear, dateDisagrees})
        y.add(v);
    const core::ListRows month = monthRows(y.folder(), QDate(2026, 3, 1));
    EXPECT_EQ(column(month, 13), QStringList({"lower-case month", "date of April"}));
    EXPECT_EQ(column(dayRows(y.folder(), QDate(2026, 4, 7)), 13), QStringList{"date of April"});
}

TEST(DeadlineGrids, DayOfAYearWithoutFileCreatesItEmpty) {
    Year y;
    const core::ListRows rows = dayRows(y.folder(), QDate(2031, 5, 1));
    EXPECT_TRUE(rows.readWhole);
    EXPECT_EQ(rows.cells.rowCount(), 0);
    EXPECT_TRUE(QFile::exists(QDir(y.folder()).filePath("2031.sca")));
    EXPECT_EQ(QFileInfo(QDir(y.folder()).filePath("2031.sca")).size(), 0);
}

TEST(DeadlineGrids, ImminentListOnTheTenthOfMarch) {
    Year y;
    QStringList paid = sheet("12/03/2026", "paid, 5 days");
    paid[Effettuata] = kYes;
    QStringList today = sheet("10/03/2026", "today, 0 days");
    today[Avviso] = "0";
    y.add(sheet("09/03/2026", "yesterday"));
    y.add(paid);
    y.add(today);
    const core::ListRows rows = imminentRows(y.folder(), QDate(2026, 3, 10));
    ASSERT_TRUE(rows.readWhole);
    EXPECT_EQ(column(rows, 13), QStringList({"today, 0 days", "paid, 5 days"}));
    EXPECT_EQ(column(rows, 0), QStringList({"2", "1"}));
}

TEST(DeadlineGrids, ImminentListInDecemberReachesJanuarySkippingBadRecords) {
    Year y;
    QStringList badDate = sheet("31/04/2026", "no such date");
    QStringList badNotice = sheet("30/12/2026", "notice not a number");
    badNotice[Avviso] = "x";
    y.add(badDate);
    y.add(sheet("30/12/2026", "late December"));
    y.add(badNotice);
    y.add(sheet("28/12/2026", "earlier December", "Rossi", "18", "00"));
    y.add(sheet("02/01/2027", "early January", "Rossi", "08", "00"), 2027);

    const core::ListRows rows = imminentRows(y.folder(), QDate(2026, 12, 28));
    ASSERT_TRUE(rows.readWhole);
    EXPECT_EQ(column(rows, 13),
              QStringList({"earlier December", "late December", "early January"}));
    EXPECT_EQ(column(rows, kGridKeyColumn), QStringList({"12281800", "12300930", "01020800"}));
    EXPECT_EQ(column(rows, 0), QStringList({"2", "1", "3"}));
    // The following years are only read: nothing is created beyond the current year.
    EXPECT_EQ(QDir(y.folder()).entryList({"*.sca"}, QDir::Files),
              QStringList({"2026.sca", "2027.sca"}));
}

TEST(DeadlineGrids, UnreadableFileKeepsTheRowsSoFarAndSaysSo) {
    Year y;
    y.add(sheet("30/12/2026", "b"));
    y.add(sheet("29/12/2026", "a"));
    ASSERT_TRUE(QDir(y.folder()).mkdir("2027.sca")); // a year file that cannot be read
    const core::ListRows rows = imminentRows(y.folder(), QDate(2026, 12, 28));
    EXPECT_FALSE(rows.readWhole);
    EXPECT_EQ(column(rows, 13), QStringList({"b", "a"})); // unsorted
}

TEST(DeadlineGrids, WholeYearInFileOrderWithoutKey) {
    Year y;
    y.add(sheet("15/03/2026", "first"));
    y.add(sheet("01/01/2026", "second"));
    const core::ListRows rows = yearRows(y.archive);
    ASSERT_TRUE(rows.readWhole);
    ASSERT_EQ(rows.cells.rowCount(), 2);
    EXPECT_EQ(rows.cells.text(0, 13), "first");
    EXPECT_EQ(rows.cells.text(1, 13), "second");
    EXPECT_EQ(rows.cells.text(1, 0), "2");
    EXPECT_EQ(rows.cells.columnCount(), 20);
    EXPECT_EQ(yearRows(yearArchive(y.folder(), 2025)).cells.rowCount(), 0);
}
