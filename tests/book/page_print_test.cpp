#include "book/page_report.h"
#include "book_fixture.h"
#include "golden.h"
#include "paint_recorder.h"

#include <gtest/gtest.h>

using namespace book;
using namespace book_test;

namespace {

const QDate kToday(2026, 3, 15);

QString textOf(const reports::Report& report, const char* name) {
    return const_cast<reports::Report&>(report).object(QLatin1String(name)).text();
}

} // namespace

TEST(PagePrint, FillsTheTemplateFromTheEditorsTexts) {
    const PageValues p = page({{A(Socio), u"  Rossi Mario  "_qs},
                               {A(Quota), u"25,00"_qs},
                               {B(Socio), u"Verdi [DATE]"_qs},
                               {Presidente, u"Bianchi Luca"_qs}});
    const reports::Report saved = printedPage(p, u"3"_qs, kToday);
    EXPECT_EQ(saved.layout().page.widthMm, 297);
    EXPECT_EQ(saved.pageLayout().orientation(), QPageLayout::Landscape);
    const std::pair<const char*, const char*> expected[] = {
        {"txtNumero", "LIBRO SOCI N. 7"},
        {"txtPagina", "Pag. 3"},
        {"txtDenominazione", "Circolo Culturale Il Faro"},
        {"txtCodFisc", "CODICE FISCALE:  97012340583"},
        {"txtSocio_A", "Rossi Mario"},
        {"txtQuota_A", "€ 25,00"},
        {"txtQuota_B", "€ "}, // an empty fee still prints its sign
        {"txtPresidente", "Bianchi Luca"},
        {"txtSegretario", ""},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(textOf(saved, name), QString::fromUtf8(text)) << name;

    // Brackets in the data print as typed; a page not saved yet has no number.
    const QStringList painted = reports::recordPages(printedPage(p, {}, kToday)).at(0).lines();
    EXPECT_TRUE(painted.contains(u"Verdi [DATE]"_qs));
    EXPECT_TRUE(painted.contains(u"Pag. "_qs) || painted.contains(u"Pag."_qs));
    EXPECT_FALSE(painted.contains(u"Pag. 3"_qs));
}

TEST(PagePrint, PrintedPageMatchesItsReference) {
    PageValues p = page({{Presidente, u"Bianchi Luca"_qs}, {Segretario, u"Neri Paola"_qs}});
    const char* const names[] = {"Rossi Mario", "Verdi Anna", "Esposito Carla Maria Giovanna Rita",
                                 "Colombo Luca"};
    for (int r = 0; r < kRows; ++r) {
        p[rowField(r, Ordine)] = QString::number(r + 1);
        p[rowField(r, Socio)] = QString::fromUtf8(names[r]);
        p[rowField(r, LuogoNasc)] = u"Roma"_qs;
        p[rowField(r, DataNasc)] = u"01/02/1980"_qs;
        p[rowField(r, CodFiscSocio)] = u"RSSMRA80B01H501U"_qs;
        p[rowField(r, Indirizzo)] = u"Via Garibaldi 12 00100 Roma RM"_qs;
        p[rowField(r, Telefono)] = u"06 1234567"_qs;
        p[rowField(r, Tessera)] = u"T-"_qs + QString::number(r + 1);
        p[rowField(r, DataAmm)] = u"15/03/2026"_qs;
        p[rowField(r, Quota)] = r == 3 ? QString() : u"25,00"_qs;
    }
    p[rowField(2, DataUsc)] = u"31/12/2026"_qs;
    p[rowField(2, Motivo)] = u"Trasferimento"_qs;
    p[rowField(1, Annotazioni)] = u"Socio fondatore"_qs;
    EXPECT_TRUE(testing_support::matchesGolden(u"book_page"_qs, printedPage(p, u"12"_qs, kToday)));
}
