#include "reports/templates.h"

#include <QPainter>
#include <QPainterPath>

namespace reports {

using namespace colour;

Template listTemplate() {
    Template t;
    t.name = QStringLiteral("repRiepilogo");
    t.title = QStringLiteral("Riepilogo dati");
    t.page = PageSetup{297, 210, QPageLayout::Landscape, 10, 10, 10, 10};

    Band title{QStringLiteral("bndTitolo"), BandKind::Title, 8, {}};
    ReportObject titolo = textBox(QStringLiteral("txtTitolo"), {2, 1, 273, 5}, {},
                                  font(QStringLiteral("Verdana"), 9, true, Qt::white), kSlateGray,
                                  HAlign::Centre, VAlign::Centre);
    titolo.expressions = true;
    title.objects.push_back(titolo);

    Band data{QStringLiteral("MasterData"), BandKind::Data, 28, {}};
    ReportObject riepilogo = textBox(QStringLiteral("txtRiepilogo"), {3, 0, 273, 27}, {},
                                     font(QStringLiteral("Courier New"), 8, false, Qt::black));
    riepilogo.expressions = true;
    riepilogo.linePitchMm = unitsToMm(12.822);
    data.objects.push_back(riepilogo);

    Band closing{QStringLiteral("bndChiusura"), BandKind::Closing, 8, {}};
    ReportObject pagina = textBox(QStringLiteral("txtPagina"), {3, 2, 272, 5},
                                  QStringLiteral("Stampa eseguita in data [DATE]"),
                                  font(QStringLiteral("Verdana"), 8, true, Qt::white), kSlateGray,
                                  HAlign::Centre, VAlign::Centre);
    pagina.expressions = true;
    closing.objects.push_back(pagina);

    t.bands = {title, data, closing};
    return t;
}

QString sheetTitleName(int row) {
    return QStringLiteral("titCampo%1").arg(row, 2, 10, QLatin1Char('0'));
}
QString sheetValueName(int row) {
    return QStringLiteral("txtCampo%1").arg(row, 2, 10, QLatin1Char('0'));
}

Template sheetTemplate() {
    Template t;
    t.name = QStringLiteral("repScheda");
    t.title = QStringLiteral("Scheda informativa");
    t.page = PageSetup{210, 297, QPageLayout::Portrait, 10, 10, 10, 10};

    Band page{QStringLiteral("Page1"), BandKind::Page, 277, {}};
    ReportObject logo = pictureBox(QStringLiteral("imgLogo"), {3, 3, 17, 13}, true);
    logo.image = sheetLogo();
    page.objects.push_back(logo);
    page.objects.push_back(textBox(QStringLiteral("txtTitolo"), {23, 3, 165, 9},
                                   QStringLiteral("Titolo Scheda"), arialFont(16, false, Qt::white),
                                   kDarkOrange, HAlign::Centre, VAlign::Centre));
    page.objects.push_back(line(QStringLiteral("linSepara01"), {23, 16, 165, 0}));
    for (int k = 1; k <= kSheetRows; ++k) {
        const double top = 24 + 10 * (k - 1);
        page.objects.push_back(
            textBox(sheetTitleName(k), {3, top, 52, 6}, QStringLiteral("Campo %1").arg(k),
                    arialFont(9, false, Qt::white), kTeal, HAlign::Left, VAlign::Centre));
        page.objects.push_back(
            textBox(sheetValueName(k), {60, top, 128, 6}, QStringLiteral("Campo %1").arg(k),
                    arialFont(10, false, Qt::black), {}, HAlign::Left, VAlign::Centre));
    }
    page.objects.push_back(line(QStringLiteral("linSepara02"), {3, 265, 185, 0}));
    page.objects.push_back(
        textBox(QStringLiteral("txtCalce"), {3, 269, 185, 6}, QStringLiteral("Termine scheda"),
                arialFont(10, false, Qt::white), kDarkOrange, HAlign::Centre, VAlign::Centre));
    t.bands = {page};
    return t;
}

QImage sheetLogo() {
    // A card with a member's silhouette, in the sheet's orange and teal.
    QImage img(82, 68, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kTeal, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 6, 76, 56), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkOrange);
    p.drawRect(QRectF(4.5, 14, 73, 7));
    p.setBrush(kTeal);
    p.drawEllipse(QRectF(13, 25, 16, 16));
    QPainterPath shoulders;
    shoulders.moveTo(9, 56);
    shoulders.cubicTo(9, 42, 33, 42, 33, 56);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setBrush(QColor(0x70, 0x80, 0x90));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(40, 29 + i * 9, i == 2 ? 24 : 32, 4), 2, 2);
    return img;
}

} // namespace reports
