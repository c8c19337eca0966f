#include "fake_platform.h"
#include "reports/list_report.h"
#include "reports/paint_recorder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace reports;

namespace {

const QDate kToday(2026, 3, 15);
const QString kFooter = QStringLiteral("Stampa eseguita in data 15/03/2026");

QStringList numberedLines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("Riga %1  Rossi Mario  [nota]").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

} // namespace

TEST(ListReport, LongListContinuesOnLaterPagesWithClosingBandOnceAtTheEnd) {
    const QStringList lines = numberedLines(200);
    const Report report = listReport(QStringLiteral("Elenco soci"), lines, kToday);
    const auto pages = recordPages(report, 300);
    ASSERT_GE(pages.size(), 4u); // about 55 lines fit a landscape page

    QStringList all;
    for (const PaintedPage& p : pages)
        all << p.lines();
    QStringList expected{QStringLiteral("Elenco soci")};
    expected << lines << kFooter;
    // Title once, each line once and in order (brackets other than [DATE] as typed), the
    // footer once at the end.
    EXPECT_EQ(all, expected);

    EXPECT_EQ(pages.front().lines().first(), QStringLiteral("Elenco soci"));
    EXPECT_EQ(pages.back().lines().last(), kFooter);

    // Every line is whole and inside the printable area (10 mm margins on 210 mm paper).
    const double dpmm = 300 / 25.4;
    for (const PaintedPage& p : pages)
        for (const PaintedText& t : p.texts) {
            EXPECT_GE(t.bounds.top(), 10 * dpmm - 1) << t.text.toStdString();
            EXPECT_LE(t.bounds.bottom(), 200 * dpmm + 1) << t.text.toStdString();
            EXPECT_TRUE(t.clip.contains(t.bounds.center())) << t.text.toStdString();
        }
}

TEST(ListReport, LinesUseTheListFontAndPitch) {
    const Report report = listReport(QStringLiteral("Titolo"), numberedLines(3), kToday);
    const auto pages = recordPages(report, 300);
    ASSERT_EQ(pages.size(), 1u);
    const auto& t = pages[0].texts;
    ASSERT_EQ(t.size(), 5u);
    EXPECT_TRUE(t[0].bold);
    EXPECT_EQ(t[0].colour, QColor(Qt::white));
    EXPECT_DOUBLE_EQ(t[1].pointSize, 8);
    EXPECT_FALSE(t[1].bold);
    EXPECT_NE(t[1].family.indexOf(QLatin1String("Mono")) + t[1].family.indexOf(QLatin1String("Courier")), -2);
    const double pitchMm = (t[2].position.y() - t[1].position.y()) / (300 / 25.4);
    EXPECT_NEAR(pitchMm, 3.39, 0.01);
}

TEST(ListReport, EmptyListPrintsTitleAndClosingLineOnly) {
    const Report report = listReport(QStringLiteral("Tessere in attesa di rinnovo"), {}, kToday);
    const auto pages = recordPages(report);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].lines(), (QStringList{QStringLiteral("Tessere in attesa di rinnovo"), kFooter}));
}

TEST(ListReport, PrintListGoesThroughThePrintDialogOnLandscapeA4) {
    testing_support::Harness h;
    h.fake.pdfPath = h.path(QStringLiteral("list.pdf"));
    printList(h.ctx, nullptr, QStringLiteral("Elenco"), numberedLines(60));
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(h.fake.printCalls[0].preview);
    const QPageLayout layout = h.fake.printCalls[0].layout;
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).width(), 297, 0.5);
    EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).height(), 210, 0.5);
    QFile pdf(h.fake.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(ListReport, CancelledPrintDialogPrintsNothingAndSaysNothing) {
    testing_support::Harness h;
    h.fake.printAccepted = false;
    h.fake.pdfPath = h.path(QStringLiteral("list.pdf"));
    printList(h.ctx, nullptr, QStringLiteral("Elenco"), numberedLines(2));
    EXPECT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(QFile::exists(h.fake.pdfPath));
    EXPECT_TRUE(h.fake.messages.empty());
}
