#pragma once

#include "platform/context.h"
#include "platform/platform.h"
#include "reports/report_error.h"
#include "reports/report_template.h"

#include <QDate>
#include <QPageLayout>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace reports {

// An object laid out on a prepared page: geometry is in mm from the printable area's
// top-left corner; expressions are already evaluated.
struct PlacedObject {
    ReportObject object;
    // For a text box split across pages: where its first line starts, from the rect's top.
    std::optional<double> linesTopMm;
};

struct PreparedPage {
    std::vector<PlacedObject> objects;
};

// A template being filled and laid out. Windows fill named objects, prepare, then print,
// preview or export. Asking for a name the template lacks throws std::out_of_range: the
// names are fixed by each template and a missing one is a programming error.
class Report {
public:
    explicit Report(Template tmpl);

    const Template& layout() const { return tmpl_; }
    bool has(const QString& name) const;
    ReportObject& object(const QString& name);
    Band& band(const QString& name);

    void setText(const QString& name, const QString& text);
    void clearLines(const QString& name);
    void appendLine(const QString& name, const QString& line);
    // Height of a text box or a band, in report units.
    void setHeight(const QString& name, double units);
    // The report keeps its own copy of the picture.
    void setPicture(const QString& name, const QImage& image);

    // Changing the orientation swaps paper width and height.
    void setOrientation(QPageLayout::Orientation orientation);
    void setTopMargin(double mm);
    void setLeftMargin(double mm);

    // Lays the filled template out into pages, replacing any earlier output. `today`
    // is the value of "[DATE]".
    void prepare(const QDate& today);
    const std::vector<PreparedPage>& pages() const { return pages_; }

    // Paper size and orientation for the print dialog. Margins are painted by the report
    // itself (they may be negative, see setTopMargin), so the layout is a full page.
    QPageLayout pageLayout() const;

    // Paints one prepared page; the painter's origin is the paper's top-left corner and
    // `dotsPerMm` its resolution.
    void paintPage(QPainter& painter, int page, double dotsPerMm) const;
    // Paints every prepared page on a printer, PDF writer or other paged device.
    void paint(QPagedPaintDevice& device) const;
    platform::RenderPages renderer() const;

    bool exportPdf(const QString& path) const;

private:
    ReportObject* findObject(const QString& name);
    Band* findBand(const QString& name);
    void layoutPageTemplate(const QDate& today);
    void layoutBands(const QDate& today);

    Template tmpl_;
    std::vector<PreparedPage> pages_;
};

// "[DATE]" becomes the date as dd/mm/yyyy; every other text is kept as typed.
QString evaluateExpressions(const QString& text, const QDate& today);

// The font to paint with: the design family first, then its installed stand-ins.
QFont resolveFont(const FontSpec& font);

} // namespace reports
