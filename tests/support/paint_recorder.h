#pragma once

#include "reports/report.h"

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace reports {

// What a report painted, page by page, in device pixels: for checking the printed text and
// its geometry without a printer.
struct PaintedText {
    QString text;
    QPointF position; // start of the baseline
    QRectF bounds;    // the text's own extent (advance width x font height)
    QRectF clip;      // clip in force; empty when none
    QString family;   // the family actually used
    double pointSize = 0;
    bool bold = false;
    QColor colour;
};

struct PaintedImage {
    QRectF target;
    QSize size;
};

struct PaintedFill {
    QRectF rect;
    QColor colour;  // the fill; invalid when only outlined
    QColor outline; // invalid when none
};

struct PaintedLine {
    QLineF line;
    QColor colour;
};

struct PaintedPage {
    std::vector<PaintedText> texts;
    std::vector<PaintedFill> fills; // rectangles and shapes (bounding rect)
    std::vector<PaintedLine> strokes;
    std::vector<PaintedImage> images;
    QStringList lines() const; // the painted texts in painting order
};

// Paints every prepared page of `report` at `dpi` and records what reached the device.
std::vector<PaintedPage> recordPages(const Report& report, double dpi = 300);

} // namespace reports
