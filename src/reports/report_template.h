#pragma once

#include <QColor>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace reports {

// Report units: 96 per inch. Heights set by windows come in these units.
inline constexpr double kUnitsPerMm = 3.7795;
inline double unitsToMm(double units) {
    return units / kUnitsPerMm;
}
inline double mmToUnits(double mm) {
    return mm * kUnitsPerMm;
}

enum class ObjectKind { Text, Picture, Rectangle, Line };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

// A font as the template names it. The family is the design name ("Arial"); painting
// falls back to a metric-compatible family where the design one is not installed.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
};

// One object of a template. Geometry is in millimetres from the top-left corner of the
// printable area (page objects) or of the band holding it (band objects).
struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF rect; // left, top, width, height in mm; a line has width or height 0

    // Text box. Lines are the text split at line feeds; an empty box has no lines.
    QStringList lines;
    FontSpec font;
    QColor fill; // invalid: no fill
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = false;
    bool expressions = false;
    double linePitchMm = 0; // 0: the font's own line spacing

    // Picture box: always scaled to fit with its proportions kept.
    QImage image;
    bool centred = false;

    // Rectangle outline and line colour.
    QColor outline = Qt::black;

    QString text() const { return lines.join(u'\n'); }
};

// Page band: the objects of a one-page template. Title, data and closing bands make a
// banded list: title once at the top, the data band's single row (which may split across
// pages), the closing band once after the data.
enum class BandKind { Page, Title, Data, Closing };

struct Band {
    QString name;
    BandKind kind = BandKind::Page;
    double heightMm = 0;
    std::vector<ReportObject> objects;
};

struct PageSetup {
    double widthMm = 210;
    double heightMm = 297;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double leftMm = 10, topMm = 10, rightMm = 10, bottomMm = 10;

    double printableHeightMm() const { return heightMm - topMm - bottomMm; }
    double printableWidthMm() const { return widthMm - leftMm - rightMm; }
};

struct Template {
    QString name;  // object name of the template ("repScheda")
    QString title; // report name ("Scheda informativa")
    PageSetup page;
    std::vector<Band> bands;
};

// Colours the templates name.
namespace colour {
inline const QColor kBeige(0xF5, 0xF5, 0xDC);
inline const QColor kBrown(0xA5, 0x2A, 0x2A);
inline const QColor kCornflowerBlue(0x64, 0x95, 0xED);
inline const QColor kDarkOrange(0xFF, 0x8C, 0x00);
inline const QColor kLightYellow(0xFF, 0xFF, 0xE0);
inline const QColor kNavy(0x00, 0x00, 0x80);
inline const QColor kSlateGray(0x70, 0x80, 0x90);
inline const QColor kTeal(0x00, 0x80, 0x80);
} // namespace colour

// Builders that keep template tables short.
FontSpec font(const QString& family, double pointSize, bool bold = false,
              QColor colour = Qt::black);
inline FontSpec arialFont(double pointSize, bool bold = false, QColor colour = Qt::black) {
    return font(QStringLiteral("Arial"), pointSize, bold, colour);
}
ReportObject textBox(const QString& name, QRectF rectMm, const QString& text, FontSpec font,
                     QColor fill = {}, HAlign h = HAlign::Left, VAlign v = VAlign::Top);
// A caption or value in its cell: no fill, centred top to bottom.
inline ReportObject cellText(const QString& name, QRectF rectMm, const QString& text, FontSpec font,
                             HAlign h) {
    return textBox(name, rectMm, text, font, {}, h, VAlign::Centre);
}
// Signature places at the foot of a page: a caption ("tit<Name>"), the line to sign on
// ("linFirma<Name>") and the signer's name under it (the box "txt<Name>"), all `width` wide.
struct Signature {
    const char* caption;
    const char* box; // "txt<Name>"
    double left;
};
struct SignatureRows {
    double captionTop, captionHeight, lineTop, nameHeight, width;
    FontSpec captionFont, nameFont;
};
void addSignatures(std::vector<ReportObject>& out, std::initializer_list<Signature> signatures,
                   const SignatureRows& rows);
ReportObject pictureBox(const QString& name, QRectF rectMm, bool centred = false);
ReportObject rectangle(const QString& name, QRectF rectMm, QColor fill, QColor outline = Qt::black);
ReportObject line(const QString& name, QRectF rectMm, QColor colour = Qt::black);

} // namespace reports
