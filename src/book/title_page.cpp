#include "book/title_page.h"

#include "core/ini_file.h"
#include "core/text.h"

#include <QPainter>
#include <QtMath>

namespace book {

namespace {

using reports::arialFont;
using reports::cellText;
using reports::HAlign;
using reports::ReportObject;
using namespace reports::colour;

ReportObject picture(const QString& name, QRectF rect, const QString& lettering, bool centred) {
    ReportObject o = reports::pictureBox(name, rect, centred);
    o.image = titleLettering(lettering);
    return o;
}

// The four captioned boxes, 26 mm apart.
struct TextBlock {
    const char* caption;
    const char* box;
};
const TextBlock kBlocks[] = {
    {"ATTIVITA' SVOLTE:", "txtCommittente"},
    {"INDIRIZZO POSTALE:", "txtImpresa"},
    {"CODICE FISCALE / ESTREMI ISCRIZIONE:", "txtOggetto"},
    {"RECAPITI TELEFONICI E DI POSTA ELETTRONICA:", "txtEstremi"},
};

std::vector<ReportObject> titleObjects() {
    constexpr auto L = HAlign::Left, C = HAlign::Centre;
    std::vector<ReportObject> o;
    o.push_back(reports::line(u"linBordoSinistro"_qs, {10, 10, 0, 189}));
    o.push_back(reports::line(u"linBordoDestro"_qs, {286, 10, 0, 189}));
    o.push_back(reports::line(u"linBordoSopra"_qs, {10, 10, 276, 0}));
    o.push_back(reports::line(u"linBordoSotto"_qs, {10, 199, 276, 0}));
    o.push_back(reports::rectangle(u"shpTestata"_qs, {11, 11, 273.8, 14}, kCornflowerBlue,
                                   kCornflowerBlue));
    o.push_back(
        cellText(u"txtComune"_qs, {12, 12, 271.8, 6}, {}, arialFont(12, true, Qt::white), C));
    o.push_back(
        cellText(u"txtProvincia"_qs, {12, 18, 271.8, 6}, {}, arialFont(12, false, Qt::white), C));
    o.push_back(reports::line(u"linTestata"_qs, {11, 26, 274, 0}));
    o.push_back(picture(u"imgTitolo"_qs, {67.6, 29, 160, 12}, u"LIBRO SOCI"_qs, true));
    o.push_back(picture(u"imgNumero"_qs, {20.2, 45.4, 8, 7}, u"N."_qs, false));
    o.push_back(reports::rectangle(u"shpNumero"_qs, {31, 44.4, 71, 8}, kBeige, kBeige));
    o.push_back(cellText(u"txtNumero"_qs, {32.2, 45.4, 68.6, 6}, {}, arialFont(12, false), C));
    o.push_back(picture(u"imgTotale"_qs, {156.8, 45.4, 46, 6}, u"TOT. SOCI:"_qs, false));
    o.push_back(reports::rectangle(u"shpPagine"_qs, {204.8, 44.4, 71, 8}, kBeige, kBeige));
    o.push_back(cellText(u"txtPagine"_qs, {206, 45.4, 68.6, 6}, {}, arialFont(12, false), C));
    for (int i = 0; i < 4; ++i) {
        const double dy = 26.0 * i;
        const QString name = QLatin1String(kBlocks[i].box).mid(3);
        o.push_back(cellText(u"tit"_qs + name, {20, 60 + dy, 146, 4},
                             QString::fromUtf8(kBlocks[i].caption), arialFont(9, false), L));
        o.push_back(reports::rectangle(u"shp"_qs + name, {20, 65 + dy, 256, 14}, kBeige, kBeige));
        ReportObject box = cellText(QLatin1String(kBlocks[i].box), {24, 69 + dy, 248, 6}, {},
                                    arialFont(10, false), L);
        box.expressions = true;
        o.push_back(box);
        o.push_back(reports::line(u"lin"_qs + name, {24, 76 + dy, 248, 0}));
    }
    reports::addSignatures(
        o, {{"IL PRESIDENTE:", "txtDirettore", 20}, {"IL SEGRETARIO:", "txtResponsabile", 203}},
        {164, 4, 179, 5, 73, arialFont(8, false), arialFont(8, false)});
    o.push_back(reports::line(u"linPiede"_qs, {11, 187.8, 274, 0}));
    o.push_back(
        reports::rectangle(u"shpPiede"_qs, {11, 189, 273.8, 9}, kCornflowerBlue, kCornflowerBlue));
    o.push_back(
        cellText(u"txtNota1"_qs, {12, 190, 272, 3.5},
                 u"Il presente Libro Soci contiene i dati di ogni associato con indicazione "
                 u"della quota d'iscrizione versata e della data di ammissione."_qs,
                 arialFont(8, false, Qt::white), C));
    o.push_back(cellText(u"txtNota2"_qs, {12, 193.4, 272, 3.5},
                         u"Tutte le pagine del Libro Soci sono state stampate e firmate "
                         u"contestualmente alla compilazione rispettando la cronologia di "
                         u"inserimento dei dati."_qs,
                         arialFont(8, false, Qt::white), C));
    return o;
}

} // namespace

TitleTexts readTitlePage(const QString& iniPath) {
    core::IniFile ini(iniPath);
    ini.load(); // an unreadable file reads as empty
    TitleTexts texts;
    for (std::size_t i = 0; i < kTitleKeyCount; ++i)
        texts[i] = ini.value(kTitleSection, QLatin1String(kTitleKeys[i].key));
    return texts;
}

bool writeTitlePage(const QString& iniPath, const TitleTexts& texts) {
    return core::IniFile::update(iniPath, [&](core::IniFile& ini) {
        for (std::size_t i = 0; i < kTitleKeyCount; ++i)
            ini.setValue(kTitleSection, QLatin1String(kTitleKeys[i].key), core::trimText(texts[i]));
    });
}

QString titlePageNotSavedMessage() {
    return u"Attenzione: non è stato possibile salvare i dati del frontespizio nel file "_qs +
           kTitleIniFileName +
           u".\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella di "
           u"installazione del programma."_qs;
}

QImage titleLettering(const QString& text) {
    // Drawn at print resolution, cut to the letters: the picture box scales it to fit.
    QFont font;
    font.setFamilies({u"Times New Roman"_qs, u"Liberation Serif"_qs, u"DejaVu Serif"_qs});
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(200);
    const QFontMetricsF metrics(font);
    const QSize size(qCeil(metrics.horizontalAdvance(text)) + 8, qCeil(metrics.height()));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(QPointF(0, 0), size), Qt::AlignCenter, text);
    return image;
}

reports::Template titleTemplate() {
    reports::Template t;
    t.name = QStringLiteral("repFrontespizio");
    t.title = QStringLiteral("Frontespizio Libro Soci");
    t.page = reports::PageSetup{297, 210, QPageLayout::Landscape, 0, 0, 0, 0};
    t.bands = {
        reports::Band{QStringLiteral("Page1"), reports::BandKind::Page, 210, titleObjects()}};
    return t;
}

reports::Report printedTitlePage(const TitleTexts& texts, const QDate& today) {
    reports::Report report(titleTemplate());
    report.setOrientation(QPageLayout::Landscape);
    for (std::size_t i = 0; i < kTitleKeyCount; ++i)
        report.setText(QLatin1String(kTitleKeys[i].control), core::trimText(texts[i]));
    report.prepare(today);
    return report;
}

} // namespace book
