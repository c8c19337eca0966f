#include "cashbook/frm_exp_movimenti.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"
#include "files.h"
#include "sheets/sheet_read.h"
#include "workbook_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::Harness;

namespace {

QString expectedFile(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(u"data/"_qs + name);
}

void exportNow(Harness& h, TfrmExpMovimenti& w) {
    h.fake.answers = {platform::Answer::Yes, platform::Answer::No};
    child<QToolButton>(&w, u"cmdEsporta"_qs)->click();
}

} // namespace

TEST(MovementExport, GridAndFileMatchTheExpectedSheet) {
    Harness h;
    const QString path = yearPath(h.dir.path());
    addMovement(path, income(u"12,50"_qs, {{Causale, u"Quota & <iscrizione>"_qs},
                                           {Promemoria, u"Rata 1 di 2"_qs},
                                           {DataSca, u"31/03/2026"_qs},
                                           {Preavviso, u"7"_qs},
                                           {RecapitoPag, u"06 1234567"_qs},
                                           {CodFisc, u"RSSCRL80A01H501U"_qs},
                                           {PartitaIva, u"01234567890"_qs},
                                           {Categoria, u"T-12"_qs},
                                           {Email, u"carlo@example.org"_qs},
                                           {Pagamento, u"Contanti"_qs},
                                           {RecapitoBen, u"Sede"_qs},
                                           {Ricevuta, u"R-7"_qs},
                                           {Note, u"Caff\u00e8 \u20ac"_qs},
                                           {Tariffa, u"Ordinaria"_qs},
                                           {Saldato, kNo}}));
    addMovement(path, expense(u"0,30"_qs, {{Causale, u"Cancelleria"_qs}}));

    TfrmExpMovimenti w(h.ctx, nullptr, path);
    EXPECT_EQ(w.windowTitle(), u" Esporta archivio movimenti in Microsoft Excel"_qs);
    auto* grid = child<QTableView>(&w, u"grdRecords"_qs);
    ASSERT_EQ(grid->model()->columnCount(), 21);
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), u"2"_qs);
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), u"Uscita"_qs);
    EXPECT_EQ(grid->model()->index(1, 7).data().toString(), u"-0,30"_qs);

    exportNow(h, w);
    const QString xls = h.path(u"Movimenti.xls"_qs);
    if (qEnvironmentVariableIntValue("QUORVIX_UPDATE_GOLDEN") == 1) { // writes the reference anew
        QFile::remove(expectedFile("Movimenti.xls"));
        QFile::copy(xls, expectedFile("Movimenti.xls"));
    }
    EXPECT_EQ(fileBytes(xls), fileBytes(expectedFile("Movimenti.xls")));
    ASSERT_EQ(h.fake.texts().size(), 2);

    // Read by LibreOffice when it is installed: the sheet converts to the same cells.
    const QString office = QStandardPaths::findExecutable(u"soffice"_qs);
    if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
    QProcess p;
    p.setWorkingDirectory(h.dir.path());
    p.start(office, {u"--headless"_qs, u"-env:UserInstallation=file://"_qs + h.path(u"lo"_qs),
                     u"--convert-to"_qs, u"csv:Text - txt - csv (StarCalc):59,34,76"_qs,
                     u"--outdir"_qs, h.path(u"csv"_qs), xls});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString csv = QString::fromUtf8(fileBytes(h.path(u"csv/Movimenti.csv"_qs)));
    const QStringList rows = csv.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << csv.toStdString();
    EXPECT_TRUE(rows[0].startsWith(u"Tipo movimento;Data operazione;Causale;"_qs));
    EXPECT_TRUE(rows[1].contains(u"Quota & <iscrizione>"_qs)) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(u"Caff\u00e8 \u20ac"_qs)) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith(u"Uscita;15/03/2026;Cancelleria;"_qs)) << rows[2].toStdString();
}

TEST(MovementExport, AnEmptyYearExportsTheHeadingRowOnly) {
    Harness h;
    TfrmExpMovimenti w(h.ctx, nullptr, yearPath(h.dir.path()));
    EXPECT_EQ(child<QTableView>(&w, u"grdRecords"_qs)->model()->rowCount(), 0);
    EXPECT_TRUE(QFile::exists(yearPath(h.dir.path()))); // created empty
    exportNow(h, w);
    const QByteArray xls = fileBytes(h.path(u"Movimenti.xls"_qs));
    EXPECT_TRUE(xls.endsWith("Saldato</td></tr></table></body></html>"));
    EXPECT_EQ(xls.count("<tr>"), 1);
}

TEST(MovementExport, HelpHasItsTitle) {
    Harness h;
    TfrmExpMovimenti w(h.ctx, nullptr, yearPath(h.dir.path()));
    child<QToolButton>(&w, u"cmdGuida"_qs)->click();
    ASSERT_EQ(h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(h.fake.helpTopics[0].title,
              u"Esportazione archivio movimenti in Microsoft Excel."_qs);
    EXPECT_EQ(h.fake.helpTopics[0].paragraphs.size(), 3);
}

TEST(MovementExport, WorkbookShowsTheGridAndItsAmountsSumToTheBalance) {
    Harness h;
    const QString path = yearPath(h.dir.path());
    addMovement(path, income(u"1250,50"_qs, {{Causale, u"Quote"_qs},
                                             {DataSca, u"31/03/2026"_qs},
                                             {CodFisc, u"RSSCRL80A01H501U"_qs},
                                             {PartitaIva, u"01234567890"_qs},
                                             {Categoria, u"0042"_qs},
                                             {Ricevuta, u"00017"_qs},
                                             {Note, u"Caff\u00e8 \u20ac"_qs}}));
    addMovement(path, expense(u"0,30"_qs, {{Causale, u"Cancelleria"_qs}, {DataSca, u""_qs}}));
    addMovement(path, expense(u"20,00"_qs, {{Data, u"31/02/2026"_qs}}));
    TfrmExpMovimenti w(h.ctx, nullptr, path);
    const QString file = h.path(u"Primanota 2026.xlsx"_qs);
    testing_support::exportWorkbookTo(h.fake, w, file);
    EXPECT_EQ(h.fake.fileDialogs.at(0).proposedName, u"Movimenti.xlsx"_qs);

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const sheets::SheetFile sheet = sheets::readXlsx(f);
    ASSERT_EQ(sheet.error, sheets::SheetError::None);
    const sheets::SheetRows* read = &sheet.rows;
    testing_support::expectWorkbookShowsGrid(*read, w);
    const std::vector<QString> kinds = testing_support::workbookCellKinds(file);
    ASSERT_EQ(kinds.size(), 4u);
    for (qsizetype r = 0; r < w.rowCount(); ++r)
        EXPECT_EQ(kinds[size_t(r) + 1], testing_support::expectedKinds(w, r)) << "row " << r + 1;
    // Type, date, reason, reminder, due date, notice, amount, payer, contact, fiscal code, VAT,
    // card; an impossible date stays text.
    EXPECT_EQ(kinds[1].left(12), u"tdt dtnt ccc"_qs);
    EXPECT_EQ(kinds[3].left(7), u"tct dtn"_qs);

    // The amount column is numbers: their sum is the balance.
    double sum = 0;
    for (size_t r = 1; r < read->size(); ++r)
        sum += QString((*read)[r][6]).replace(u',', u'.').toDouble();
    EXPECT_DOUBLE_EQ(sum, 1230.20);
    EXPECT_EQ((*read)[1][6], u"1250,50"_qs);
    EXPECT_EQ((*read)[2][6], u"-0,30"_qs);
    EXPECT_EQ((*read)[1][11], u"0042"_qs);
    EXPECT_EQ((*read)[1][16], u"00017"_qs);

    // LibreOffice, when installed, reads the same workbook: the dates shown as dates, the
    // amounts as euro numbers (grouped by its own locale), the codes with their zeros.
    const QString office = QStandardPaths::findExecutable(u"soffice"_qs);
    if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
    QProcess p;
    p.setWorkingDirectory(h.dir.path());
    p.start(office, {u"--headless"_qs, u"-env:UserInstallation=file://"_qs + h.path(u"lo"_qs),
                     u"--convert-to"_qs, u"csv:Text - txt - csv (StarCalc):59,34,76"_qs,
                     u"--outdir"_qs, h.path(u"csv"_qs), file});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString csv = QString::fromUtf8(fileBytes(h.path(u"csv/Primanota 2026.csv"_qs)));
    const QStringList rows = csv.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4) << csv.toStdString();
    EXPECT_TRUE(rows[0].startsWith(u"Tipo movimento;Data operazione;Causale;"_qs));
    const auto digits = [](QString s) { return s.remove(QRegularExpression(u"[^-0-9]"_qs)); };
    const QStringList income = rows[1].split(u';');
    EXPECT_EQ(income.mid(0, 6).join(u';'), u"Entrata;15/03/2026;Quote;;31/03/2026;0"_qs);
    EXPECT_EQ(digits(income[6]), u"125050"_qs) << income[6].toStdString();
    EXPECT_TRUE(income[6].endsWith(u"\u20ac"_qs)) << income[6].toStdString();
    EXPECT_EQ(income.mid(9, 3).join(u';'), u"RSSCRL80A01H501U;01234567890;0042"_qs);
    EXPECT_EQ(income[16], u"00017"_qs);
    EXPECT_EQ(digits(rows[2].split(u';')[6]), u"-030"_qs) << rows[2].toStdString();
    EXPECT_EQ(rows[3].split(u';').mid(0, 2).join(u';'), u"Uscita;31/02/2026"_qs);
}
