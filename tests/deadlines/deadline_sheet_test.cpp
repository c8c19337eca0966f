#include "deadline_window_fixture.h"
#include "deadlines/deadline_sheet.h"
#include "golden.h"
#include "pdf_text.h"
#include "reports/templates.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using namespace deadline_tests;
using testing_support::pdfText;

void pick(DeadlineWindow& d, const char* box, const QString& item) {
    auto* c = child<QComboBox>(&d.w, QLatin1String(box));
    c->setCurrentIndex(c->findText(item));
}

void set(DeadlineWindow& d, const char* field, const QString& text) {
    child<QLineEdit>(&d.w, QLatin1String(field))->setText(text);
}

} // namespace

TEST(DeadlineSheet, RowsTakeTheWindowsFields) {
    QStringList v = deadline("05/03/2024", "7", "14", "05");
    v[CodFisc] = "RSSNNA80A41H501X";
    v[NumTessera] = "12";
    v[Carica] = "Tesoriere";
    v[TelCel] = "333";
    v[Recapito] = "Sede";
    v[Anticipi] = "10";
    v[Complessivo] = "100";
    v[Rateazione] = "2 rate";
    v[Officina] = "Contanti";
    v[Costo] = "90,00";
    v[Contatto] = "R-1";
    v[Note] = "[DATE] resta com'\u00e8";
    v[DaConfermare] = kYes;
    const QStringList values = deadlineSheetValues(v);
    const QStringList expected = {"05 Marzo 2024",
                                  "14:05",
                                  "7",
                                  "Rossi Anna",
                                  "RSSNNA80A41H501X",
                                  "12",
                                  "Tesoriere",
                                  "333",
                                  "Sede",
                                  "10",
                                  "100",
                                  "2 rate",
                                  "Circolo Aurora",
                                  "Quota annuale",
                                  "Contanti",
                                  "90,00",
                                  "R-1",
                                  "[DATE] resta com'\u00e8",
                                  "S\u00ec",
                                  "No",
                                  " ",
                                  " ",
                                  " ",
                                  " "};
    EXPECT_EQ(values, expected);
    const QStringList titles = deadlineSheetTitles();
    ASSERT_EQ(titles.size(), 24);
    EXPECT_EQ(titles[0], "Data scadenza:");
    EXPECT_EQ(titles[14], "Modalit\u00e0 di pagamento:");
    EXPECT_EQ(titles[19], "Pagamento effettuato:");
    EXPECT_EQ(titles.mid(20), QStringList({" ", " ", " ", " "}));
    EXPECT_EQ(deadlineSheetFooter(QDateTime(QDate(2026, 3, 5), QTime(9, 7, 3))),
              "Stampa eseguita in data 05/03/2026 alle ore 09:07:03");
}

TEST(DeadlineSheet, ReportFillsTheSheetTemplateAndStaysOnePage) {
    QStringList v = deadline("05/03/2024", "7");
    v[Dettagli] = QString(250, u'W'); // clipped by its box, the page does not grow
    reports::Report report = deadlineSheetReport(v, QDateTime(QDate(2026, 3, 15), QTime(10, 30)));
    EXPECT_EQ(report.layout().name, "repScheda");
    EXPECT_EQ(report.pages().size(), 1u);
    EXPECT_EQ(report.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(report.object("txtTitolo").text(), "SCHEDA SCADENZA PAGAMENTO");
    EXPECT_EQ(report.object(reports::sheetValueName(14)).text(), QString(250, u'W'));
    EXPECT_EQ(report.object(reports::sheetValueName(14)).rect, QRectF(60, 154, 128, 6));
    EXPECT_EQ(report.object(reports::sheetTitleName(24)).text(), " ");
    EXPECT_EQ(report.object("txtCalce").text(),
              "Stampa eseguita in data 15/03/2026 alle ore 10:30:00");
}

TEST(DeadlineSheet, PreviewAndPrintWhatTheWindowShowsWithoutTouchingTheFile) {
    for (bool preview : {true, false}) {
        DeadlineWindow d;
        d.open("2024");
        pick(d, "txtGiorno", "05");
        pick(d, "txtMese", "Marzo");
        set(d, "txtPagatore", "  Bianchi Luca ");
        set(d, "txtDettagli", "Quota & rinnovo");
        child<QCheckBox>(&d.w, QStringLiteral("chkEffettuata"))->setChecked(true);
        d.h.fake.pdfPath = d.h.path("scheda.pdf");
        d.click(preview ? "cmdImporta" : "cmdStampa");

        ASSERT_EQ(d.h.fake.printCalls.size(), 1u);
        EXPECT_EQ(d.h.fake.printCalls[0].preview, preview);
        EXPECT_EQ(d.h.fake.printCalls[0].options.pageNavigation, preview); // thumbnails, page keys
        const QPageLayout layout = d.h.fake.printCalls[0].layout;
        EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
        EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).height(), 297, 0.5);
        EXPECT_TRUE(d.h.fake.messages.empty());
        EXPECT_FALSE(QFile::exists(d.h.path("2024.sca"))); // a sheet never saved prints too

        const QString text = pdfText(d.h.fake.pdfPath);
        if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
        for (const char* s : {"SCHEDA SCADENZA PAGAMENTO", "05 Marzo 2024", "00:00", "Bianchi Luca",
                              "Quota & rinnovo", "0,00", "Pagamento effettuato:",
                              "Stampa eseguita in data 15/03/2026 alle ore 10:30:00"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
        EXPECT_FALSE(text.contains("Campo")); // design texts never reach the paper
    }
}

TEST(DeadlineSheet, PrintedPageMatchesItsGoldenReference) {
    QStringList v = deadline("05/03/2024", "7", "14", "05");
    v[Pagatore] = QStringLiteral("Associazione Culturale Amici del Teatro Comunale");
    v[CodFisc] = QStringLiteral("RSSNNA80A41H501X");
    v[NumTessera] = QStringLiteral("T-12");
    v[Carica] = QStringLiteral("Tesoriere");
    v[TelCel] = QStringLiteral("333 1234567");
    v[Recapito] = QStringLiteral("Sede sociale");
    v[Anticipi] = QStringLiteral("50,00 \u20ac");
    v[Complessivo] = QStringLiteral("150,00 \u20ac");
    v[Rateazione] = QStringLiteral("3 rate mensili");
    v[Dettagli] = QString(250, u'W'); // clipped at the right edge of its box
    v[Officina] = QStringLiteral("Bonifico bancario");
    v[Costo] = QStringLiteral("100,50");
    v[Contatto] = QStringLiteral("Ricevuta n. 7");
    v[Note] = QStringLiteral("[DATE] stampata com'\u00e8");
    v[DaConfermare] = kYes;
    const reports::Report report =
        deadlineSheetReport(v, QDateTime(QDate(2026, 3, 15), QTime(10, 30, 5)));
    EXPECT_TRUE(testing_support::matchesGolden(QStringLiteral("deadline_sheet"), report));
}
