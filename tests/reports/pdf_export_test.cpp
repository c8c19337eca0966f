#include "reports/list_report.h"

#include "pdf_text.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace reports;
using testing_support::collapseBlanks;
using testing_support::pdfText;
using testing_support::reportOutputPath;

TEST(PdfExport, ListPagesCarryTitleLinesAndFooter) {
    QTemporaryDir tmp;
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("N. %1 Socio Verdi Anna Quota: € 25,00")
                     .arg(i, 3, 10, QLatin1Char('0'));
    const Report report = listReport(QStringLiteral("Riepilogo soci"), lines, QDate(2026, 3, 15));
    const QString path = reportOutputPath(tmp, QStringLiteral("list.pdf"));
    ASSERT_TRUE(report.exportPdf(path));
    const QString text = collapseBlanks(pdfText(path));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    EXPECT_EQ(static_cast<size_t>(pages.size()), report.pages().size());
    EXPECT_TRUE(pages.first().contains(QLatin1String("Riepilogo soci")));
    EXPECT_TRUE(pages.first().contains(QStringLiteral("N. 001 Socio Verdi Anna Quota: € 25,00")));
    EXPECT_TRUE(pages[1].contains(QLatin1String("N. 0")));
    EXPECT_EQ(text.count(QLatin1String("Stampa eseguita in data 15/03/2026")), 1);
    EXPECT_TRUE(pages.last().contains(QLatin1String("N. 200")));
}

TEST(PdfExport, UnwritablePathFailsWithoutThrowing) {
    const Report report = listReport(QStringLiteral("x"), {}, QDate(2026, 3, 15));
    EXPECT_FALSE(report.exportPdf(QStringLiteral("/nonexistent-folder/x.pdf")));
}
