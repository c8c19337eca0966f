#include "members/frm_exp_anagrafica.h"
#include "platform/export_flow.h"

#include "fake_platform.h"
#include "files.h"
#include "member_fixture.h"
#include "sheets/sheet_read.h"
#include "workbook_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace members;
using namespace member_fixture;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::Harness;

namespace {

QByteArray cells(std::initializer_list<const char*> texts) {
    QByteArray out = "<tr>";
    for (const char* t : texts)
        out += QByteArray("<td style=\"text-align: left;\">") + t + "</td>";
    return out + "</tr>";
}

const QByteArray kHeadingRow =
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome Socio</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Carica ricoperta</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tessera n.</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data di rilascio</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data di scadenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data di nascita</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Comune di nascita</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=100>Sesso</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Comune di residenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Via e numero civico</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Quota sociale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. casa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. ufficio</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Recapito preferenziale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Fax</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>E-mail</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice fiscale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Carta di credito n.</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Scadenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Partita IVA</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>IBAN</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Intestatario C/C</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Tessera annullata</td>"
    "</tr>";

const QByteArray kTail = "</table></body></html>";

void exportNow(Harness& h, TfrmExpAnagrafica& w) {
    h.fake.answers = {platform::Answer::Yes, platform::Answer::No};
    child<QToolButton>(&w, u"cmdEsporta"_qs)->click();
}

} // namespace

TEST(MemberExport, GridShowsEveryRecordAndExportsTwentyFiveColumns) {
    Harness h;
    addMember(h.dir.path(), {{Tesserato, u"Rossi & Figli <srl>"_qs},
                             {Carica, u"Presidente"_qs},
                             {NumTessera, u"12"_qs},
                             {DataRil, u"01/01/2026"_qs},
                             {DataScade, u"31/12/2026"_qs},
                             {DataNasc, u"02/03/1980"_qs},
                             {ComuneNasc, u"Roma"_qs},
                             {ProvNasc, u"RM"_qs},
                             {Sesso, u"M"_qs},
                             {CapRes, u"00100"_qs},
                             {ComuneRes, u"Roma"_qs},
                             {ProvRes, u"RM"_qs},
                             {IndirizzoRes, u"Via Roma 1"_qs},
                             {Preavviso, u"30"_qs},
                             {Titoli, u"50,00 \u20ac"_qs},
                             {TelCasa, u"06 1"_qs},
                             {TelUff, u"06 2"_qs},
                             {TelCel, u"333"_qs},
                             {Recapito, u"cell."_qs},
                             {Fax, u"06 3"_qs},
                             {Email, u"a@b.it"_qs},
                             {CodFisc, u"RSSMRA80C02H501X"_qs},
                             {Carta, u"4111"_qs},
                             {ScadeCarta, u"12/28"_qs},
                             {PartitaIva, u"01234567890"_qs},
                             {Iban, u"IT60X0542811101000000123456"_qs},
                             {Intestatario, u"Rossi"_qs},
                             {Note, u"caff\u00e8"_qs},
                             {File01, u"doc.pdf"_qs}});
    addMember(h.dir.path(),
              {{Tesserato, u"Bianchi"_qs}, {Annullata, kYes}, {ComuneRes, u"Milano"_qs}});

    TfrmExpAnagrafica w(h.ctx, nullptr);
    EXPECT_EQ(w.windowTitle(), u" Esporta archivio anagrafico dei Soci in Microsoft Excel"_qs);
    auto* grid = child<QTableView>(&w, u"grdRecords"_qs);
    ASSERT_EQ(grid->model()->rowCount(), 2);
    ASSERT_EQ(grid->model()->columnCount(), 26);
    EXPECT_EQ(grid->model()->headerData(18, Qt::Horizontal).toString(), u"Codice Fiscale"_qs);
    EXPECT_EQ(w.rows()[0][7], u"Roma RM"_qs);
    EXPECT_EQ(w.rows()[1][9], u" Milano "_qs); // the export's trimming removes the blanks
    EXPECT_EQ(w.rows()[1][0], u"2"_qs);

    exportNow(h, w);
    const QByteArray bytes = fileBytes(h.path(u"Tesserati.xls"_qs));
    EXPECT_TRUE(bytes.contains("<x:Name>Riepilogo Anagrafica Soci</x:Name>"));
    const QByteArray body =
        kHeadingRow +
        cells({"Rossi &amp; Figli &lt;srl&gt;",
               "Presidente",
               "12",
               "01/01/2026",
               "31/12/2026",
               "02/03/1980",
               "Roma RM",
               "M",
               "00100 Roma RM",
               "Via Roma 1",
               "50,00 \x80",
               "06 1",
               "06 2",
               "333",
               "cell.",
               "06 3",
               "a@b.it",
               "RSSMRA80C02H501X",
               "4111",
               "12/28",
               "01234567890",
               "IT60X0542811101000000123456",
               "Rossi",
               "caff\xe8",
               "No"}) +
        cells({"Bianchi", "", "", "", "", "", "", "", "Milano", "", "", "",     "",
               "",        "", "", "", "", "", "", "", "",       "", "", "S\xec"}) +
        kTail;
    EXPECT_TRUE(bytes.endsWith("<table x:str>" + body)) << bytes.right(400).toStdString();
    EXPECT_EQ(h.fake.opened.size(), 0);
}

TEST(MemberExport, EmptyArchiveExportsTheHeadingRowAlone) {
    Harness h;
    TfrmExpAnagrafica w(h.ctx, nullptr);
    EXPECT_EQ(child<QTableView>(&w, u"grdRecords"_qs)->model()->rowCount(), 0);
    EXPECT_EQ(child<QLabel>(&w, u"panInfo"_qs)->text(),
              u"Esportazione archivio in Microsoft Excel."_qs);
    exportNow(h, w);
    EXPECT_TRUE(
        fileBytes(h.path(u"Tesserati.xls"_qs)).endsWith("<table x:str>" + kHeadingRow + kTail));
}

TEST(MemberExport, UnreadableArchiveGivesAnEmptyGridAndAFailedExportKeepsTheOldFile) {
    Harness h;
    addMember(h.dir.path(), {{Tesserato, u"Rossi"_qs}});
    TfrmExpAnagrafica w(h.ctx, nullptr);
    // The spreadsheet program holds the old export: here, a folder stands where the file goes.
    QDir(h.dir.path()).mkdir(u"Tesserati.xls"_qs);
    exportNow(h, w);
    EXPECT_EQ(h.fake.lastMessage().text, platform::exportFailedMessage());
    EXPECT_TRUE(QFileInfo(h.path(u"Tesserati.xls"_qs)).isDir());

    Harness broken;
    QDir(broken.dir.path()).mkdir(kMemberFileName);
    TfrmExpAnagrafica empty(broken.ctx, nullptr);
    EXPECT_TRUE(empty.rows().empty());
    EXPECT_TRUE(broken.fake.messages.empty());
}

namespace {

// Two members that carry every kind of cell, and one whose dates and fee are no such values.
void addTypedMembers(const QString& folder) {
    addMember(folder, {{Tesserato, u"Rossi & Figli <srl>"_qs},
                       {NumTessera, u"0042"_qs},
                       {DataRil, u"01/01/2026"_qs},
                       {DataScade, u"31/12/2026"_qs},
                       {DataNasc, u"29/02/1960"_qs},
                       {CapRes, u"00100"_qs},
                       {ComuneRes, u"Roma"_qs},
                       {Titoli, u"1250,50"_qs},
                       {TelCel, u"0039 333"_qs},
                       {CodFisc, u"RSSMRA80C02H501X"_qs},
                       {Carta, u"4111111111111111"_qs},
                       {ScadeCarta, u"03/27"_qs},
                       {PartitaIva, u"01234567890"_qs},
                       {Note, u"caff\u00e8 \u20ac 5"_qs}});
    addMember(folder, {{Tesserato, u"Bianchi"_qs}, {Annullata, kYes}, {Titoli, u"0,00"_qs}});
    addMember(folder, {{Tesserato, u" Verdi "_qs},
                       {DataRil, u"1/1/2026"_qs},
                       {DataNasc, u"15/08/1890"_qs},
                       {Titoli, u"25,5"_qs}});
}

} // namespace

TEST(MemberExport, WorkbookShowsTheGridWithDatesAmountsAndCodesTyped) {
    Harness h;
    addTypedMembers(h.dir.path());
    TfrmExpAnagrafica w(h.ctx, nullptr);
    const QString file = h.path(u"Soci.xlsx"_qs);
    testing_support::exportWorkbookTo(h.fake, w, file);

    ASSERT_EQ(h.fake.fileDialogs.size(), 1u);
    const platform::FileDialog& dialog = h.fake.fileDialogs[0];
    EXPECT_EQ(dialog.title, u"Salvare la cartella di lavoro Excel"_qs);
    EXPECT_EQ(dialog.filter, u"Cartella di lavoro Excel (*.xlsx)"_qs);
    EXPECT_EQ(dialog.directory, h.dir.path());
    EXPECT_EQ(dialog.proposedName, u"Tesserati.xlsx"_qs);
    EXPECT_EQ(h.fake.texts(),
              (QStringList{platform::exportConfirmQuestion(), platform::exportDoneQuestion()}));

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const sheets::SheetFile sheet = sheets::readXlsx(f);
    ASSERT_EQ(sheet.error, sheets::SheetError::None);
    const sheets::SheetRows* read = &sheet.rows;
    testing_support::expectWorkbookShowsGrid(*read, w);

    const std::vector<QString> kinds = testing_support::workbookCellKinds(file);
    ASSERT_EQ(kinds.size(), 4u);
    EXPECT_EQ(kinds[0], QString(25, u't'));
    // Text, code, date and number cells where the texts are such values; a date or fee
    // that is not one stays text as typed.
    EXPECT_EQ(kinds[1], u"t cddd  t n  c   cccc  tt"_qs);
    EXPECT_EQ(kinds[2], u"t         n             t"_qs);
    EXPECT_EQ(kinds[3], u"t  c c    c             t"_qs);
    EXPECT_EQ((*read)[1][2], u"0042"_qs);
    EXPECT_EQ((*read)[1][8], u"00100 Roma"_qs);
    EXPECT_EQ((*read)[1][10], u"1250,50"_qs);
}
