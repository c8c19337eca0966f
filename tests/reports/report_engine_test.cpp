#include "fake_platform.h"
#include "paint_recorder.h"
#include "platform/print_prompt.h"
#include "reports/report.h"
#include "reports/templates.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace reports;

namespace {

const QDate kToday(2026, 3, 15);

// One A4 portrait page without margins holding the given objects.
Template pageOf(std::vector<ReportObject> objects) {
    Template t;
    t.name = QStringLiteral("repProva");
    t.page = PageSetup{210, 297, QPageLayout::Portrait, 0, 0, 0, 0};
    t.bands = {Band{QStringLiteral("Page1"), BandKind::Page, 297, std::move(objects)}};
    return t;
}

QImage renderPage(const Report& r, double dpi) {
    const PageSetup& s = r.layout().page;
    QImage img(int(s.widthMm * dpi / 25.4), int(s.heightMm * dpi / 25.4), QImage::Format_RGB32);
    img.setDotsPerMeterX(int(dpi / 0.0254));
    img.setDotsPerMeterY(int(dpi / 0.0254));
    img.fill(Qt::white);
    QPainter p(&img);
    r.paintPage(p, 0, dpi / 25.4);
    return img;
}

// The bounding box of every non-white pixel.
QRect inkBounds(const QImage& img) {
    QRect ink;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qGray(row[x]) < 250) ink |= QRect(x, y, 1, 1);
    }
    return ink;
}

FontSpec arial(double size) {
    FontSpec f;
    f.pointSize = size;
    return f;
}

} // namespace

TEST(ReportEngine, TextNeverPaintsOutsideItsBox) {
    const QString longText = QStringLiteral("W").repeated(200);
    struct Case {
        const char* what;
        ReportObject box;
    };
    auto wrapped = textBox(QStringLiteral("t"), {20, 30, 40, 6},
                           longText + QStringLiteral(" ") + longText, arial(12));
    wrapped.wordWrap = true;
    const Case cases[] = {
        {"left, one long line", textBox(QStringLiteral("t"), {20, 30, 40, 6}, longText, arial(10))},
        {"centred, taller font than box", textBox(QStringLiteral("t"), {20, 30, 40, 3}, longText,
                                                  arial(20), {}, HAlign::Centre, VAlign::Centre)},
        {"many lines", textBox(QStringLiteral("t"), {20, 30, 40, 6},
                               QStringLiteral("Wg\n").repeated(30), arial(10))},
        {"word wrap", wrapped},
    };
    for (const Case& c : cases) {
        Report r(pageOf({c.box}));
        r.prepare(kToday);
        const double dpi = 150, dpmm = dpi / 25.4;
        const QImage img = renderPage(r, dpi);
        const QRect ink = inkBounds(img);
        const QRectF box(20 * dpmm, 30 * dpmm, 40 * dpmm, c.box.rect.height() * dpmm);
        EXPECT_FALSE(ink.isEmpty()) << c.what;
        EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(QRectF(ink))) << c.what;
    }
}

TEST(ReportEngine, TextKeepsInnerGapsAndAlignment) {
    // A left/top box puts its text 2 units in from the left; a centred one centres it.
    Report r(pageOf(
        {textBox(QStringLiteral("a"), {10, 10, 100, 10}, QStringLiteral("Sinistra"), arial(10)),
         textBox(QStringLiteral("b"), {10, 40, 100, 10}, QStringLiteral("Centro"), arial(10), {},
                 HAlign::Centre, VAlign::Centre),
         textBox(QStringLiteral("c"), {10, 70, 100, 10}, QStringLiteral("Destra"), arial(10), {},
                 HAlign::Right, VAlign::Top)}));
    r.prepare(kToday);
    const double dpmm = 600 / 25.4;
    const auto page = recordPages(r, 600).at(0);
    ASSERT_EQ(page.texts.size(), 3u);
    EXPECT_NEAR(page.texts[0].bounds.left() / dpmm, 10 + 2 / kUnitsPerMm, 0.05);
    EXPECT_NEAR(page.texts[0].bounds.top() / dpmm, 10 + 1 / kUnitsPerMm, 0.3);
    EXPECT_NEAR(page.texts[1].bounds.center().x() / dpmm, 60, 0.05);
    EXPECT_NEAR(page.texts[1].bounds.center().y() / dpmm, 45, 0.3);
    EXPECT_NEAR(page.texts[2].bounds.right() / dpmm, 110 - 2 / kUnitsPerMm, 0.05);
}

TEST(ReportEngine, ExpressionsOnlyWhereSwitchedOn) {
    auto on = textBox(QStringLiteral("on"), {0, 0, 100, 6}, QStringLiteral("Data [DATE] [altro]"),
                      arial(8));
    on.expressions = true;
    auto off =
        textBox(QStringLiteral("off"), {0, 10, 100, 6}, QStringLiteral("Data [DATE]"), arial(8));
    Report r(pageOf({on, off}));
    r.prepare(kToday);
    EXPECT_EQ(recordPages(r).at(0).lines(), (QStringList{QStringLiteral("Data 15/03/2026 [altro]"),
                                                         QStringLiteral("Data [DATE]")}));
}

TEST(ReportEngine, FillingOperations) {
    Report r(listTemplate());
    EXPECT_THROW(r.setText(QStringLiteral("txtNessuno"), QStringLiteral("x")), std::out_of_range);
    EXPECT_FALSE(r.has(QStringLiteral("txtNessuno")));

    r.setText(QStringLiteral("txtRiepilogo"), QStringLiteral("a\nb"));
    r.appendLine(QStringLiteral("txtRiepilogo"), QString());
    r.appendLine(QStringLiteral("txtRiepilogo"), QStringLiteral("c"));
    EXPECT_EQ(
        r.object(QStringLiteral("txtRiepilogo")).lines,
        (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c")}));
    r.clearLines(QStringLiteral("txtRiepilogo"));
    EXPECT_TRUE(r.object(QStringLiteral("txtRiepilogo")).lines.isEmpty());

    r.setHeight(QStringLiteral("MasterData"), 37.795);
    EXPECT_NEAR(r.band(QStringLiteral("MasterData")).heightMm, 10, 1e-9);
    r.setHeight(QStringLiteral("txtRiepilogo"), 3.7795 * 4);
    EXPECT_NEAR(r.object(QStringLiteral("txtRiepilogo")).rect.height(), 4, 1e-9);

    // Orientation swaps the paper; margins move the page content.
    r.setOrientation(QPageLayout::Portrait);
    EXPECT_EQ(r.layout().page.widthMm, 210);
    EXPECT_EQ(r.layout().page.heightMm, 297);
    r.setOrientation(QPageLayout::Portrait);
    EXPECT_EQ(r.layout().page.widthMm, 210);
    EXPECT_EQ(r.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_NEAR(r.pageLayout().fullRect(QPageLayout::Millimeter).height(), 297, 0.5);
}

TEST(ReportEngine, MarginsMayBeNegativeAndMoveEverything) {
    for (double margin : {-1.0, 0.0, 12.5}) {
        Report r(pageOf(
            {textBox(QStringLiteral("t"), {10, 10, 50, 6}, QStringLiteral("X"), arial(10))}));
        r.setTopMargin(margin);
        r.setLeftMargin(margin);
        r.prepare(kToday);
        const double dpmm = 600 / 25.4;
        const auto t = recordPages(r, 600).at(0).texts.at(0);
        EXPECT_NEAR(t.bounds.left() / dpmm, 10 + margin + 2 / kUnitsPerMm, 0.05) << margin;
        EXPECT_NEAR(t.clip.top() / dpmm, 10 + margin, 0.05) << margin;
    }
}

TEST(ReportEngine, PictureFitsWithItsProportionsKept) {
    QImage tall(100, 200, QImage::Format_RGB32);
    tall.fill(Qt::black);
    Report r(pageOf({pictureBox(QStringLiteral("centrata"), {10, 10, 40, 40}, true),
                     pictureBox(QStringLiteral("angolo"), {100, 10, 40, 40}, false)}));
    r.setPicture(QStringLiteral("centrata"), tall);
    r.setPicture(QStringLiteral("angolo"), tall);
    tall.fill(Qt::white); // the report keeps its own copy
    EXPECT_EQ(r.object(QStringLiteral("centrata")).image.pixelColor(0, 0), QColor(Qt::black));
    r.prepare(kToday);
    const double dpmm = 300 / 25.4;
    const auto images = recordPages(r, 300).at(0).images;
    ASSERT_EQ(images.size(), 2u);
    const QRectF centred(images[0].target.topLeft() / dpmm, images[0].target.size() / dpmm);
    EXPECT_NEAR(centred.width(), 20, 0.01);
    EXPECT_NEAR(centred.height(), 40, 0.01);
    EXPECT_NEAR(centred.left(), 20, 0.01);
    EXPECT_NEAR(images[1].target.left() / dpmm, 100, 0.01);
}

TEST(ReportEngine, RectanglesAndLinesUseTheirColours) {
    Report r(pageOf({rectangle(QStringLiteral("shpSfondo"), {10, 10, 86, 54}, Qt::white),
                     rectangle(QStringLiteral("shpHeader"), {11, 11, 83.8, 12}, QColor(0, 0, 0x80),
                               QColor(0, 0, 0x80)),
                     line(QStringLiteral("linSepara"), {23, 16, 165, 0})}));
    r.prepare(kToday);
    const double dpmm = 300 / 25.4;
    const auto page = recordPages(r, 300).at(0);
    ASSERT_EQ(page.fills.size(), 2u);
    EXPECT_EQ(page.fills[0].colour, QColor(Qt::white));
    EXPECT_EQ(page.fills[0].outline, QColor(Qt::black));
    EXPECT_NEAR(page.fills[0].rect.width() / dpmm, 86, 0.01);
    EXPECT_EQ(page.fills[1].colour, QColor(0, 0, 0x80));
    EXPECT_EQ(page.fills[1].outline, QColor(0, 0, 0x80));
    ASSERT_EQ(page.strokes.size(), 1u);
    EXPECT_NEAR(page.strokes[0].line.length() / dpmm, 165, 0.01);
    EXPECT_EQ(page.strokes[0].line.dy(), 0);
}

TEST(ReportEngine, PrepareReplacesEarlierOutput) {
    Report r(
        pageOf({textBox(QStringLiteral("t"), {0, 0, 50, 6}, QStringLiteral("prima"), arial(10))}));
    r.prepare(kToday);
    r.setText(QStringLiteral("t"), QStringLiteral("dopo"));
    r.prepare(kToday);
    ASSERT_EQ(r.pages().size(), 1u);
    EXPECT_EQ(recordPages(r).at(0).lines(), QStringList{QStringLiteral("dopo")});
}

TEST(ReportEngine, EachPageBandIsAPageOfItsOwn) {
    Template t =
        pageOf({textBox(QStringLiteral("a"), {0, 0, 50, 6}, QStringLiteral("uno"), arial(10))});
    t.bands.push_back(
        Band{QStringLiteral("Page2"),
             BandKind::Page,
             297,
             {textBox(QStringLiteral("b"), {0, 0, 50, 6}, QStringLiteral("due"), arial(10))}});
    Report r(t);
    r.prepare(kToday);
    const auto pages = recordPages(r);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines(), QStringList{QStringLiteral("uno")});
    EXPECT_EQ(pages[1].lines(), QStringList{QStringLiteral("due")});
}

TEST(ReportEngine, PrinterFailureBecomesAnErrorMessage) {
    testing_support::Harness h;
    h.fake.pdfPath = QStringLiteral("/nonexistent-folder/out.pdf"); // the printer cannot start
    Report r(pageOf({textBox(QStringLiteral("t"), {0, 0, 50, 6}, QStringLiteral("x"), arial(10))}));
    r.prepare(kToday);
    for (const platform::PrintMode mode :
         {platform::PrintMode::Print, platform::PrintMode::Preview}) {
        h.fake.messages.clear();
        EXPECT_FALSE(
            platform::printNow(h.ctx, nullptr, mode, [&] { return platform::printJob(r); }));
        ASSERT_EQ(h.fake.messages.size(), 1u);
        EXPECT_EQ(h.fake.messages[0].kind, platform::MsgKind::Error);
    }
}

TEST(Templates, EveryObjectTheWindowsAskForExists) {
    Report list(listTemplate());
    for (const char* name : {"txtTitolo", "MasterData", "txtRiepilogo", "txtPagina"})
        EXPECT_TRUE(list.has(QString::fromLatin1(name))) << name;

    Report sheet(sheetTemplate());
    QStringList names{QStringLiteral("imgLogo"), QStringLiteral("txtTitolo"),
                      QStringLiteral("linSepara01"), QStringLiteral("linSepara02"),
                      QStringLiteral("txtCalce")};
    for (int k = 1; k <= kSheetRows; ++k)
        names << sheetTitleName(k) << sheetValueName(k);
    for (const QString& n : names)
        EXPECT_TRUE(sheet.has(n)) << n.toStdString();
    EXPECT_EQ(sheetTitleName(1), QStringLiteral("titCampo01"));
    EXPECT_EQ(sheetValueName(24), QStringLiteral("txtCampo24"));
    EXPECT_EQ(sheet.object(QStringLiteral("txtCampo24")).rect, QRectF(60, 254, 128, 6));
    EXPECT_FALSE(sheet.object(QStringLiteral("imgLogo")).image.isNull());
}

TEST(Templates, OnlyTheListTemplateEvaluatesExpressions) {
    for (const ReportObject& o : sheetTemplate().bands.at(0).objects)
        EXPECT_FALSE(o.expressions) << o.name.toStdString();
    for (const Band& b : listTemplate().bands)
        for (const ReportObject& o : b.objects)
            EXPECT_TRUE(o.expressions) << o.name.toStdString();
}
