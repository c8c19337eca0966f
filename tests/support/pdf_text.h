#pragma once

#include <QImage>
#include <QString>

class QTemporaryDir;

namespace testing_support {

// The text of a PDF as pdftotext extracts it, each page ended by a form feed; empty when the
// tool is missing (the caller skips).
QString pdfText(const QString& path);

// `text` with every run of blanks and tabs made one blank: spacing in extracted text depends on
// the tool's version.
QString collapseBlanks(QString text);

// The first page of a PDF rasterised at `dpi`; null when pdftoppm is missing.
QImage pdfPage(const QString& path, int dpi);

// Where a test writes a PDF: the folder QUORVIX_REPORT_DIR names keeps it for a look,
// otherwise `tmp`.
QString reportOutputPath(const QTemporaryDir& tmp, const QString& name);

} // namespace testing_support
