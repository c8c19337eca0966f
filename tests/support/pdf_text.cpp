#include "pdf_text.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testing_support {

QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess p;
    p.start(tool, {path, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString collapseBlanks(QString text) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    return text.replace(blanks, QStringLiteral(" "));
}

QImage pdfPage(const QString& path, int dpi) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    const QString base = path + QStringLiteral(".r");
    QProcess p;
    p.start(tool, {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                   QStringLiteral("-singlefile"), path, base});
    p.waitForFinished(60000);
    return QImage(base + QStringLiteral(".png"));
}

QString reportOutputPath(const QTemporaryDir& tmp, const QString& name) {
    const QString keep = qEnvironmentVariable("QUORVIX_REPORT_DIR");
    return QDir(keep.isEmpty() ? tmp.path() : keep).filePath(name);
}

} // namespace testing_support
