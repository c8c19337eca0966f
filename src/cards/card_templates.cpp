#include "cards/card_templates.h"

#include "core/text.h"

namespace cards {

namespace {

using reports::arialFont;
using reports::cellText;
using reports::HAlign;
using reports::ReportObject;
using reports::VAlign;
using namespace reports::colour;

// The printed single card; the other styles differ only where `adjust` says.
std::vector<ReportObject> printedCard() {
    using reports::pictureBox;
    using reports::rectangle;
    const QColor white(Qt::white), black(Qt::black);
    const auto L = HAlign::Left, C = HAlign::Centre;
    return {
        rectangle(QStringLiteral("shpSfondo"), {10, 10, 86, 54}, white, black),
        pictureBox(QStringLiteral("imgFoto"), {12, 25.8, 26, 28.8}, true),
        pictureBox(QStringLiteral("imgLogo"), {72.2, 34.4, 22, 21}, true),
        rectangle(QStringLiteral("shpHeader"), {11, 11, 83.8, 12}, kNavy, kNavy),
        rectangle(QStringLiteral("shpFooter"), {11, 57, 83.8, 6}, kNavy, kNavy),
        cellText(QStringLiteral("txtAssociazione"), {12, 12, 54, 3.8},
                 QStringLiteral("Denominazione Ente o Associazione"), arialFont(8, true, white), L),
        cellText(QStringLiteral("txtSottotitolo01"), {12, 15.7, 54, 3.7},
                 QStringLiteral("Indirizzo e città"), arialFont(7, false, white), L),
        cellText(QStringLiteral("txtSottotitolo02"), {12, 19, 54, 3.7},
                 QStringLiteral("Telefono e altri recapiti"), arialFont(7, false, white), L),
        cellText(QStringLiteral("txtAnnotazioni"), {12, 58, 82, 3.8}, QStringLiteral("Annotazioni"),
                 arialFont(8, true, white), C),
        cellText(QStringLiteral("txtTesserato"), {40, 25, 55, 4},
                 QStringLiteral("Cognome e nome Socio"), arialFont(9, true, black), L),
        cellText(QStringLiteral("txtCarica"), {40, 29, 55, 3.8}, QStringLiteral("Carica ricoperta"),
                 arialFont(7.3, true, black), L),
        cellText(QStringLiteral("txtNumTessera"), {40, 33.8, 31, 3.5}, QStringLiteral("Tessera n."),
                 arialFont(7.3, true, kBrown), L),
        cellText(QStringLiteral("titDataRil"), {40, 38, 23, 3.4}, QStringLiteral("Data rilascio:"),
                 arialFont(7, false, black), L),
        rectangle(QStringLiteral("shpDataRil"), {40, 42, 25, 4}, kBeige, black),
        cellText(QStringLiteral("txtDataRil"), {41.4, 42.6, 22.2, 3}, QStringLiteral("GG/MM/AAAA"),
                 arialFont(7.3, true, black), C),
        cellText(QStringLiteral("titDataScade"), {40, 47, 23, 3.4},
                 QStringLiteral("Data scadenza:"), arialFont(7, false, black), L),
        rectangle(QStringLiteral("shpDataScade"), {40, 51, 25, 4}, kBeige, black),
        cellText(QStringLiteral("txtDataScade"), {41.4, 51.6, 22.2, 3},
                 QStringLiteral("GG/MM/AAAA"), arialFont(7.3, true, black), C),
    };
}

// In the preview and on the sheet these texts sit at the top of their boxes.
const char* const kTopAligned[] = {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02",
                                   "txtTesserato",    "txtCarica",        "txtNumTessera",
                                   "titDataRil",      "titDataScade"};

void adjust(ReportObject& o, CardStyle style) {
    if (style == CardStyle::Print) return;
    for (const char* name : kTopAligned)
        if (o.name == QLatin1String(name)) o.vAlign = VAlign::Top;
    if (o.name == QLatin1String("txtDataRil"))
        o.rect.moveTop(42.4);
    else if (o.name == QLatin1String("txtDataScade"))
        o.rect.moveTop(51.4);
    else if (o.name == QLatin1String("txtAnnotazioni") && style == CardStyle::Preview)
        o.rect.moveTop(58.2);
    else if (o.name == QLatin1String("shpSfondo") && style == CardStyle::Sheet)
        o.name = QStringLiteral("shpTessera");
}

reports::Template pageTemplate(const QString& name, const QString& title, bool landscape) {
    reports::Template t;
    t.name = name;
    t.title = title;
    t.page = landscape ? reports::PageSetup{297, 210, QPageLayout::Landscape, 0, 0, 0, 0}
                       : reports::PageSetup{210, 297, QPageLayout::Portrait, 0, 0, 0, 0};
    return t;
}

} // namespace

std::vector<ReportObject> cardObjects(CardStyle style, QPointF offsetMm, const QString& suffix) {
    std::vector<ReportObject> objects = printedCard();
    for (ReportObject& o : objects) {
        adjust(o, style);
        o.rect.translate(offsetMm);
        o.name += suffix;
    }
    return objects;
}

reports::Template singleCardTemplate(CardStyle style) {
    reports::Template t =
        pageTemplate(QStringLiteral("repTessera"), QStringLiteral("Tessera"), false);
    t.bands = {
        reports::Band{QStringLiteral("Page1"), reports::BandKind::Page, 297, cardObjects(style)}};
    return t;
}

QString slotSuffix(int slot) {
    return u'_' + QString(QChar(u'A' + slot));
}

QPointF slotOffsetMm(int slot) {
    static const double columns[] = {0, 95, 189};
    static const double rows[] = {0, 65, 130};
    return {columns[slot % 3], rows[slot / 3]};
}

reports::Template sheetTemplate() {
    reports::Template t =
        pageTemplate(QStringLiteral("repTessere"), QStringLiteral("Tessere"), true);
    reports::Band page{QStringLiteral("Page1"), reports::BandKind::Page, 210, {}};
    for (int slot = 0; slot < kSheetSlots; ++slot)
        for (ReportObject& o : cardObjects(CardStyle::Sheet, slotOffsetMm(slot), slotSuffix(slot)))
            page.objects.push_back(std::move(o));
    t.bands = {page};
    return t;
}

void fillCard(reports::Report& report, const CardContent& card, const QString& suffix) {
    report.setPicture(u"imgLogo"_qs + suffix, card.logo);
    report.setPicture(u"imgFoto"_qs + suffix, card.photo);
    const std::pair<const char*, const QString*> texts[] = {
        {"txtAssociazione", &card.organisation.name},
        {"txtSottotitolo01", &card.organisation.subtitle1},
        {"txtSottotitolo02", &card.organisation.subtitle2},
        {"txtAnnotazioni", &card.organisation.notes},
        {"txtTesserato", &card.tesserato},
        {"txtCarica", &card.carica},
        {"txtNumTessera", &card.numTessera},
        {"txtDataRil", &card.dataRil},
        {"txtDataScade", &card.dataScade},
    };
    for (const auto& [name, text] : texts)
        report.setText(QLatin1String(name) + suffix, core::trimText(*text));
}

} // namespace cards
