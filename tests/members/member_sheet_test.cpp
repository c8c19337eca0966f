#include "members/member_record.h"
#include "members/member_sheet.h"
#include "paint_recorder.h"

#include "golden.h"
#include "pdf_text.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace members;

namespace {

QStringList emptyMember() {
    QStringList v;
    for (int i = 0; i < MemberFieldCount; ++i)
        v << QString();
    return v;
}

QStringList fullMember() {
    QStringList v = emptyMember();
    const std::pair<MemberField, const char*> data[] = {
        {Tesserato, "Rossi Mario"},
        {Carica, "Presidente"},
        {NumTessera, "A-17"},
        {DataRil, "01/02/2026"},
        {DataScade, "31/12/2026"},
        {DataNasc, "05/06/1970"},
        {ComuneNasc, "Torino"},
        {ProvNasc, "TO"},
        {ComuneRes, "Milano"},
        {ProvRes, "MI"},
        {CapRes, "20100"},
        {IndirizzoRes, "Via Roma 1"},
        {Titoli, "25,00"},
        {TelCasa, "011 123"},
        {TelUff, "02 456"},
        {TelCel, "333 789"},
        {Recapito, "cellulare"},
        {Fax, "02 999"},
        {Email, "mario@example.it"},
        {CodFisc, "RSSMRA70H05L219X"},
        {Carta, "4111111111111111"},
        {ScadeCarta, "12/28"},
        {PartitaIva, "01234567890"},
        {Iban, "IT60X0542811101000000123456"},
        {Intestatario, "Rossi Mario"},
        {Note, "[socio fondatore] & amico"},
    };
    for (auto [f, s] : data)
        v[f] = QString::fromUtf8(s);
    return v;
}

} // namespace

TEST(MemberSheet, RowsJoinFieldsAsPrinted) {
    const QStringList full = memberSheetValues(fullMember());
    ASSERT_EQ(full.size(), 24);
    EXPECT_EQ(full[0], QStringLiteral("Rossi Mario"));
    EXPECT_EQ(full[6], QStringLiteral("Torino TO"));
    EXPECT_EQ(full[7], QStringLiteral("Milano  MI"));
    EXPECT_EQ(full[10], QStringLiteral("€ 25,00"));
    EXPECT_EQ(full[23], QStringLiteral("[socio fondatore] & amico"));

    QStringList partial = emptyMember();
    partial[ComuneNasc] = QStringLiteral("Roma");
    partial[ProvRes] = QStringLiteral("RM");
    const QStringList rows = memberSheetValues(partial);
    EXPECT_EQ(rows[6], QStringLiteral("Roma ")); // empty province: the town and one blank
    EXPECT_EQ(rows[7], QStringLiteral("  RM"));  // empty town: two blanks, then the province
    EXPECT_EQ(rows[10], QStringLiteral("€ "));   // empty fee still shows the euro sign

    const QStringList titles = memberSheetTitles();
    EXPECT_EQ(titles.first(), QStringLiteral("Cognome e nome:"));
    EXPECT_EQ(titles[17], QStringLiteral("Codice Fiscale:"));
    EXPECT_EQ(titles[19], QStringLiteral("Scadenza carta di credito:"));
    EXPECT_EQ(titles.last(), QStringLiteral("Note:"));
}

TEST(MemberSheet, PaintsTitleRowsAndFooterOnOnePortraitPage) {
    const QDateTime now(QDate(2026, 3, 15), QTime(9, 5, 7));
    const reports::Report report = memberSheetReport(fullMember(), now);
    EXPECT_EQ(report.layout().page.orientation, QPageLayout::Portrait);
    const auto pages = reports::recordPages(report, 300);
    ASSERT_EQ(pages.size(), 1u);

    QStringList expected{QStringLiteral("SCHEDA ANAGRAFICA SOCIO")};
    const QStringList titles = memberSheetTitles(), values = memberSheetValues(fullMember());
    for (int k = 0; k < 24; ++k)
        expected << titles[k] << values[k];
    expected << QStringLiteral("Stampa eseguita in data 15/03/2026 alle ore 09:05:07");
    EXPECT_EQ(pages[0].lines(), expected); // brackets in the notes print as typed

    // Fonts and colours: white on orange heading and footer, white on teal titles, black values.
    const auto& texts = pages[0].texts;
    EXPECT_DOUBLE_EQ(texts.front().pointSize, 16);
    EXPECT_EQ(texts.front().colour, QColor(Qt::white));
    EXPECT_DOUBLE_EQ(texts[1].pointSize, 9);
    EXPECT_EQ(texts[1].colour, QColor(Qt::white));
    EXPECT_DOUBLE_EQ(texts[2].pointSize, 10);
    EXPECT_EQ(texts[2].colour, QColor(Qt::black));
    int orange = 0, teal = 0;
    for (const auto& f : pages[0].fills) {
        orange += f.colour == QColor(0xFF, 0x8C, 0x00);
        teal += f.colour == QColor(0x00, 0x80, 0x80);
    }
    EXPECT_EQ(orange, 2);
    EXPECT_EQ(teal, 24);
    EXPECT_EQ(pages[0].images.size(), 1u); // the fixed logo; no member photo

    // Row 24's value sits at 10 + 254 mm from the paper's top, 60 + 10 mm from its left.
    const double dpmm = 300 / 25.4;
    const auto& note = texts[texts.size() - 2];
    EXPECT_NEAR(note.clip.top() / dpmm, 264, 0.05);
    EXPECT_NEAR(note.clip.left() / dpmm, 70, 0.05);
}

TEST(MemberSheet, PrintsAsItsGoldenReference) {
    const QDateTime now(QDate(2026, 3, 15), QTime(9, 5, 7));
    EXPECT_TRUE(
        testing_support::matchesGolden(u"member_sheet"_qs, memberSheetReport(fullMember(), now)));
}

TEST(MemberSheet, NewSheetPrintsEmptyRowsWithTheirTitles) {
    QStringList v = emptyMember();
    v[DataRil] = QStringLiteral("15/03/2026");
    v[Preavviso] = QStringLiteral("0");
    const auto pages =
        reports::recordPages(memberSheetReport(v, QDateTime(QDate(2026, 3, 15), QTime(10, 0))));
    const QStringList lines = pages.at(0).lines();
    // Heading, 24 titles, footer; of the values only the issue date, the separators of rows 7
    // and 8 and the euro sign of row 11.
    EXPECT_EQ(lines.size(), 1 + 24 + 4 + 1);
    EXPECT_TRUE(lines.contains(QStringLiteral("15/03/2026")));
    EXPECT_TRUE(lines.contains(QStringLiteral("€ ")));
}

TEST(MemberSheet, ExportsToPdfWithItsTexts) {
    QTemporaryDir tmp;
    const QString path = testing_support::reportOutputPath(tmp, QStringLiteral("scheda.pdf"));
    ASSERT_TRUE(memberSheetReport(fullMember(), QDateTime(QDate(2026, 3, 15), QTime(10, 30)))
                    .exportPdf(path));
    const QString text = testing_support::pdfText(path);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    for (const char* s :
         {"SCHEDA ANAGRAFICA SOCIO", "Cognome e nome:", "Rossi Mario", "Milano", "€ 25,00",
          "IT60X0542811101000000123456", "Stampa eseguita in data 15/03/2026 alle ore 10:30:00"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    EXPECT_EQ(text.count(u'\f'), 1); // one page
}
