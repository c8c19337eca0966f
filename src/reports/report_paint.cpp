#include "reports/report.h"
#include "reports/report_error.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <memory>

namespace reports {

namespace {

const double kGapXMm = unitsToMm(2);
const double kGapYMm = unitsToMm(1);
constexpr double kThinPenMm = 0.2;

int hFlag(HAlign h) {
    switch (h) {
    case HAlign::Centre:
        return Qt::AlignHCenter;
    case HAlign::Right:
        return Qt::AlignRight;
    case HAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

int vFlag(VAlign v) {
    switch (v) {
    case VAlign::Centre:
        return Qt::AlignVCenter;
    case VAlign::Bottom:
        return Qt::AlignBottom;
    case VAlign::Top:
        break;
    }
    return Qt::AlignTop;
}

void paintText(QPainter& p, const PlacedObject& placed, const QRectF& box, double dpmm) {
    const ReportObject& o = placed.object;
    if (box.width() <= 0 || box.height() <= 0) return;
    if (o.fill.isValid()) p.fillRect(box, o.fill);
    if (o.lines.isEmpty()) return;
    p.save();
    p.setClipRect(box, Qt::IntersectClip); // nothing is painted outside the box
    const QFont font = resolveFont(o.font);
    p.setFont(font);
    p.setPen(o.font.colour);
    const QRectF inner =
        box.adjusted(kGapXMm * dpmm, kGapYMm * dpmm, -kGapXMm * dpmm, -kGapYMm * dpmm);
    if (o.wordWrap) {
        p.drawText(inner, hFlag(o.hAlign) | vFlag(o.vAlign) | Qt::TextWordWrap | Qt::TextDontClip,
                   o.text());
    } else {
        const QFontMetricsF fm(font, p.device());
        const double pitch = o.linePitchMm > 0 ? o.linePitchMm * dpmm : fm.lineSpacing();
        const double total = pitch * o.lines.size();
        double top = inner.top();
        if (placed.linesTopMm)
            top = box.top() + *placed.linesTopMm * dpmm;
        else if (o.vAlign == VAlign::Centre)
            top = inner.center().y() - total / 2;
        else if (o.vAlign == VAlign::Bottom)
            top = inner.bottom() - total;
        for (int i = 0; i < o.lines.size(); ++i) {
            const QRectF lineRect(inner.left(), top + i * pitch, inner.width(), pitch);
            p.drawText(lineRect,
                       hFlag(o.hAlign) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                       o.lines[i]);
        }
    }
    p.restore();
}

void paintPicture(QPainter& p, const ReportObject& o, const QRectF& box) {
    if (o.image.isNull() || box.width() <= 0 || box.height() <= 0) return;
    QSizeF size = QSizeF(o.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(box.topLeft(), size);
    if (o.centred) target.moveCenter(box.center());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, o.image);
    p.restore();
}

QPen thinPen(const QColor& colour, double dpmm) {
    QPen pen(colour.isValid() ? colour : QColor(Qt::black));
    pen.setWidthF(std::max(1.0, kThinPenMm * dpmm));
    return pen;
}

} // namespace

void Report::paintPage(QPainter& p, int page, double dpmm) const {
    const PageSetup& setup = tmpl_.page;
    auto toDevice = [&](const QRectF& r) {
        return QRectF((r.left() + setup.leftMm) * dpmm, (r.top() + setup.topMm) * dpmm,
                      r.width() * dpmm, r.height() * dpmm);
    };
    for (const PlacedObject& placed : pages_.at(page).objects) {
        const ReportObject& o = placed.object;
        const QRectF box = toDevice(o.rect);
        switch (o.kind) {
        case ObjectKind::Text:
            paintText(p, placed, box, dpmm);
            break;
        case ObjectKind::Picture:
            paintPicture(p, o, box);
            break;
        case ObjectKind::Rectangle:
            p.save();
            p.setPen(thinPen(o.outline, dpmm));
            p.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
            p.drawRect(box);
            p.restore();
            break;
        case ObjectKind::Line:
            p.save();
            p.setPen(thinPen(o.outline, dpmm));
            p.drawLine(box.topLeft(), box.bottomRight());
            p.restore();
            break;
        }
    }
}

void Report::paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(QStringLiteral("Impossibile avviare la stampa sul dispositivo scelto."));
    // The painter starts at the device's printable area; the report measures from the paper.
    const double dpmm = device.logicalDpiX() / 25.4;
    const QPointF origin = device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft();
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            throw ReportError(QStringLiteral("Impossibile passare alla pagina successiva."));
        }
        painter.save();
        painter.translate(-origin);
        paintPage(painter, i, dpmm);
        painter.restore();
    }
    if (!painter.end()) throw ReportError(QStringLiteral("La stampa non è stata completata."));
}

QPageLayout Report::pageLayout() const {
    const PageSetup& s = tmpl_.page;
    const bool landscape = s.orientation == QPageLayout::Landscape;
    // Page sizes are portrait; the orientation turns them.
    const QSizeF portrait =
        landscape ? QSizeF(s.heightMm, s.widthMm) : QSizeF(s.widthMm, s.heightMm);
    QPageLayout layout(QPageSize(portrait, QPageSize::Millimeter), s.orientation, QMarginsF(),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

platform::RenderPages Report::renderer() const {
    return [this](QPrinter& printer) {
        printer.setFullPage(true);
        paint(printer);
    };
}

bool Report::exportPdf(const QString& path) const {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Quorvix 5.0"));
    writer.setTitle(tmpl_.title);
    if (!writer.setPageLayout(pageLayout())) return false;
    try {
        paint(writer);
    } catch (const ReportError&) {
        return false;
    }
    return true;
}

} // namespace reports
