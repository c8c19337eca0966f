#include "golden.h"

#include "paint_recorder.h"
#include "reports/report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cmath>

namespace testing_support {

namespace {

constexpr double kDpi = 300;
constexpr double kDotsPerMm = kDpi / 25.4;
constexpr int kShownDifferences = 5;

// Millimetres at 0.1 mm; never "-0.0".
QString mm(double dots) {
    const double tenths = std::round(dots / kDotsPerMm * 10);
    return QString::number(tenths / 10 + 0.0, 'f', 1);
}

QString point(const QPointF& p) {
    return mm(p.x()) + u',' + mm(p.y());
}

QString box(const QRectF& r) {
    return point(r.topLeft()) + u' ' + mm(r.width()) + u'x' + mm(r.height());
}

QString colour(const QColor& c) {
    return c.isValid() ? c.name() : QStringLiteral("-");
}

// Quoted, with the characters that would break the line made visible.
QString quoted(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\r"));
    text.replace(u'\t', QStringLiteral("\\t"));
    return u'"' + text + u'"';
}

QString textLine(const reports::PaintedText& t) {
    return QStringLiteral("text  at %1  box %2  %3 %4pt%5 %6  %7")
        .arg(point(t.position), t.clip.isEmpty() ? QStringLiteral("-") : box(t.clip), t.family,
             QString::number(t.pointSize), t.bold ? QStringLiteral(" bold") : QString(),
             colour(t.colour), quoted(t.text));
}

QStringList linesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n')) text.chop(1);
    return text.split(u'\n');
}

QString goldenPath(const QString& name) {
    return QDir(QStringLiteral(QUORVIX_GOLDEN_DIR)).filePath(name + QStringLiteral(".txt"));
}

bool writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0 && f.commit();
}

} // namespace

QString paintedOutline(const reports::Report& report) {
    const reports::PageSetup& page = report.layout().page;
    const auto pages = reports::recordPages(report, kDpi);
    QStringList out;
    out << QStringLiteral("report %1 %2  %3 x %4 mm %5  %6 page(s)")
               .arg(report.layout().name, quoted(report.layout().title),
                    QString::number(page.widthMm), QString::number(page.heightMm),
                    page.orientation == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                               : QStringLiteral("portrait"),
                    QString::number(pages.size()));
    for (size_t i = 0; i < pages.size(); ++i) {
        out << QStringLiteral("page %1").arg(i + 1);
        for (const reports::PaintedFill& f : pages[i].fills)
            out << QStringLiteral("shape box %1  fill %2 outline %3")
                       .arg(box(f.rect), colour(f.colour), colour(f.outline));
        for (const reports::PaintedLine& l : pages[i].strokes)
            out << QStringLiteral("line  %1 -> %2  %3")
                       .arg(point(l.line.p1()), point(l.line.p2()), colour(l.colour));
        for (const reports::PaintedImage& p : pages[i].images)
            out << QStringLiteral("image box %1  %2x%3 px")
                       .arg(box(p.target))
                       .arg(p.size.width())
                       .arg(p.size.height());
        for (const reports::PaintedText& t : pages[i].texts)
            out << textLine(t);
    }
    return out.join(u'\n') + u'\n';
}

::testing::AssertionResult matchesGolden(const QString& name, const QString& actual) {
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIntValue("QUORVIX_UPDATE_GOLDEN") == 1) {
        if (!writeText(path, actual))
            return ::testing::AssertionFailure() << "cannot rewrite " << path.toStdString();
        return ::testing::AssertionSuccess() << "rewrote " << path.toStdString();
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure()
               << "no reference " << path.toStdString()
               << "; run the test with QUORVIX_UPDATE_GOLDEN=1 to write it";
    const QStringList want = linesOf(QString::fromUtf8(f.readAll()));
    const QStringList got = linesOf(actual);
    if (want == got) return ::testing::AssertionSuccess();

    // The actual output beside the test program, for a whole diff.
    const QString actualPath = QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral("golden/%1.txt").arg(name));
    writeText(actualPath, actual);

    qsizetype differing = 0;
    QStringList shown;
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QString w = i < want.size() ? want[i] : QStringLiteral("<end>");
        const QString g = i < got.size() ? got[i] : QStringLiteral("<end>");
        if (w == g) continue;
        if (++differing <= kShownDifferences)
            shown
                << QStringLiteral("line %1:\n  expected: %2\n  actual:   %3").arg(i + 1).arg(w, g);
    }
    auto failure = ::testing::AssertionFailure();
    failure << "printed output differs from " << path.toStdString() << " in " << differing
            << " line(s) (expected " << want.size() << " lines, got " << got.size() << ")\n"
            << shown.join(u'\n').toStdString() << '\n';
    failure
        << "whole output: " << actualPath.toStdString()
        << "\nif the change is intended, rerun with QUORVIX_UPDATE_GOLDEN=1 and review the diff";
    return failure;
}

::testing::AssertionResult matchesGolden(const QString& name, const reports::Report& report) {
    return matchesGolden(name, paintedOutline(report));
}

} // namespace testing_support
