// Matching headings to member fields and checking every row before an import, then the
// all-or-nothing import itself and our own export read back.
#include "members/frm_exp_anagrafica.h"
#include "members/member_archive.h"
#include "members/sheet_import.h"

#include "fake_platform.h"
#include "member_fixture.h"
#include "qt_print.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace members;
using member_fixture::addMember;
using member_fixture::memberValues;

namespace {

const QDate kToday(2026, 3, 15);

// The entry of the drop-down that fills `field` in the way given.
int choiceOf(MemberField field, ColumnFill fill = ColumnFill::Whole) {
    const auto fields = importFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].field == field && fields[i].fill == fill) return int(i);
    ADD_FAILURE() << "no drop-down entry for field " << int(field);
    return kIgnoreColumn;
}

// A sheet of one heading row and `rows`, with the columns matched automatically.
ImportPlan check(const QStringList& headings, const std::vector<QStringList>& rows,
                 const MemberKeys& existing = {}) {
    SheetRows sheet{headings};
    sheet.insert(sheet.end(), rows.begin(), rows.end());
    return checkSheet(sheet, matchColumns(headings), existing, kToday);
}

} // namespace

TEST(SheetImportColumns, HeadingsMatchTheirFields) {
    struct Case {
        const char* heading;
        int choice;
    };
    const Case cases[] = {
        {"Cognome e nome Socio", choiceOf(Tesserato)},
        {"  COGNOME  E NOME ", choiceOf(Tesserato)},
        {"Cognome", choiceOf(Tesserato, ColumnFill::Surname)},
        {"Nome", choiceOf(Tesserato, ColumnFill::GivenName)},
        {"Email", choiceOf(Email)},
        {"E-mail", choiceOf(Email)},
        {"Posta elettronica", choiceOf(Email)},
        {"Cellulare", choiceOf(TelCel)},
        {"CAP", choiceOf(CapRes)},
        {"C.A.P.", choiceOf(CapRes)},
        {"Codice Fiscale", choiceOf(CodFisc)},
        {"Data di nascita", choiceOf(DataNasc)},
        {"Città", choiceOf(ComuneRes, ColumnFill::PostcodeTownAndProvince)},
        {"citta", choiceOf(ComuneRes, ColumnFill::PostcodeTownAndProvince)},
        {"Comune di nascita", choiceOf(ComuneNasc, ColumnFill::TownAndProvince)},
        {"Comune di residenza", choiceOf(ComuneRes, ColumnFill::PostcodeTownAndProvince)},
        {"ComuneRes", choiceOf(ComuneRes)},
        {"Scadenza", choiceOf(ScadeCarta)},
        {"DataScade", choiceOf(DataScade)},
        {"Partita IVA", choiceOf(PartitaIva)},
        {"Tessera annullata", choiceOf(Annullata)},
        {"Colore preferito", kIgnoreColumn},
        {"", kIgnoreColumn},
        {"N.", kIgnoreColumn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(matchHeading(QString::fromUtf8(c.heading)), c.choice);
    }
    // The second column naming a field already taken is left out.
    EXPECT_EQ(matchColumns({u"Email"_qs, u"Nome"_qs, u"E-mail"_qs}),
              (std::vector<int>{choiceOf(Email), choiceOf(Tesserato, ColumnFill::GivenName),
                                kIgnoreColumn}));
}

TEST(SheetImportRows, EachRowCheckedAsTheMemberWindowWould) {
    const QStringList headings = {u"Cognome"_qs,
                                  u"Nome"_qs,
                                  u"Tessera n."_qs,
                                  u"Data rilascio"_qs,
                                  u"Scadenza tessera"_qs,
                                  u"Carica"_qs,
                                  u"Partita IVA"_qs,
                                  u"Annullata"_qs,
                                  u"Note"_qs};
    struct Case {
        const char* what;
        QStringList cells;
        QString result;
    };
    const QString tooLong(51, u'x');
    const Case cases[] = {
        {"good, dates of every form", {"Rossi", "Mario", "1", "1/2/26", "2026-12-31"}, kImportOk},
        {"issue date equal to expiry",
         {"Rossi", "Mario", "2", "01/02/2026", "01/02/2026"},
         kImportOk},
        {"no name",
         {"", "", "3", "01/02/2026", "31/12/2026"},
         u"Per salvare la scheda è necessario indicare il nome del tesserato."_qs},
        {"no issue date: never invented",
         {"Rossi", "Mario", "4", "", "31/12/2026"},
         u"Per salvare la scheda è necessario indicare la data di rilascio del tesserino."_qs},
        {"impossible date",
         {"Rossi", "Mario", "5", "31/04/2026", "31/12/2026"},
         u"La data di rilascio della tessera 31/04/2026 non esiste. Per poter salvare la scheda "
         u"è necessario indicare una data valida nel formato gg/mm/aaaa."_qs},
        {"impossible year-first date",
         {"Rossi", "Mario", "6", "01/01/2026", "2026-02-30"},
         u"La data di scadenza della tessera 2026-02-30 non esiste. Per poter salvare la scheda "
         u"è necessario indicare una data valida nel formato gg/mm/aaaa."_qs},
        {"expiry before issue",
         {"Rossi", "Mario", "7", "01/06/2026", "01/01/2026"},
         u"La data di scadenza (01/01/2026) non può essere anteriore a quella di rilascio della "
         u"tessera (01/06/2026)."_qs},
        {"a value too long is never cut",
         {"Rossi", "Mario", "8", "01/01/2026", "31/12/2026", tooLong},
         u"Il campo \"Carica ricoperta\" accetta al massimo 50 caratteri: il valore ne ha 51."_qs},
        {"letters in a digits-only field",
         {"Rossi", "Mario", "9", "01/01/2026", "31/12/2026", "", "IT123"},
         u"Il campo \"Partita IVA\" ammette soltanto cifre."_qs},
        {"a cancelled flag that is neither yes nor no",
         {"Rossi", "Mario", "10", "01/01/2026", "31/12/2026", "", "", "forse"},
         u"Il campo \"Tessera annullata\" ammette soltanto Sì o No."_qs},
        {"a character the archive cannot keep",
         {"Rossi", "Mario", "11", "01/01/2026", "31/12/2026", "", "", "", u"Zh\u0101ng"_qs},
         u"Il campo \"Note\" contiene caratteri che l'archivio non può conservare."_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportPlan plan = check(headings, {c.cells});
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(plan.rows[0].result, c.result);
        EXPECT_EQ(plan.accepted, c.result == kImportOk ? 1 : 0);
    }
}

TEST(SheetImportRows, ValuesAreMadeReadyAsTheWindowStoresThem) {
    const QStringList headings = {u"Cognome"_qs,
                                  u"Nome"_qs,
                                  u"Data rilascio"_qs,
                                  u"Data scadenza"_qs,
                                  u"Nato il"_qs,
                                  u"Comune di nascita"_qs,
                                  u"Comune di residenza"_qs,
                                  u"Provincia"_qs,
                                  u"CAP"_qs,
                                  u"Codice fiscale"_qs,
                                  u"Sesso"_qs,
                                  u"Carta di credito"_qs,
                                  u"Tessera annullata"_qs,
                                  u"Note"_qs};
    const ImportPlan plan =
        check(headings, {{"D'Amico", "Niccolò", "2026-01-15T00:00:00", "31/12/26", "5/3/45",
                          "Reggio nell'Emilia RE", "Bologna", "bo", "100", "dmc ncc 45c05 h223k",
                          "femmina", "4111-1111 1111-1111", "sì", "prima\nseconda"},
                         {"Rossi", "Mario", "01/01/2026", "31/12/2026", "", "", "00100 Roma RM", "",
                          "", "", "", "", "", ""}});
    ASSERT_EQ(plan.accepted, 2);
    QStringList want = memberValues({
        {Tesserato, u"D'Amico Niccolò"_qs},
        {DataRil, u"15/01/2026"_qs},
        {DataScade, u"31/12/2026"_qs},
        {DataNasc, u"05/03/1945"_qs}, // a two-digit birth year is never in the future
        {ComuneNasc, u"Reggio nell'Emilia"_qs},
        {ProvNasc, u"RE"_qs},
        {ComuneRes, u"Bologna"_qs},
        {ProvRes, u"BO"_qs},
        {CapRes, u"00100"_qs}, // the zeros a spreadsheet dropped
        {CodFisc, u"DMCNCC45C05H223K"_qs},
        {Sesso, u"F"_qs},
        {Carta, u"4111111111111111"_qs},
        {Annullata, kYes},
        {Note, u"prima seconda"_qs},
    });
    EXPECT_EQ(plan.rows[0].values, want);
    // The export's joined residence is split back; what a new sheet starts with fills the rest.
    want = memberValues({{Tesserato, u"Rossi Mario"_qs},
                         {DataRil, u"01/01/2026"_qs},
                         {DataScade, u"31/12/2026"_qs},
                         {ComuneRes, u"Roma"_qs},
                         {ProvRes, u"RM"_qs},
                         {CapRes, u"00100"_qs}});
    EXPECT_EQ(plan.rows[1].values, want);
}

TEST(SheetImportRows, RowsAlreadyPresentAndBlankRows) {
    QTemporaryDir dir;
    addMember(dir.path(), {{Tesserato, u"Rossi Mario"_qs}, {NumTessera, u"1"_qs}});
    addMember(dir.path(), {{Tesserato, u"Verdi Anna"_qs}, {NumTessera, u"2"_qs}});
    const auto keys = archiveMemberKeys(dir.path());
    ASSERT_TRUE(keys);

    const SheetRows sheet = {
        {},
        {u"Socio"_qs, u"Tessera"_qs, u"Rilascio"_qs, u"Scadenza tessera"_qs},
        {u"ROSSI  MARIO"_qs, u"1"_qs, u"01/01/2026"_qs, u"31/12/2026"_qs},  // in the archive
        {u"Rossi Mario"_qs, u"7"_qs, u"01/01/2026"_qs, u"31/12/2026"_qs},   // another card
        {u"  "_qs, QString()},                                              // blank row
        {u"Bianchi Lucia"_qs, u"3"_qs, u"31/02/2026"_qs, u"31/12/2026"_qs}, // bad date
        {u"Bianchi Lucia"_qs, u"3"_qs, u"01/02/2026"_qs, u"31/12/2026"_qs}, // so this is new
        {u"bianchi lucia"_qs, u"3"_qs, u"01/03/2026"_qs, u"31/12/2026"_qs}, // repeats row 7
    };
    const ImportPlan plan = checkSheet(sheet, matchColumns(sheet[1]), *keys, kToday);
    std::vector<std::pair<int, QString>> results;
    for (const ImportRow& r : plan.rows)
        results.emplace_back(r.sheetRow, r.result.left(40));
    const std::vector<std::pair<int, QString>> want = {
        {3, u"Già presente in archivio (scheda n. 1)."_qs},  {4, kImportOk},
        {6, u"La data di rilascio della tessera 31/02/"_qs}, {7, kImportOk},
        {8, u"Già presente nella riga 7 del foglio."_qs},
    };
    EXPECT_EQ(results, want);
    EXPECT_EQ(plan.accepted, 2);
}

TEST(SheetImport, OurOwnExportsImportBackIntoAnEmptyFolder) {
    for (const bool workbook : {false, true}) {
        SCOPED_TRACE(workbook ? "xlsx" : "xls");
        testing_support::Harness from;
        const QList<QStringList> members = {
            memberValues({{Tesserato, u"Rossi & Figli <Mario>"_qs},
                          {Carica, u"Presidente"_qs},
                          {NumTessera, u"A-1"_qs},
                          {DataRil, u"01/01/2026"_qs},
                          {DataScade, u"31/12/2026"_qs},
                          {DataNasc, u"05/03/1961"_qs},
                          {ComuneNasc, u"Reggio nell'Emilia"_qs},
                          {ProvNasc, u"RE"_qs},
                          {Sesso, u"M"_qs},
                          {ComuneRes, u"San Giovanni in Persiceto"_qs},
                          {ProvRes, u"BO"_qs},
                          {CapRes, u"40017"_qs},
                          {IndirizzoRes, u"Via Roma, 1"_qs},
                          {Titoli, u"25,50 \u20ac"_qs}, // text, not an amount
                          {TelCasa, u"051 123456"_qs},
                          {TelUff, u"051 654321"_qs},
                          {TelCel, u"333 1234567"_qs},
                          {Recapito, u"Cellulare"_qs},
                          {Fax, u"051 111111"_qs},
                          {Email, u"mario@example.it"_qs},
                          {CodFisc, u"RSSMRA61C05H223K"_qs},
                          {Carta, u"4111111111111111"_qs},
                          {ScadeCarta, u"12/28"_qs},
                          {PartitaIva, u"01234567890"_qs},
                          {Iban, u"IT60X0542811101000000123456"_qs},
                          {Intestatario, u"Mario Rossi"_qs},
                          {Note, u"Socio fondatore; \"storico\""_qs}}),
            memberValues({{Tesserato, u"Bianchi Lucia"_qs},
                          {NumTessera, u"0042"_qs},
                          {Titoli, u"1250,00"_qs},
                          {TelCel, u"0039 333 1234567"_qs},
                          {DataRil, u"15/02/2026"_qs},
                          {DataScade, u"15/02/2027"_qs},
                          {ComuneRes, u"Roma"_qs},
                          {ProvRes, u"RM"_qs},
                          {Annullata, kYes}}),
            memberValues({{Tesserato, u"Verdi Anna"_qs},
                          {NumTessera, u"A-3"_qs},
                          {DataRil, u"01/03/2026"_qs},
                          {DataScade, u"01/03/2026"_qs},
                          {CapRes, u"00100"_qs},
                          {ComuneRes, u"Roma"_qs}}),
        };
        for (const QStringList& v : members)
            ASSERT_TRUE(MemberArchive(from.dir.path()).save(0, v));
        const QString file = from.path(workbook ? u"Soci.xlsx"_qs : u"Tesserati.xls"_qs);
        {
            TfrmExpAnagrafica exportWindow(from.ctx, nullptr);
            from.fake.answers = {platform::Answer::Yes, platform::Answer::No};
            from.fake.fileAnswers = {file};
            workbook ? exportWindow.exportWorkbook() : exportWindow.exportGrid();
        }
        const sheets::SheetFile sheet = sheets::readSheetFile(file);
        ASSERT_EQ(sheet.error, sheets::SheetError::None);
        const std::vector<int> columns = matchColumns(sheet.rows[0]);
        for (size_t c = 0; c < columns.size(); ++c)
            EXPECT_NE(columns[c], kIgnoreColumn) << sheet.rows[0][qsizetype(c)].toStdString();

        QTemporaryDir to;
        const ImportPlan plan = checkSheet(sheet.rows, columns, {}, kToday);
        ASSERT_EQ(plan.accepted, 3);
        ASSERT_EQ(importAccepted(to.path(), plan)->first, 1);
        for (int n = 1; n <= 3; ++n) {
            const auto back = MemberArchive(to.path()).read(n);
            ASSERT_TRUE(back);
            EXPECT_EQ(back->values, members[n - 1]) << "member " << n;
        }
        EXPECT_EQ(MemberArchive(to.path()).count(), 3);
    }
}
