#include "book/page_report.h"

#include "core/text.h"

namespace book {

namespace {

using reports::arialFont;
using reports::cellText;
using reports::HAlign;
using reports::ReportObject;
using namespace reports::colour;

// One column of a strip: its caption, the field it shows and how the value sits.
struct Column {
    const char* caption;
    double left, width;
    RowField field;
    HAlign align;
};

constexpr auto L = HAlign::Left, C = HAlign::Centre, R = HAlign::Right;

const Column kStrip1[] = {
    {"N. ORD.", 11.4, 13.8, Ordine, C},           {"COGNOME E NOME", 28, 45, Socio, L},
    {"LUOGO DI NASCITA", 77, 52, LuogoNasc, L},   {"DATA DI NASCITA", 133, 30, DataNasc, C},
    {"CODICE FISCALE", 167, 40, CodFiscSocio, C}, {"INDIRIZZO DI RESIDENZA", 211, 73, Indirizzo, L},
};
const Column kStrip2[] = {
    {"TELEFONO", 11.4, 30, Telefono, C},      {"TESSERA N.", 44, 35, Tessera, C},
    {"DATA AMMISSIONE", 83, 30, DataAmm, C},  {"QUOTA SOCIALE", 117, 30, Quota, R},
    {"DATA USCITA", 151, 30, DataUsc, C},     {"MOTIVO USCITA", 185, 40, Motivo, L},
    {"ANNOTAZIONI", 229, 55, Annotazioni, L},
};
const double kSeparators1[] = {26, 75, 131, 165, 209};
const double kSeparators2[] = {42, 81, 115, 149, 183, 227};

// Row A's strips: caption band top, value band top, closing line.
struct Strip {
    double captionTop, valueTop, closeAt;
    std::span<const Column> columns;
    std::span<const double> separators;
};

void addStrip(std::vector<ReportObject>& out, int row, int strip, const Strip& s) {
    const double dy = rowOffsetMm(row);
    const QString suffix = rowSuffix(row);
    const QString tag = QString::number(strip) + suffix;
    const QColor captionColour = row % 2 == 0 ? kBrown : kCornflowerBlue;
    out.push_back(reports::rectangle(u"shpTitoli"_qs + tag, {11, s.captionTop + dy, 274.8, 4.8},
                                     captionColour, captionColour));
    out.push_back(reports::rectangle(u"shpValori"_qs + tag, {11, s.valueTop + dy, 274.8, 5.8},
                                     kBeige, kBeige));
    out.push_back(reports::line(u"linChiusura"_qs + tag, {11, s.closeAt + dy, 275, 0}));
    for (std::size_t i = 0; i < s.separators.size(); ++i)
        out.push_back(reports::line(u"linColonna"_qs + tag + u'_' + QString::number(i + 1),
                                    {s.separators[i], s.captionTop + 0.2 + dy, 0, 12}));
    for (const Column& c : s.columns) {
        const QString field = QLatin1String(kPageFields[rowField(row, c.field)].name);
        out.push_back(cellText(u"tit"_qs + field, {c.left, s.captionTop + 0.6 + dy, c.width, 3.8},
                               QString::fromUtf8(c.caption), arialFont(7, true, Qt::white), C));
        out.push_back(cellText(u"txt"_qs + field, {c.left, s.valueTop + 1.4 + dy, c.width, 3.4}, {},
                               arialFont(7, false), c.align));
    }
}

std::vector<ReportObject> pageObjects() {
    std::vector<ReportObject> o;
    o.push_back(cellText(u"txtNumero"_qs, {10, 10.4, 105.6, 5.4}, {}, arialFont(10, true), L));
    o.push_back(cellText(u"txtPagina"_qs, {260.4, 10.4, 26.6, 5.4}, {}, arialFont(10, true), R));
    o.push_back(reports::line(u"linCorniceSopra"_qs, {10, 18, 277, 0}));
    o.push_back(reports::line(u"linCorniceSotto"_qs, {10, 25.5, 277, 0}));
    o.push_back(reports::line(u"linCorniceSinistra"_qs, {10, 18, 0, 7.5}));
    o.push_back(reports::line(u"linCorniceDestra"_qs, {287, 18, 0, 7.5}));
    o.push_back(reports::rectangle(u"shpIntestazione"_qs, {11, 19, 274.8, 5.4}, kCornflowerBlue,
                                   kCornflowerBlue));
    o.push_back(cellText(u"txtDenominazione"_qs, {12, 20, 196.4, 3.8}, {},
                         arialFont(8, true, kLightYellow), L));
    o.push_back(
        cellText(u"txtCodFisc"_qs, {211, 20, 74, 3.8}, {}, arialFont(8, true, Qt::white), R));

    const Strip strips[] = {{29.4, 35.6, 42.6, kStrip1, kSeparators1},
                            {44, 50.2, 57, kStrip2, kSeparators2}};
    for (int row = 0; row < kRows; ++row)
        for (int s = 0; s < 2; ++s)
            addStrip(o, row, s + 1, strips[s]);

    reports::addSignatures(
        o, {{"IL PRESIDENTE:", "txtPresidente", 10}, {"IL SEGRETARIO:", "txtSegretario", 231}},
        {179, 4, 194, 3.4, 56, arialFont(7, true), arialFont(7, false)});
    return o;
}

} // namespace

double rowOffsetMm(int row) {
    static const double offsets[kRows] = {0, 34.6, 68.6, 103.6};
    return offsets[row];
}

reports::Template pageTemplate() {
    reports::Template t;
    t.name = QStringLiteral("repRegistro");
    t.title = QStringLiteral("Libro Soci");
    t.page = reports::PageSetup{297, 210, QPageLayout::Landscape, 0, 0, 0, 0};
    t.bands = {reports::Band{QStringLiteral("Page1"), reports::BandKind::Page, 210, pageObjects()}};
    return t;
}

void fillPage(reports::Report& report, const PageValues& page, const QString& position) {
    const auto value = [&](int field) { return core::trimText(page.value(field)); };
    report.setText(u"txtNumero"_qs, u"LIBRO SOCI N. "_qs + value(Numero));
    report.setText(u"txtPagina"_qs, u"Pag. "_qs + core::trimText(position));
    report.setText(u"txtDenominazione"_qs, value(Denominazione));
    report.setText(u"txtCodFisc"_qs, u"CODICE FISCALE:  "_qs + value(CodFisc));
    report.setText(u"txtPresidente"_qs, value(Presidente));
    report.setText(u"txtSegretario"_qs, value(Segretario));
    for (int row = 0; row < kRows; ++row)
        for (int f = 0; f < RowFieldCount; ++f) {
            const int field = rowField(row, RowField(f));
            const QString v = value(field);
            report.setText(controlName(field), f == Quota ? u"€ "_qs + v : v);
        }
}

reports::Report printedPage(const PageValues& page, const QString& position, const QDate& today) {
    reports::Report report(pageTemplate());
    fillPage(report, page, position);
    report.setOrientation(QPageLayout::Landscape);
    report.prepare(today);
    return report;
}

} // namespace book
