#include "paint_recorder.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>

#include <cmath>

namespace reports {

namespace {

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    PaintedPage* page = nullptr;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF&) override {
        page->images.push_back({painter()->transform().mapRect(r), pm.size()});
    }
    void drawImage(const QRectF& r, const QImage& img, const QRectF&,
                   Qt::ImageConversionFlags) override {
        page->images.push_back({painter()->transform().mapRect(r), img.size()});
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        fill(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawPath(const QPainterPath& path) override { fill(path.boundingRect()); }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            fill(rects[i]);
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            page->strokes.push_back(
                {painter()->transform().map(lines[i]), painter()->pen().color()});
    }
    void fill(const QRectF& r) {
        const QBrush brush = painter()->brush();
        const QPen pen = painter()->pen();
        const QColor colour = brush.style() != Qt::NoBrush ? brush.color() : QColor();
        const QColor outline = pen.style() != Qt::NoPen ? pen.color() : QColor();
        if (colour.isValid() || outline.isValid())
            page->fills.push_back({painter()->transform().mapRect(r), colour, outline});
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QTransform t = painter()->transform();
        const QFont font = item.font();
        const QFontMetricsF fm(font, paintDevice());
        PaintedText text;
        text.text = item.text();
        text.position = t.map(p);
        text.bounds = t.mapRect(
            QRectF(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
        text.clip = painter()->hasClipping() ? t.mapRect(painter()->clipBoundingRect()) : QRectF();
        text.family = QFontInfo(font).family();
        text.pointSize = font.pointSizeF();
        text.bold = font.bold();
        text.colour = painter()->pen().color();
        page->texts.push_back(text);
    }
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(QSizeF paperMm, double dpi) : paperMm_(paperMm), dpi_(dpi) {}
    RecordingEngine engine;
    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return static_cast<int>(std::lround(paperMm_.width() * dpi_ / 25.4));
        case PdmHeight:
            return static_cast<int>(std::lround(paperMm_.height() * dpi_ / 25.4));
        case PdmWidthMM:
            return static_cast<int>(paperMm_.width());
        case PdmHeightMM:
            return static_cast<int>(paperMm_.height());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return static_cast<int>(dpi_);
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSizeF paperMm_;
    double dpi_;
};

} // namespace

QStringList PaintedPage::lines() const {
    QStringList out;
    for (const PaintedText& t : texts)
        out << t.text;
    return out;
}

std::vector<PaintedPage> recordPages(const Report& report, double dpi) {
    const PageSetup& s = report.layout().page;
    RecordingDevice device({s.widthMm, s.heightMm}, dpi);
    std::vector<PaintedPage> pages(report.pages().size());
    for (size_t i = 0; i < pages.size(); ++i) {
        device.engine.page = &pages[i];
        QPainter painter(&device);
        report.paintPage(painter, static_cast<int>(i), dpi / 25.4);
    }
    return pages;
}

} // namespace reports
