#include "reports/list_report.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace reports;

namespace {

// Where rendered PDFs go: QUORVIX_REPORT_DIR keeps them for a look, else a temporary folder.
QString outputPath(const QTemporaryDir& tmp, const QString& name) {
    const QString keep = qEnvironmentVariable("QUORVIX_REPORT_DIR");
    return QDir(keep.isEmpty() ? tmp.path() : keep).filePath(name);
}

QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess p;
    p.start(tool, {path, QStringLiteral("-")});
    p.waitForFinished();
    // Spacing in extracted text depends on the tool: compare with blanks collapsed.
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    return text;
}

} // namespace

TEST(PdfExport, ListPagesCarryTitleLinesAndFooter) {
    QTemporaryDir tmp;
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("N. %1 Socio Verdi Anna Quota: € 25,00")
                     .arg(i, 3, 10, QLatin1Char('0'));
    const Report report = listReport(QStringLiteral("Riepilogo soci"), lines, QDate(2026, 3, 15));
    const QString path = outputPath(tmp, QStringLiteral("list.pdf"));
    ASSERT_TRUE(report.exportPdf(path));
    const QString text = pdfText(path);
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
