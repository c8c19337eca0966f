#include "core/record_file.h"
#include "deadline_window_fixture.h"
#include "platform/export_flow.h"
#include "sheets/sheet_read.h"
#include "workbook_check.h"

#include <QCalendarWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using namespace deadline_tests;
using platform::MsgKind;

// The expected exports sit beside this file; QUORVIX_UPDATE_GOLDEN=1 writes them anew from the
// program's output (review the difference before committing it).
QString expectedFile(const QString& name) {
    const QDir here =
        QFileInfo(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(__FILE__)))
            .dir();
    return here.filePath(QStringLiteral("data/") + name);
}

// Four sheets of 2026 entered out of order, the first with every field filled.
void addSheets(DeadlineWindow& d) {
    QStringList full =
        sheet("15/03/2026", "Quota & <rinnovo> anno 2026", "Citt\u00e0 Nicol\u00f2", "10", "00");
    full[CodFisc] = "CTTNCL80A01H501U";
    full[NumTessera] = "T-12";
    full[Carica] = "Presidente";
    full[TelCel] = "333 1234567";
    full[Recapito] = "Sede sociale";
    full[Anticipi] = "50 \u20ac";
    full[Complessivo] = "150 \u20ac";
    full[Rateazione] = "3 rate";
    full[Officina] = "Bonifico";
    full[Costo] = "100,5";
    full[Contatto] = "Ricevuta n. 7";
    full[Note] = "Nota \u4e2d"; // a character outside the code page
    full[DaConfermare] = kYes;
    d.add(full);
    d.add(sheet("01/03/2026", "Affitto sala", "Bianchi Carla", "09", "00"));
    QStringList paid = sheet("15/03/2026", "Bollo", "Verdi Luca", "08", "30");
    paid[Effettuata] = kYes;
    d.add(paid);
    d.add(sheet("20/04/2026", "Assicurazione", "Neri Paolo", "11", "15"));
}

struct GridSeen {
    QString window, caption;
    int columns = 0, rows = 0;
    QStringList numbers; // column N. top to bottom
    QString header5;
    int width4 = 0, width7 = 0;
};

GridSeen exportFrom(DeadlineWindow& d, const char* button,
                    const char* exportButton = "cmdEsporta") {
    GridSeen seen;
    d.onDialog([&](QDialog& dialog) {
        seen.window = dialog.objectName();
        seen.caption = dialog.windowTitle();
        auto* grid = child<QTableView>(&dialog, QStringLiteral("grdRecords"));
        seen.columns = grid->model()->columnCount();
        seen.rows = grid->model()->rowCount();
        for (int r = 0; r < seen.rows; ++r)
            seen.numbers << grid->model()->index(r, 0).data().toString();
        seen.header5 = grid->model()->headerData(5, Qt::Horizontal).toString();
        seen.width4 = grid->columnWidth(4);
        seen.width7 = grid->columnWidth(7);
        d.h.fake.answers = {platform::Answer::Yes, platform::Answer::No};
        child<QToolButton>(&dialog, QLatin1String(exportButton))->click();
    });
    d.click(button);
    return seen;
}

} // namespace

TEST(DeadlineExports, EachGridExportsItsExpectedFile) {
    struct Case {
        const char* button;
        const char* window;
        const char* caption;
        const char* file;
        int columns;
        QStringList numbers;
        const char* header5;
        int width7;
    };
    const Case cases[] = {
        {"btnOK",
         "TfrmExpImminenti",
         " Scadenze imminenti",
         "Scadenze_Imminenti.xls",
         21,
         {"2", "1"},
         "Numero tessera",
         200},
        {"btnGiorno",
         "TfrmExpGiornaliere",
         " Scadenze del giorno",
         "Scadenze_Giornaliere.xls",
         21,
         {"2", "1"},
         "Numero tessera",
         200},
        {"btnMese",
         "TfrmExpMensili",
         " Scadenze del mese",
         "Scadenze_Mensili.xls",
         21,
         {"2", "3", "1"},
         "Tessera n.",
         180},
        {"cmdEsporta",
         "TfrmExpScadenzario",
         " Esporta archivio Scadenzario pagamenti",
         "Scadenzario_Pagamenti.xls",
         20,
         {"1", "2", "3", "4"},
         "Numero tessera",
         200},
    };
    for (const Case& c : cases) {
        DeadlineWindow d;
        addSheets(d);
        d.w.close();
        d.w.show(); // the alert sees the sheets
        child<QCalendarWidget>(&d.w, QStringLiteral("calAppuntamenti"))
            ->setSelectedDate(QDate(2026, 3, 15));
        if (QLatin1String(c.button) == QLatin1String("cmdEsporta")) d.open();
        const GridSeen seen = exportFrom(d, c.button);
        EXPECT_EQ(seen.window, QLatin1String(c.window));
        EXPECT_EQ(seen.caption, QLatin1String(c.caption));
        EXPECT_EQ(seen.columns, c.columns) << c.window;
        EXPECT_EQ(seen.numbers, c.numbers) << c.window;
        EXPECT_EQ(seen.header5, QLatin1String(c.header5)) << c.window;
        EXPECT_EQ(seen.width4, 180) << c.window;
        EXPECT_EQ(seen.width7, c.width7) << c.window;

        const QString written = d.h.path(QLatin1String(c.file));
        if (qEnvironmentVariableIntValue("QUORVIX_UPDATE_GOLDEN") == 1) {
            QFile::remove(expectedFile(QLatin1String(c.file)));
            QFile::copy(written, expectedFile(QLatin1String(c.file)));
        }
        EXPECT_EQ(fileBytes(written), fileBytes(expectedFile(QLatin1String(c.file)))) << c.window;
        EXPECT_EQ(d.h.fake.texts(),
                  QStringList({platform::exportConfirmQuestion(), platform::exportDoneQuestion()}));
        EXPECT_TRUE(d.h.fake.opened.isEmpty());
    }
}

TEST(DeadlineExports, LibreOfficeReadsTheSameCells) {
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
    testing_support::Harness h;
    const QString xls = h.path(QStringLiteral("Scadenze_Imminenti.xls"));
    ASSERT_TRUE(QFile::copy(expectedFile(QStringLiteral("Scadenze_Imminenti.xls")), xls));
    QProcess p;
    p.setWorkingDirectory(h.dir.path());
    p.start(office, {QStringLiteral("--headless"),
                     QStringLiteral("-env:UserInstallation=file://") + h.path("lo"),
                     QStringLiteral("--convert-to"),
                     QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76"),
                     QStringLiteral("--outdir"), h.path("csv"), xls});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString csv = QString::fromUtf8(fileBytes(h.path("csv/Scadenze_Imminenti.csv")));
    const QStringList rows = csv.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << csv.toStdString();
    EXPECT_EQ(rows[0].split(u';').size(), 20);
    EXPECT_TRUE(rows[0].startsWith("Data scadenza;Ora appuntamento;Pagatore;Codice fiscale;"));
    EXPECT_TRUE(rows[0].endsWith("Pagamento effettuato;Note;Codice univoco"));
    // LibreOffice's HTML import takes a cell of digits only for a number whatever the sheet
    // says, so the key comes back without its leading zero; every other cell reads as written.
    const QStringList expected[] = {
        QString("15/03/2026;08:30;Verdi Luca;;;;;;;;;Circolo Aurora;Bollo;;12,50;;No;S\u00ec;;"
                "03150830")
            .split(u';'),
        QString("15/03/2026;10:00;Citt\u00e0 Nicol\u00f2;CTTNCL80A01H501U;T-12;Presidente;"
                "333 1234567;Sede sociale;50 \u20ac;150 \u20ac;3 rate;Circolo Aurora;"
                "Quota & <rinnovo> anno 2026;Bonifico;100,5;Ricevuta n. 7;S\u00ec;No;Nota ?;"
                "03151000")
            .split(u';'),
    };
    for (int r = 0; r < 2; ++r) {
        const QStringList cells = rows[r + 1].split(u';');
        ASSERT_EQ(cells.size(), 20) << rows[r + 1].toStdString();
        for (int c = 0; c < 19; ++c)
            EXPECT_EQ(cells[c], expected[r][c]) << "row " << r + 1 << " column " << c + 1;
        EXPECT_EQ(cells[19].toInt(), expected[r][19].toInt());
    }
}

TEST(DeadlineExports, EachGridWritesItsWorkbookTyped) {
    const struct {
        const char* button;
        const char* file;
        int rows;
    } cases[] = {
        {"btnOK", "Scadenze_Imminenti.xlsx", 2},
        {"btnGiorno", "Scadenze_Giornaliere.xlsx", 2},
        {"btnMese", "Scadenze_Mensili.xlsx", 3},
        {"cmdEsporta", "Scadenzario_Pagamenti.xlsx", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        DeadlineWindow d;
        addSheets(d);
        d.w.close();
        d.w.show();
        child<QCalendarWidget>(&d.w, QStringLiteral("calAppuntamenti"))
            ->setSelectedDate(QDate(2026, 3, 15));
        if (QLatin1String(c.button) == QLatin1String("cmdEsporta")) d.open();
        const QString file = d.h.path(QStringLiteral("Elenco.xlsx"));
        std::vector<QStringList> read;
        std::vector<QString> kinds, expectedKinds;
        d.onDialog([&](QDialog& dialog) {
            auto& grid = dynamic_cast<platform::ExportWindow&>(dialog);
            testing_support::exportWorkbookTo(d.h.fake, grid, file);
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            read = sheets::readXlsx(f).rows;
            testing_support::expectWorkbookShowsGrid(read, grid);
            for (qsizetype r = 0; r < grid.rowCount(); ++r)
                expectedKinds.push_back(testing_support::expectedKinds(grid, r));
        });
        d.click(c.button);
        ASSERT_EQ(d.h.fake.fileDialogs.size(), 1u);
        EXPECT_EQ(d.h.fake.fileDialogs[0].proposedName, QLatin1String(c.file));
        kinds = testing_support::workbookCellKinds(file);
        ASSERT_EQ(int(kinds.size()), 1 + c.rows);
        for (int r = 0; r < c.rows; ++r)
            EXPECT_EQ(kinds[size_t(r) + 1], expectedKinds[size_t(r)]) << "row " << r + 1;
        // Every list holds "Bollo" of 15/03/2026 08:30: its date a date, its amount a number,
        // its key with the leading zero.
        const auto bollo = std::find_if(read.begin(), read.end(), [](const QStringList& row) {
            return row.value(12) == QStringLiteral("Bollo");
        });
        ASSERT_NE(bollo, read.end());
        const QString& kind = kinds[size_t(bollo - read.begin())];
        EXPECT_EQ(kind[0], u'd');
        EXPECT_EQ(kind[14], u'n');
        EXPECT_EQ((*bollo)[14], QStringLiteral("12,50"));
        if (kind.size() > 19) {
            EXPECT_EQ(kind[19], u'c');
            EXPECT_EQ((*bollo)[19], QStringLiteral("03150830"));
        }
    }
}

TEST(DeadlineExports, AGridReadOnlyInPartIsNotExported) {
    for (const char* exportButton : {"cmdEsporta", "cmdEsportaXlsx"})
        for (const char* button : {"btnOK", "cmdEsporta"}) {
            SCOPED_TRACE(exportButton);
            DeadlineWindow d;
            d.h.fake.todayValue = QDate(2026, 12, 28);
            d.add(sheet("30/12/2026", "Rinnovo"));
            d.w.close();
            d.w.show();
            if (QLatin1String(button) == QLatin1String("btnOK")) {
                // Next year's file cannot be read: December's rows alone are not the list.
                ASSERT_TRUE(QDir(d.h.ctx.folder).mkdir(QStringLiteral("2027.sca")));
            } else {
                d.open();
                d.breakYearFile();
            }
            d.h.fake.fileAnswers = {d.h.path(QStringLiteral("Elenco.xlsx"))};
            const GridSeen seen = exportFrom(d, button, exportButton);
            EXPECT_EQ(seen.rows, QLatin1String(button) == QLatin1String("btnOK") ? 1 : 0);
            ASSERT_EQ(d.h.fake.messages.size(), 1u) << button;
            EXPECT_EQ(d.h.fake.lastMessage().kind, MsgKind::Error);
            EXPECT_EQ(d.h.fake.lastMessage().text, core::archiveAccessMessage());
            EXPECT_TRUE(d.h.fake.fileDialogs.empty());
            EXPECT_TRUE(QDir(d.h.ctx.folder).entryList({"*.xls", "*.xlsx"}, QDir::Files).isEmpty());
        }
}

TEST(DeadlineExports, EmptyYearGridExportsTheHeadingRowOnly) {
    DeadlineWindow d;
    d.open("2025");
    const GridSeen seen = exportFrom(d, "cmdEsporta");
    EXPECT_EQ(seen.rows, 0);
    EXPECT_TRUE(QFile::exists(d.h.path("2025.sca")));
    const QByteArray xls = fileBytes(d.h.path("Scadenzario_Pagamenti.xls"));
    EXPECT_EQ(xls.count("<tr>"), 1);
    EXPECT_TRUE(xls.endsWith(">Note</td></tr></table></body></html>"));
}

TEST(DeadlineExports, HelpOfTheListsAndOfTheWholeYear) {
    DeadlineWindow d;
    d.add(sheet("15/03/2026", "Oggi"));
    d.w.close();
    d.w.show();
    d.onDialog(
        [](QDialog& dialog) { child<QToolButton>(&dialog, QStringLiteral("cmdGuida"))->click(); });
    for (const char* button : {"btnOK", "btnGiorno", "btnMese"})
        d.click(button);
    d.open();
    d.click("cmdEsporta");
    ASSERT_EQ(d.h.fake.helpTopics.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d.h.fake.helpTopics[i].title, "Visualizzazione scadenze pagamenti.");
        EXPECT_EQ(d.h.fake.helpTopics[i].paragraphs.size(), 5);
    }
    EXPECT_TRUE(d.h.fake.helpTopics[0].paragraphs[1].startsWith(
        "Si osservi che la lista delle scadenze imminenti tiene conto del numero di giorni di "
        "preavviso indicato dall'utente per ciascuna scadenza."));
    EXPECT_EQ(d.h.fake.helpTopics[3].title,
              "Esportazione Scadenzario pagamenti in Microsoft Excel.");
}
