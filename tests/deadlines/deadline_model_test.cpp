#include "core/money.h"
#include "deadline_fixture.h"
#include "deadlines/deadline_alert.h"
#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"
#include "files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace deadlines;
using deadline_tests::deadline;
using deadline_tests::yearArchive;

TEST(DeadlineRecord, LayoutIsPinned) {
    const auto& l = deadlineLayout();
    EXPECT_EQ(l.recordLength(), kDeadlineRecordLength);
    EXPECT_EQ(l.fieldCount(), 25);
    struct {
        DeadlineField field;
        int offset;
    } pins[] = {{Mese, 3},     {Data, 19},           {Ora, 36},         {Avviso, 42},
                {CodFisc, 97}, {Anticipi, 298},      {Dettagli, 642},   {Costo, 1044},
                {Note, 1111},  {DaConfermare, 1362}, {Effettuata, 1365}};
    for (const auto& p : pins)
        EXPECT_EQ(l.offset(p.field), p.offset) << l.name(p.field);
}

TEST(DeadlineRecord, StoredRecordReadsBackFieldByFieldWithFlagBytes) {
    QTemporaryDir dir;
    const auto archive = yearArchive(dir.path(), 2026);
    QStringList values;
    for (int i = 0; i < DeadlineFieldCount; ++i) // a distinct text per field, within capacity
        values << QStringLiteral("%1%2").arg(i).arg(QString(kDeadlineFields[i].capacity - 2, u'x'));
    values[Dettagli] = QStringLiteral("Caff\u00e8 e citt\u00e0");
    values[DaConfermare] = kYes;
    values[Effettuata] = kNo;
    ASSERT_EQ(archive.save(0, values), 1);

    const auto back = archive.read(1);
    ASSERT_TRUE(back);
    for (int i = 0; i < DeadlineFieldCount; ++i)
        EXPECT_EQ((*back)[i], values[i]) << kDeadlineFields[i].name;

    const QByteArray bytes = testing_support::fileBytes(QDir(dir.path()).filePath("2026.sca"));
    ASSERT_EQ(bytes.size(), 1368);
    EXPECT_EQ(bytes.mid(1362, 3), QByteArray("\x02\x53\xEC", 3));
    EXPECT_EQ(bytes.mid(1365, 3), QByteArray("\x02\x4E\x6F", 3));
}

TEST(DeadlineRecord, YearFileNamesAndMonths) {
    EXPECT_EQ(yearFileName(QStringLiteral("2024")), "2024.sca");
    EXPECT_EQ(yearFileName(987), "0987.sca");
    EXPECT_EQ(monthNumber("Gennaio"), 1);
    EXPECT_EQ(monthNumber("DICEMBRE"), 12);
    EXPECT_EQ(monthNumber("Gennaioo"), 0);
    EXPECT_EQ(monthNumber(""), 0);
}

TEST(DeadlineRules, ImminenceBoundaries) {
    struct {
        const char* data;
        const char* avviso;
        QDate today;
        std::optional<bool> imminent;
    } cases[] = {
        {"10/03/2026", "5", {2026, 3, 4}, false},
        {"10/03/2026", "5", {2026, 3, 5}, true},
        {"10/03/2026", "5", {2026, 3, 10}, true},
        {"10/03/2026", "5", {2026, 3, 11}, false},
        {"10/03/2026", "0", {2026, 3, 10}, true},
        {"10/03/2026", "0", {2026, 3, 9}, false},
        {"02/01/2027", "10", {2026, 12, 23}, true}, // across the new year
        {"02/01/2027", "10", {2026, 12, 22}, false},
        {"01/03/2024", "1", {2024, 2, 29}, true},
        {"10/03/2026", "999", {2023, 6, 15}, true},
        {"31/04/2026", "5", {2026, 4, 28}, std::nullopt}, // no such date
        {"", "5", {2026, 3, 10}, std::nullopt},
        {"10/03/2026", "", {2026, 3, 10}, std::nullopt},
        {"10/03/2026", "5x", {2026, 3, 10}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isImminent(c.data, c.avviso, c.today), c.imminent)
            << c.data << " +" << c.avviso << " on " << c.today.toString().toStdString();
}

TEST(DeadlineRules, ChronologicalKeyOrdersByDateAndTime) {
    EXPECT_EQ(chronologicalKey("15/03/2026", "15", "09", "30"), "03150930");
    const QStringList a = deadline("15/03/2026", "1", "09", "30");
    EXPECT_EQ(chronologicalKey(a), chronologicalKey(deadline("15/03/2026", "7", "09", "30")));
    // In time order; text order of the keys must agree.
    const QStringList keys = {
        chronologicalKey(deadline("31/01/2026", "0", "23", "59")),
        chronologicalKey(deadline("01/02/2026", "0", "00", "00")),
        chronologicalKey(deadline("01/02/2026", "0", "00", "01")),
        chronologicalKey(deadline("10/12/2026", "0", "08", "00")),
    };
    QStringList sorted = keys;
    sorted.sort();
    EXPECT_EQ(sorted, keys);
}

TEST(DeadlineRules, AmountNormalisation) {
    struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"12", "12,00"},
        {"12,5", "12,50"},
        {"12,345", "12,345"},
        {"12,34567", "12,3457"},
        {"0,5", "0,50"},
        {"", "0,00"},
        {"   ", "0,00"},
        {"7", "7,00"},
        {" 7 ", "7,00"},
        {"1,2,3", "0,00"},
        {",", "0,00"},
        {"5,", "5,00"},
        {",5", "0,50"},
        {"007", "7,00"},
        {"12,300", "12,30"},
        {"12,00001", "12,00"},
        {"-5", "0,00"},
        {"1e3", "0,00"},
        // half up on the digits themselves, where binary rounding goes down
        {"0,00015", "0,0002"},
        {"1,00005", "1,0001"},
        {"2,34565", "2,3457"},
        {"9,99995", "10,00"},
        {"999,99999", "1000,00"},
        {"123456789012345", "123456789012345,00"}, // exact: no binary float in the way
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::normaliseAmount(c.typed, kCostoPlaces), c.kept)
            << "typed: '" << c.typed << "'";
}

namespace {

// A sheet that saves: 15/03/2026 at 09:30; the date and time labels are composed by the save.
QStringList validSheet() {
    QStringList v = deadline("15/03/2026", "5");
    v[Data] = v[Ora] = QString();
    v[Costo] = "12,50";
    return v;
}

const QString kNeeded =
    QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
const QString kValid = QStringLiteral(
    "\n\r\n\rPer poter salvare la scheda \u00e8 necessario indicare una data valida.");

} // namespace

TEST(DeadlineRules, SaveChecksInOrderWithTextAndFocus) {
    using platform::MsgKind;
    const QDate today(2026, 3, 1);
    struct {
        const char* what;
        std::function<void(QStringList&)> change;
        MsgKind kind;
        QString text;
        const char* focus;
    } cases[] = {
        {"everything empty",
         [](QStringList& s) {
             s = QStringList(DeadlineFieldCount);
             s[Anno] = "2026";
         },
         MsgKind::Warning, kNeeded + "il giorno della scadenza.", "txtGiorno"},
        {"one-digit day before empty month",
         [](QStringList& s) {
             s[Giorno] = "5";
             s[Mese] = "";
         },
         MsgKind::Warning, kNeeded + "il giorno della scadenza usando due cifre.", "txtGiorno"},
        {"month",
         [](QStringList& s) {
             s[Mese] = "  ";
             s[Ore] = "";
         },
         MsgKind::Warning, kNeeded + "il mese della scadenza.", "txtMese"},
        {"hour before minutes",
         [](QStringList& s) {
             s[Ore] = "";
             s[Minuti] = "";
         },
         MsgKind::Warning, kNeeded + "l'ora dell'appuntamento.", "txtOreApp"},
        {"minutes empty before short hour",
         [](QStringList& s) {
             s[Ore] = "9";
             s[Minuti] = "";
         },
         MsgKind::Warning, kNeeded + "i minuti dell'ora dell'appuntamento.", "txtMinutiApp"},
        {"short hour",
         [](QStringList& s) {
             s[Ore] = "9";
             s[Minuti] = "3";
         },
         MsgKind::Warning, kNeeded + "l'ora dell'appuntamento usando due cifre.", "txtOreApp"},
        {"short minutes",
         [](QStringList& s) {
             s[Minuti] = "3";
             s[Avviso] = "";
         },
         MsgKind::Warning, kNeeded + "i minuti dell'ora dell'appuntamento usando due cifre.",
         "txtMinutiApp"},
        {"notice",
         [](QStringList& s) {
             s[Avviso] = " ";
             s[Pagatore] = "";
         },
         MsgKind::Warning, kNeeded + "i giorni di preavviso.", "txtAvviso"},
        {"payer",
         [](QStringList& s) {
             s[Pagatore] = "";
             s[Beneficiario] = "";
         },
         MsgKind::Warning, kNeeded + "il nome del Pagatore.", "txtPagatore"},
        {"beneficiary",
         [](QStringList& s) {
             s[Beneficiario] = "";
             s[Dettagli] = "";
         },
         MsgKind::Warning, kNeeded + "il nome del Beneficiario.", "txtBeneficiario"},
        {"reason before a bad month",
         [](QStringList& s) {
             s[Dettagli] = "";
             s[Mese] = "Marzolino";
         },
         MsgKind::Warning, kNeeded + "la causale della scadenza.", "txtDettagli"},
        {"month not from the list", [](QStringList& s) { s[Mese] = "Marzolino"; }, MsgKind::Warning,
         "Attenzione: selezionare il mese dal menu a cascata." + kValid, "txtMese"},
        {"31 April",
         [](QStringList& s) {
             s[Giorno] = "31";
             s[Mese] = "Aprile";
         },
         MsgKind::Plain, "Attenzione: la data 31/04/2026 non esiste." + kValid, "txtGiorno"},
        {"29 February, not a leap year",
         [](QStringList& s) {
             s[Giorno] = "29";
             s[Mese] = "Febbraio";
         },
         MsgKind::Plain, "Attenzione: la data 29/02/2026 non esiste." + kValid, "txtGiorno"},
        {"year 0000", [](QStringList& s) { s[Anno] = "0000"; }, MsgKind::Plain,
         "Attenzione: la data 15/03/0000 non esiste." + kValid, "txtGiorno"},
        {"amount too long for its field", [](QStringList& s) { s[Costo] = "1234567890123,50"; },
         MsgKind::Warning,
         "Attenzione: l'importo indicato nel campo Importo in euro supera i 15 caratteri che "
         "l'archivio pu\u00f2 contenere.\n\r\n\rPer poter salvare la scheda \u00e8 necessario "
         "indicare un importo pi\u00f9 breve.",
         "txtCosto"},
    };
    for (const auto& c : cases) {
        QStringList s = validSheet();
        c.change(s);
        const platform::Check problem = deadlineSaveProblem(s, today);
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(*problem, (platform::Problem{c.kind, c.text, c.focus})) << c.what;
    }
}

TEST(DeadlineRules, SaveAcceptsAndComposesLabels) {
    const QDate today(2026, 3, 1);
    struct {
        const char* what;
        std::function<void(QStringList&)> change;
        const char* data;
    } cases[] = {
        {"plain", [](QStringList&) {}, "15/03/2026"},
        {"29 February of a leap year",
         [](QStringList& s) {
             s[Giorno] = "29";
             s[Mese] = "Febbraio";
             s[Anno] = "2024";
         },
         "29/02/2024"},
        {"month in another case, blanks round texts",
         [](QStringList& s) {
             s[Mese] = " dicembre ";
             s[Pagatore] = " x ";
         },
         "15/12/2026"},
        {"amount of exactly 15 characters", [](QStringList& s) { s[Costo] = "123456789012,50"; },
         "15/03/2026"},
    };
    for (const auto& c : cases) {
        QStringList s = validSheet();
        c.change(s);
        const SaveVerdict v = checkSave(s, today);
        EXPECT_FALSE(v.problem) << c.what << ": " << v.problem->text.toStdString();
        EXPECT_EQ(v.data, c.data) << c.what;
        EXPECT_EQ(v.ora, "09:30") << c.what;
    }
    // Refused at the month: the time is composed already, the date not yet.
    QStringList s = validSheet();
    s[Mese] = "Marzolino";
    const SaveVerdict v = checkSave(s, today);
    EXPECT_EQ(v.ora, "09:30");
    EXPECT_EQ(v.data, "");
}

class AlertScan : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(int year) const { return QDir(dir.path()).filePath(yearFileName(year)); }
    void add(int year, const QStringList& values) {
        ASSERT_TRUE(yearArchive(dir.path(), year).save(0, values));
    }
};

TEST_F(AlertScan, YearsReachedByTheLongestNotice) {
    EXPECT_EQ(imminentYears({2026, 1, 1}), (QList<int>{2026, 2027, 2028}));
    EXPECT_EQ(imminentYears({2026, 12, 31}), (QList<int>{2026, 2027, 2028, 2029}));
}

TEST_F(AlertScan, EarlyJanuaryIsAnnouncedInDecemberWithoutCreatingFiles) {
    add(2027, deadline("02/01/2027", "10"));
    add(2027, deadline("20/01/2027", "10")); // not yet
    EXPECT_EQ(countImminent(dir.path(), {2026, 12, 23}), 1);
    EXPECT_EQ(countImminent(dir.path(), {2026, 12, 22}), 0);
    EXPECT_TRUE(QFile::exists(file(2026))); // the current year's, as always
    EXPECT_FALSE(QFile::exists(file(2028)));
    EXPECT_FALSE(QFile::exists(file(2029)));
    EXPECT_EQ(QFile(file(2026)).size(), 0);
}

TEST_F(AlertScan, UnreadableRecordsAreSkipped) {
    add(2026, deadline("10/03/2026", "5"));
    QStringList badDate = deadline("10/03/2026", "5");
    badDate[Data] = "31/04/2026";
    add(2026, badDate);
    QStringList badNotice = deadline("10/03/2026", "5");
    badNotice[Avviso] = "";
    add(2026, badNotice);
    QStringList paid = deadline("12/03/2026", "3");
    paid[Effettuata] = kYes; // a payment made still counts
    add(2026, paid);
    add(2026, deadline("20/03/2026", "5")); // not yet
    QList<qint64> numbers;
    EXPECT_TRUE(scanImminent(dir.path(), {2026, 3, 10}, [&](int year, qint64 n, const char*) {
        EXPECT_EQ(year, 2026);
        numbers << n;
    }));
    EXPECT_EQ(numbers, (QList<qint64>{1, 4}));
}

TEST_F(AlertScan, AFileThatCannotBeReadFailsTheScan) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(yearFileName(2027)));
    EXPECT_EQ(countImminent(dir.path(), {2026, 12, 23}), std::nullopt);
}
