#include "fake_platform.h"
#include "paint_recorder.h"
#include "reports/list_report.h"
#include "reports/templates.h"

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
    // Around the first page's capacity (53 lines) and well past it.
    for (int n : {1, 52, 53, 54, 55, 110, 200}) {
        const QStringList lines = numberedLines(n);
        const Report report = listReport(QStringLiteral("Elenco soci"), lines, kToday);
        const auto pages = recordPages(report, 300);
        if (n == 1) {
            EXPECT_EQ(pages.size(), 1u);
        } else if (n == 200) {
            EXPECT_EQ(pages.size(), 4u);
        }

        // Title once, each line once and in order (brackets other than [DATE] as typed),
        // the footer once at the end.
        QStringList all;
        for (const PaintedPage& p : pages)
            all << p.lines();
        EXPECT_EQ(all, QStringList{QStringLiteral("Elenco soci")} + lines + QStringList{kFooter})
            << n;
        EXPECT_EQ(pages.back().lines().last(), kFooter) << n;

        // Every text is inside the printable area (10 mm margins on 210 mm paper), is not
        // cut by its box (room for the ascent and the descenders) and never overlaps the one
        // before it; a page is only left for the next one when it is full.
        const double dpmm = 300 / 25.4;
        for (size_t pg = 0; pg < pages.size(); ++pg) {
            const auto& texts = pages[pg].texts;
            for (size_t i = 0; i < texts.size(); ++i) {
                const PaintedText& t = texts[i];
                const double ascent = t.position.y() - t.bounds.top();
                EXPECT_GE(t.bounds.top(), 10 * dpmm - 1) << n << t.text.toStdString();
                EXPECT_LE(t.bounds.bottom(), 200 * dpmm + 1) << n << t.text.toStdString();
                EXPECT_TRUE(t.clip.contains(QRectF(t.bounds.left() + 1, t.bounds.top() + 1,
                                                   t.bounds.width() - 2, ascent * 1.2)))
                    << n << t.text.toStdString();
                if (i > 0) {
                    EXPECT_GE(t.bounds.top(), texts[i - 1].bounds.bottom() - 0.05 * dpmm)
                        << n << t.text.toStdString();
                }
            }
            if (pg + 1 < pages.size() && pages[pg + 1].texts.front().text != kFooter) {
                EXPECT_GT(texts.back().bounds.bottom() + 3.39 * dpmm, 200 * dpmm)
                    << n << " page " << pg;
            }
        }
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
    EXPECT_NE(t[1].family.indexOf(QLatin1String("Mono")) +
                  t[1].family.indexOf(QLatin1String("Courier")),
              -2);
    const double pitchMm = (t[2].position.y() - t[1].position.y()) / (300 / 25.4);
    EXPECT_NEAR(pitchMm, 3.39, 0.01);
}

TEST(ListReport, EmptyListPrintsTitleAndClosingLineOnly) {
    const Report report = listReport(QStringLiteral("Tessere in attesa di rinnovo"), {}, kToday);
    const auto pages = recordPages(report);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].lines(),
              (QStringList{QStringLiteral("Tessere in attesa di rinnovo"), kFooter}));
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

TEST(ListReport, MarginsLargerThanThePaperStillEndTheLayout) {
    Report report(listTemplate());
    report.setTopMargin(300);
    for (const QString& l : numberedLines(5))
        report.appendLine(QStringLiteral("txtRiepilogo"), l);
    report.setHeight(QStringLiteral("txtRiepilogo"), 5 * kListLineUnits);
    report.setHeight(QStringLiteral("MasterData"), 5 * kListLineUnits + 10);
    report.prepare(kToday);
    EXPECT_EQ(report.pages().size(), 1u);
}
