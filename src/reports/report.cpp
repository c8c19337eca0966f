#include "reports/report.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace reports {

namespace {

constexpr double kEps = 1e-6;
const double kGapXMm = unitsToMm(2); // inner gap of a text box, left and right
const double kGapYMm = unitsToMm(1); // top and bottom

bool isFixedBand(BandKind k) {
    return k != BandKind::Data;
}

// Line spacing of a font in mm, measured at a fixed high resolution so that layout does
// not depend on the screen.
double lineSpacingMm(const FontSpec& font) {
    static QImage probe = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(47244); // 1200 dpi
        img.setDotsPerMeterY(47244);
        return img;
    }();
    const QFontMetricsF fm(resolveFont(font), &probe);
    return fm.lineSpacing() / (1200.0 / 25.4);
}

double linePitchMm(const ReportObject& o) {
    return o.linePitchMm > 0 ? o.linePitchMm : lineSpacingMm(o.font);
}

PlacedObject evaluated(const ReportObject& o, const QDate& today) {
    PlacedObject p{o, std::nullopt};
    if (o.kind == ObjectKind::Text && o.expressions)
        for (QString& l : p.object.lines)
            l = evaluateExpressions(l, today);
    return p;
}

} // namespace

// --- template builders -------------------------------------------------------------------

FontSpec font(const QString& family, double pointSize, bool bold, QColor colour) {
    FontSpec f;
    f.family = family;
    f.pointSize = pointSize;
    f.bold = bold;
    f.colour = colour;
    return f;
}

void addSignatures(std::vector<ReportObject>& out, std::initializer_list<Signature> signatures,
                   const SignatureRows& rows) {
    for (const Signature& s : signatures) {
        const QString name = QLatin1String(s.box).mid(3);
        out.push_back(cellText(u"tit"_qs + name,
                               {s.left, rows.captionTop, rows.width, rows.captionHeight},
                               QString::fromUtf8(s.caption), rows.captionFont, HAlign::Centre));
        out.push_back(line(u"linFirma"_qs + name, {s.left, rows.lineTop, rows.width, 0}));
        out.push_back(cellText(QLatin1String(s.box),
                               {s.left, rows.lineTop + 1, rows.width, rows.nameHeight}, {},
                               rows.nameFont, HAlign::Centre));
    }
}

ReportObject textBox(const QString& name, QRectF rectMm, const QString& text, FontSpec font,
                     QColor fill, HAlign h, VAlign v) {
    ReportObject o;
    o.name = name;
    o.kind = ObjectKind::Text;
    o.rect = rectMm;
    if (!text.isEmpty()) o.lines = text.split(u'\n');
    o.font = font;
    o.fill = fill;
    o.hAlign = h;
    o.vAlign = v;
    return o;
}

ReportObject pictureBox(const QString& name, QRectF rectMm, bool centred) {
    ReportObject o;
    o.name = name;
    o.kind = ObjectKind::Picture;
    o.rect = rectMm;
    o.centred = centred;
    return o;
}

ReportObject rectangle(const QString& name, QRectF rectMm, QColor fill, QColor outline) {
    ReportObject o;
    o.name = name;
    o.kind = ObjectKind::Rectangle;
    o.rect = rectMm;
    o.fill = fill;
    o.outline = outline;
    return o;
}

ReportObject line(const QString& name, QRectF rectMm, QColor colour) {
    ReportObject o;
    o.name = name;
    o.kind = ObjectKind::Line;
    o.rect = rectMm;
    o.outline = colour;
    return o;
}

QString evaluateExpressions(const QString& text, const QDate& today) {
    QString out = text;
    out.replace(QLatin1String("[DATE]"), today.toString(QStringLiteral("dd/MM/yyyy")));
    return out;
}

QFont resolveFont(const FontSpec& font) {
    QFont f;
    QStringList families{font.family};
    const QString lower = font.family.toLower();
    if (lower == QLatin1String("courier new") || lower == QLatin1String("courier"))
        families << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    else
        families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    f.setFamilies(families);
    f.setStyleHint(lower.contains(QLatin1String("courier")) ? QFont::TypeWriter : QFont::SansSerif);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

// --- filling -----------------------------------------------------------------------------

Report::Report(Template tmpl) : tmpl_(std::move(tmpl)) {}

ReportObject* Report::findObject(const QString& name) {
    for (Band& b : tmpl_.bands)
        for (ReportObject& o : b.objects)
            if (o.name == name) return &o;
    return nullptr;
}

Band* Report::findBand(const QString& name) {
    for (Band& b : tmpl_.bands)
        if (b.name == name) return &b;
    return nullptr;
}

bool Report::has(const QString& name) const {
    auto* self = const_cast<Report*>(this);
    return self->findObject(name) || self->findBand(name);
}

ReportObject& Report::object(const QString& name) {
    if (ReportObject* o = findObject(name)) return *o;
    throw std::out_of_range("report object not found: " + name.toStdString());
}

Band& Report::band(const QString& name) {
    if (Band* b = findBand(name)) return *b;
    throw std::out_of_range("report band not found: " + name.toStdString());
}

void Report::setText(const QString& name, const QString& text) {
    ReportObject& o = object(name);
    o.lines = text.isEmpty() ? QStringList{} : text.split(u'\n');
}

void Report::clearLines(const QString& name) {
    object(name).lines.clear();
}

void Report::appendLine(const QString& name, const QString& line) {
    object(name).lines << line;
}

void Report::setHeight(const QString& name, double units) {
    const double mm = std::max(0.0, unitsToMm(units));
    if (ReportObject* o = findObject(name))
        o->rect.setHeight(mm);
    else
        band(name).heightMm = mm;
}

void Report::setPicture(const QString& name, const QImage& image) {
    object(name).image = image.copy();
}

void Report::setOrientation(QPageLayout::Orientation orientation) {
    PageSetup& p = tmpl_.page;
    if (p.orientation == orientation) return;
    p.orientation = orientation;
    std::swap(p.widthMm, p.heightMm);
}

void Report::setTopMargin(double mm) {
    tmpl_.page.topMm = mm;
}
void Report::setLeftMargin(double mm) {
    tmpl_.page.leftMm = mm;
}

// --- layout ------------------------------------------------------------------------------

void Report::prepare(const QDate& today) {
    pages_.clear();
    bool banded = false;
    for (const Band& b : tmpl_.bands)
        banded = banded || b.kind != BandKind::Page;
    if (banded)
        layoutBands(today);
    else
        layoutPageTemplate(today);
}

void Report::layoutPageTemplate(const QDate& today) {
    // Each page band is one page of its own, in order.
    for (const Band& b : tmpl_.bands) {
        PreparedPage page;
        for (const ReportObject& o : b.objects)
            page.objects.push_back(evaluated(o, today));
        pages_.push_back(std::move(page));
    }
}

void Report::layoutBands(const QDate& today) {
    // Margins that leave no printable height put everything on one page (off the paper)
    // rather than on endless empty ones.
    double pageHeight = tmpl_.page.printableHeightMm();
    if (pageHeight < 1) pageHeight = std::numeric_limits<double>::infinity();
    pages_.emplace_back();
    double y = 0;
    auto newPage = [&] {
        pages_.emplace_back();
        y = 0;
    };

    // Places the part [from, to) of a band at the current position.
    auto placeSlice = [&](const Band& band, double from, double to) {
        for (const ReportObject& o : band.objects) {
            const double top = o.rect.top(), bottom = o.rect.bottom();
            const bool whole = top >= from - kEps && bottom <= to + kEps;
            if (whole || (o.kind != ObjectKind::Text && top >= from - kEps && top < to)) {
                PlacedObject p = evaluated(o, today);
                p.object.rect.translate(0, y - from);
                pages_.back().objects.push_back(std::move(p));
                continue;
            }
            if (o.kind != ObjectKind::Text || bottom <= from + kEps || top >= to - kEps) continue;
            // A text box cut by the page end: only its whole lines inside the slice. The
            // line range is computed, not searched, so long lists stay linear.
            const double sliceTop = std::max(top, from), sliceBottom = std::min(bottom, to);
            const double pitch = linePitchMm(o), first = top + kGapYMm;
            const int n = static_cast<int>(o.lines.size());
            auto lineTop = [&](int i) { return first + i * pitch; };
            // At the box's own bottom a line is kept while it starts inside the box (the box
            // clips it); at a page cut only whole lines stay.
            auto fits = [&](int i) {
                return sliceBottom >= bottom - kEps ? lineTop(i) < bottom - kEps
                                                    : lineTop(i) + pitch <= sliceBottom + kEps;
            };
            auto guess = [&](double at) {
                return std::clamp(static_cast<int>(std::floor((at - first) / pitch)) - 1, 0, n);
            };
            int i0 = guess(sliceTop);
            while (i0 < n && lineTop(i0) < sliceTop - kEps)
                ++i0;
            int i1 = std::max(i0, guess(sliceBottom));
            while (i1 < n && fits(i1))
                ++i1;
            ReportObject part = o;
            part.lines = o.lines.mid(i0, i1 - i0);
            PlacedObject p = evaluated(part, today);
            p.object.rect =
                QRectF(o.rect.left(), sliceTop - from + y, o.rect.width(), sliceBottom - sliceTop);
            p.linesTopMm = i1 > i0 ? lineTop(i0) - sliceTop : 0;
            pages_.back().objects.push_back(std::move(p));
        }
    };

    for (const Band& band : tmpl_.bands) {
        const double h = band.heightMm;
        if (isFixedBand(band.kind)) {
            if (y > 0 && y + h > pageHeight + kEps) newPage();
            placeSlice(band, 0, h);
            y += h;
            continue;
        }
        // The data band's one row splits across pages at whole lines of its text boxes.
        double from = 0;
        while (true) {
            const double avail = pageHeight - y;
            if (h - from <= avail + kEps) {
                placeSlice(band, from, h);
                y += h - from;
                break;
            }
            double cut = from + avail;
            for (const ReportObject& o : band.objects) {
                if (o.kind != ObjectKind::Text || o.rect.top() >= cut || o.rect.bottom() <= cut)
                    continue;
                const double first = o.rect.top() + kGapYMm, pitch = linePitchMm(o);
                const double boundary =
                    cut <= first ? o.rect.top()
                                 : first + std::floor((cut - first) / pitch + kEps) * pitch;
                cut = std::min(cut, std::max(boundary, o.rect.top()));
            }
            if (cut <= from + kEps) {
                if (y > 0) {
                    newPage();
                    continue;
                }
                cut = from + avail; // not even one line fits a whole page: cut where the page ends
            }
            placeSlice(band, from, cut);
            newPage();
            from = cut;
        }
    }
}

} // namespace reports
