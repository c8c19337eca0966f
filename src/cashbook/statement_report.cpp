#include "cashbook/statement_report.h"

#include "core/dates.h"
#include "core/ini_file.h"
#include "core/text.h"

#include <QDir>

namespace cashbook {

namespace {

using reports::arialFont;
using reports::Band;
using reports::BandKind;
using reports::cellText;
using reports::HAlign;
using reports::ReportObject;
using namespace reports::colour;

const QColor kRed(0xC0, 0x00, 0x00);
const QColor kHeader(0xE6, 0xEC, 0xF5);

constexpr double kWidth = 190;
constexpr double kPitch = 4.2;      // a table row
constexpr double kTightPitch = 3.4; // reason rows when there are many
constexpr int kRoomyRows = 31;      // reason rows that fit at the normal pitch
constexpr double kFooterTop = 271;

struct Column {
    double left, width;
    HAlign align;
};
// Causale or Mese, then four amounts (Movimenti counts, right-aligned too).
const Column kColumns[] = {{1, 69, HAlign::Left},
                           {70, 30, HAlign::Right},
                           {100, 30, HAlign::Right},
                           {130, 30, HAlign::Right},
                           {160, 29, HAlign::Right}};
constexpr int kColumnCount = int(std::size(kColumns));

const QString kReasons = QStringLiteral("Causali");
const QString kMonths = QStringLiteral("Mesi");

// Where the parts of page 1 sit for a number of reason rows.
struct Page1 {
    int reasonRows;
    double reasonPitch;
    double reasonTop, totalsTop, monthTitle, monthTop, figuresTop;
    explicit Page1(int rows) : reasonRows(rows) {
        reasonPitch = rows <= kRoomyRows ? kPitch : kTightPitch;
        reasonTop = 37;
        totalsTop = reasonTop + rows * reasonPitch + 0.6;
        monthTitle = totalsTop + 2 * kPitch + 3;
        monthTop = monthTitle + 11.5;
        figuresTop = monthTop + 12 * kPitch + 3;
    }
};

void addHeading(std::vector<ReportObject>& o, const QString& suffix) {
    o.push_back(cellText(u"txtEnte"_qs + suffix, {0, 0, kWidth, 7}, {}, arialFont(13, true, kNavy),
                         HAlign::Centre));
    o.push_back(
        reports::rectangle(u"shpTitolo"_qs + suffix, {0, 8.5, kWidth, 7}, kSlateGray, kSlateGray));
    o.push_back(cellText(u"txtTitolo"_qs + suffix, {0, 8.5, kWidth, 7}, {},
                         reports::font(u"Verdana"_qs, 10, true, Qt::white), HAlign::Centre));
}

void addFooter(std::vector<ReportObject>& o, const QString& suffix) {
    o.push_back(reports::rectangle(u"shpCalce"_qs + suffix, {0, kFooterTop, kWidth, 6}, kSlateGray,
                                   kSlateGray));
    o.push_back(cellText(u"txtCalce"_qs + suffix, {0, kFooterTop, kWidth, 6}, {},
                         reports::font(u"Verdana"_qs, 8, true, Qt::white), HAlign::Centre));
}

void addSectionTitle(std::vector<ReportObject>& o, const QString& name, double top,
                     const QString& text) {
    o.push_back(cellText(name, {0, top, kWidth, 5}, text, arialFont(9, true, kNavy), HAlign::Left));
}

// A table: the heading row, `rows` rows of cells at `pitch`.
void addTable(std::vector<ReportObject>& o, const QString& table, double top, int rows,
              double pitch, double fontSize) {
    o.push_back(reports::rectangle(u"shpIntestazione"_qs + table, {0, top - 5.5, kWidth, 5},
                                   kHeader, kHeader));
    for (int c = 0; c < kColumnCount; ++c) {
        const Column& col = kColumns[c];
        o.push_back(cellText(cellName(table, c, 0), {col.left, top - 5.5, col.width, 5}, {},
                             arialFont(8, true), col.align));
        for (int r = 0; r < rows; ++r)
            o.push_back(cellText(cellName(table, c, r + 1),
                                 {col.left, top + r * pitch, col.width, pitch}, {},
                                 arialFont(fontSize), col.align));
    }
    o.push_back(reports::line(u"linFine"_qs + table, {0, top + rows * pitch + 0.3, kWidth, 0}));
}

std::vector<ReportObject> tablesPage(int reasonRows) {
    const Page1 p(reasonRows);
    std::vector<ReportObject> o;
    addHeading(o, u"1"_qs);
    addSectionTitle(o, u"titCausali"_qs, 24, u"ENTRATE E USCITE PER CAUSALE"_qs);
    addTable(o, kReasons, p.reasonTop, reasonRows, p.reasonPitch, reasonRows <= kRoomyRows ? 8 : 7);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < kColumnCount; ++c) {
            const Column& col = kColumns[c];
            o.push_back(cellText(cellName(u"Totali"_qs, c, r + 1),
                                 {col.left, p.totalsTop + r * kPitch, col.width, kPitch}, {},
                                 arialFont(8, r == 0), col.align));
        }
    addSectionTitle(o, u"titMesi"_qs, p.monthTitle, u"ENTRATE E USCITE PER MESE"_qs);
    addTable(o, kMonths, p.monthTop, 12, kPitch, 8);
    for (int r = 0; r < 5; ++r) {
        const double top = p.figuresTop + r * 4.6;
        o.push_back(cellText(cellName(u"Riepilogo"_qs, 0, r + 1), {1, top, 55, 4.6}, {},
                             arialFont(9, true), HAlign::Left));
        o.push_back(cellText(cellName(u"Riepilogo"_qs, 1, r + 1), {56, top, 44, 4.6}, {},
                             arialFont(9, true), HAlign::Right));
        o.push_back(cellText(cellName(u"Riepilogo"_qs, 2, r + 1), {104, top, 85, 4.6}, {},
                             arialFont(8), HAlign::Left));
    }
    addFooter(o, u"1"_qs);
    return o;
}

std::vector<ReportObject> chartsPage() {
    std::vector<ReportObject> o;
    addHeading(o, u"2"_qs);
    addSectionTitle(o, u"titGraficoMesi"_qs, 18,
                    u"ENTRATE, USCITE E SALDO PROGRESSIVO PER MESE"_qs);
    o.push_back(reports::pictureBox(u"imgMesi"_qs, {0, 24, kWidth, 118}, true));
    addSectionTitle(o, u"titGraficoCausali"_qs, 146, u"USCITE PER CAUSALE"_qs);
    o.push_back(reports::pictureBox(u"imgCausali"_qs, {0, 152, kWidth, 114}, true));
    addFooter(o, u"2"_qs);
    return o;
}

// The reasons page 1 prints: all of them, or the first ones and one row summing the others.
std::vector<ReasonFigures> printedReasons(const Statement& s) {
    if (s.reasons.size() <= std::size_t(kMaxPrintedReasons)) return s.reasons;
    std::vector<ReasonFigures> out(s.reasons.begin(), s.reasons.begin() + (kMaxPrintedReasons - 1));
    ReasonFigures rest;
    for (std::size_t i = kMaxPrintedReasons - 1; i < s.reasons.size(); ++i) {
        const Figures& f = s.reasons[i].figures;
        for (auto [to, from] : {std::pair{&rest.figures.all, &f.all},
                                std::pair{&rest.figures.unsettled, &f.unsettled}}) {
            to->income += from->income;
            to->expenses += from->expenses;
            to->balance += from->balance;
            to->count += from->count;
        }
    }
    rest.reason =
        u"Altre causali ("_qs + QString::number(s.reasons.size() - (kMaxPrintedReasons - 1)) + u')';
    out.push_back(rest);
    return out;
}

// Negative amounts print in red.
void setAmountText(reports::Report& r, const QString& name, const QString& text, bool negative) {
    r.setText(name, text);
    if (negative) r.object(name).font.colour = kRed;
}

void fillTable(reports::Report& r, const QString& table, const StatementTable& t) {
    for (int c = 0; c < t.headings.size() && c < kColumnCount; ++c)
        r.setText(cellName(table, c, 0), t.headings[c]);
    for (std::size_t row = 0; row < t.rows.size(); ++row)
        for (int c = 0; c < kColumnCount; ++c) {
            const QString text = t.rows[row].value(c);
            setAmountText(r, cellName(table, c, int(row) + 1), text, text.startsWith(u'-'));
        }
}

} // namespace

QString cellName(const QString& table, int column, int row) {
    return QStringLiteral("txt%1_%2_%3").arg(table).arg(column).arg(row, 2, 10, QLatin1Char('0'));
}

reports::Template statementTemplate(int reasonRows) {
    reports::Template t;
    t.name = u"repRendiconto"_qs;
    t.title = u"Rendiconto annuale"_qs;
    t.page = reports::PageSetup{210, 297, QPageLayout::Portrait, 10, 10, 10, 10};
    t.bands = {Band{u"Page1"_qs, BandKind::Page, 277, tablesPage(reasonRows)},
               Band{u"Page2"_qs, BandKind::Page, 277, chartsPage()}};
    return t;
}

reports::Report statementReport(const StatementPrint& p) {
    Statement shown = p.statement;
    shown.reasons = printedReasons(p.statement);
    reports::Report r(statementTemplate(int(shown.reasons.size())));

    const QString title = u"RENDICONTO ANNUALE "_qs + yearText(p.statement.year);
    const QString footer = u"Stampa eseguita in data "_qs + core::formatDate(p.now.date()) +
                           u" alle ore "_qs + p.now.time().toString(u"hh:mm:ss"_qs);
    for (const QString& page : {u"1"_qs, u"2"_qs}) {
        r.setText(u"txtEnte"_qs + page, p.organisation);
        r.setText(u"txtTitolo"_qs + page, page == u"1"_qs ? title : title + u" - GRAFICI"_qs);
        r.setText(u"txtCalce"_qs + page, footer);
    }

    fillTable(r, kReasons, reasonTable(shown, euroText));
    const Sums& all = p.statement.total.all;
    const Sums& open = p.statement.total.unsettled;
    fillTable(r, u"Totali"_qs,
              {{},
               {{u"Totale"_qs, euroText(all.income), euroText(all.expenses), euroText(all.balance),
                 QString::number(all.count)},
                {u"di cui non saldati"_qs, euroText(open.income), euroText(open.expenses),
                 euroText(open.balance), QString::number(open.count)}}});
    fillTable(r, kMonths, monthTable(p.statement, p.opening, euroText));

    const std::vector<TotalLine> lines = totalLines(p.statement, p.opening);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = int(i) + 1;
        r.setText(cellName(u"Riepilogo"_qs, 0, row), lines[i].caption + u':');
        setAmountText(r, cellName(u"Riepilogo"_qs, 1, row), euroText(lines[i].cents),
                      lines[i].cents < 0);
        if (lines[i].unsettled)
            setAmountText(r, cellName(u"Riepilogo"_qs, 2, row),
                          unsettledText(*lines[i].unsettled, euroText), *lines[i].unsettled < 0);
    }

    r.setPicture(u"imgMesi"_qs, p.monthChart);
    r.setPicture(u"imgCausali"_qs, p.expenseChart);
    r.prepare(p.now.date());
    return r;
}

QString organisationName(const QString& folder) {
    // The card windows own this file and its "Dati Ente" section; the statement only reads it.
    return core::trimText(core::IniFile::read(QDir(folder).filePath(u"Tesserini.ini"_qs),
                                              u"Dati Ente"_qs, u"Denominazione"_qs));
}

} // namespace cashbook
