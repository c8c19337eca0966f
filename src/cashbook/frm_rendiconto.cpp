#include "cashbook/frm_rendiconto.h"

#include "cashbook/balance.h"
#include "cashbook/movement_record.h"
#include "cashbook/statement_charts.h"
#include "cashbook/statement_report.h"
#include "core/record_file.h"
#include "core/text.h"
#include "platform/export_flow.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/look.h"
#include "platform/toolbar.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>

namespace cashbook {

namespace {

using Tool = platform::Tool<TfrmRendiconto>;

const Tool kToolbar[] = {
    {"cmdStampa", "stampa", "Stampa il rendiconto annuale con i grafici.", &TfrmRendiconto::print},
    {"cmdAnteprima", "anteprima", "Mostra l'anteprima di stampa del rendiconto annuale.",
     &TfrmRendiconto::preview},
    {"cmdEsporta", "excel", "Esporta il rendiconto annuale in un file di Microsoft Excel.",
     &TfrmRendiconto::exportSheet, 14},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmRendiconto::help},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

const platform::Hint kHints[] = {
    {"txtAnno", "Indicare l'anno solare del rendiconto con quattro cifre e premere Apri."},
    {"btnApri", "Calcola il rendiconto dell'anno indicato."},
    {"txtSaldoIniziale", "Saldo di cassa all'inizio dell'anno."},
    {"grdCausali", "Entrate e uscite dell'anno per causale: fare clic su un'intestazione per "
                   "ordinare l'elenco."},
    {"grdMesi", "Entrate e uscite dell'anno per mese, con il saldo progressivo."},
};

const QColor kRed(0xC0, 0x00, 0x00);
const QString kExportFile = u"Rendiconto.xls"_qs;

// Sorting by these keys orders amounts as numbers and texts as the lists do.
constexpr int kSortRole = Qt::UserRole;

QStandardItem* textItem(const QString& text, const QVariant& key) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(key, kSortRole);
    return item;
}

QStandardItem* amountItem(core::CentsTotal cents) {
    QStandardItem* item = textItem(euroText(cents), double(cents));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (cents < 0) item->setForeground(kRed);
    return item;
}

QStandardItem* countItem(qint64 n) {
    QStandardItem* item = textItem(QString::number(n), n);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Column widths in pixels; the reason table keeps room for its scroll bar.
constexpr std::array<int, 5> kReasonWidths = {130, 82, 82, 82, 72};
constexpr std::array<int, 5> kMonthWidths = {80, 86, 86, 86, 126};

void setWidths(QTableView* grid, const std::array<int, 5>& widths) {
    for (int c = 0; c < 5; ++c)
        grid->setColumnWidth(c, widths[std::size_t(c)]);
}

QTableView* makeGrid(QWidget* parent, const QString& name, QStandardItemModel* model,
                     const std::array<int, 5>& widths) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    model->setSortRole(kSortRole);
    grid->setModel(model);
    grid->setSortingEnabled(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(19);
    setWidths(grid, widths);
    return grid;
}

void setAmountLabel(QLabel* label, core::CentsTotal cents) {
    label->setText(euroText(cents));
    label->setStyleSheet(cents < 0 ? u"color: #c00000;"_qs : QString());
}

} // namespace

TfrmRendiconto::TfrmRendiconto(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmRendiconto"_qs, u" Quorvix 5.0 - Rendiconto annuale"_qs) {
    platform::look::paintBackground(this);
    panInfo_ = platform::makeStatusLine(panel());
    platform::buildToolbar<TfrmRendiconto>(this, panel(), panInfo_, kToolbar);
    buildControls();
    platform::setStatusHints(this, panInfo_, kHints);
}

void TfrmRendiconto::buildControls() {
    QWidget* p = panel();
    platform::makeLabel(p, u"Anno:"_qs)->setGeometry(12, 72, 46, 26);
    txtAnno_ = platform::makeEdit(p, u"txtAnno"_qs, 4);
    txtAnno_->setGeometry(60, 72, 70, 26);
    platform::digitsOnly(txtAnno_);
    auto* btnApri = new QPushButton(u"Apri"_qs, p);
    btnApri->setObjectName(u"btnApri"_qs);
    btnApri->setGeometry(138, 71, 80, 28);
    platform::look::makePrimary(btnApri);

    platform::makeLabel(p, u"Saldo iniziale:"_qs)->setGeometry(250, 72, 100, 26);
    txtSaldoIniziale_ = platform::makeEdit(p, u"txtSaldoIniziale"_qs, 20);
    txtSaldoIniziale_->setGeometry(352, 72, 150, 26);
    txtSaldoIniziale_->setAlignment(Qt::AlignRight);
    platform::acceptKeys(txtSaldoIniziale_, [](QChar c) {
        return platform::isAmountCharacter(c) || c == u'-' || c == u'.';
    });
    lblOrigineSaldo_ = platform::makeLabel(p, {}, u"lblOrigineSaldo"_qs);
    lblOrigineSaldo_->setGeometry(512, 72, 470, 26);
    for (QLineEdit* e : {txtAnno_, txtSaldoIniziale_})
        platform::addHighlight(e);

    const auto caption = [&](const QString& text, QRect where) {
        QLabel* l = platform::makeLabel(p, text);
        l->setGeometry(where);
        platform::look::makeHeading(l);
    };
    caption(u"Entrate e uscite per causale"_qs, {8, 104, 482, 20});
    causali_ = new QStandardItemModel(this);
    grdCausali_ = makeGrid(p, u"grdCausali"_qs, causali_, kReasonWidths);
    grdCausali_->setGeometry(8, 124, 484, 196);
    caption(u"Entrate e uscite per mese"_qs, {8, 324, 482, 20});
    mesi_ = new QStandardItemModel(this);
    grdMesi_ = makeGrid(p, u"grdMesi"_qs, mesi_, kMonthWidths);
    grdMesi_->setGeometry(8, 344, 484, 252);

    caption(u"Andamento mensile e saldo progressivo"_qs, {500, 104, 487, 20});
    chrMesi_ = new QChartView(p);
    chrMesi_->setObjectName(u"chrMesi"_qs);
    chrMesi_->setRenderHint(QPainter::Antialiasing);
    chrMesi_->setGeometry(500, 124, 487, 196);
    caption(u"Uscite per causale"_qs, {500, 324, 487, 20});
    chrCausali_ = new QChartView(p);
    chrCausali_->setObjectName(u"chrCausali"_qs);
    chrCausali_->setRenderHint(QPainter::Antialiasing);
    chrCausali_->setGeometry(500, 344, 487, 252);

    // Closing figures: four captions and values on one row, the unsettled part under them.
    const char16_t* captions[][2] = {{u"Totale entrate:", u"lblTotEntrate"},
                                     {u"Totale uscite:", u"lblTotUscite"},
                                     {u"Saldo dell'anno:", u"lblSaldoAnno"},
                                     {u"Saldo finale:", u"lblSaldoFinale"}};
    for (int i = 0; i < 4; ++i) {
        QLabel* c = platform::makeLabel(p, QString::fromUtf16(captions[i][0]));
        c->setGeometry(12 + i * 245, 602, 112, 24);
        QLabel* v = platform::makeLabel(p, {}, QString::fromUtf16(captions[i][1]));
        v->setGeometry(124 + i * 245, 602, 124, 24);
        platform::look::setPointSize(v, 10, true);
        totals_.push_back(v);
    }
    lblNonSaldati_ = platform::makeLabel(p, {}, u"lblNonSaldati"_qs);
    lblNonSaldati_->setGeometry(12, 628, 975, 24);

    platform::chainEnter({txtAnno_, btnApri});
    connect(btnApri, &QPushButton::clicked, this, &TfrmRendiconto::openYear);
    connect(txtSaldoIniziale_, &QLineEdit::editingFinished, this, &TfrmRendiconto::openingTyped);
}

void TfrmRendiconto::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (event->spontaneous()) return;
    txtAnno_->setText(yearText(ctx_.platform.today().year()));
    openYear();
}

void TfrmRendiconto::openYear() {
    const QString typed = txtAnno_->text();
    if (typed.size() != 4) {
        ctx_.platform.message(this, platform::MsgKind::Warning, yearDigitsMessage());
        txtAnno_->setFocus();
        return;
    }
    const int year = typed.toInt();
    setWindowTitle(u" Quorvix 5.0 - Rendiconto annuale anno "_qs + typed);
    const QDate today = ctx_.platform.today();
    opening_ = openingBalance(ctx_.folder, year, today);
    statement_ = computeStatement(yearArchive(ctx_.path(yearFileName(typed))), year, today);
    if (!opening_.ok || !statement_.ok) {
        // Nothing of a statement that could not read every movement is shown.
        clearStatement();
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    shown_ = true;
    txtSaldoIniziale_->setReadOnly(opening_.fromPreviousYear);
    lblOrigineSaldo_->setText(
        opening_.fromPreviousYear
            ? u"Saldo finale dell'anno "_qs + yearText(year - 1) + u" (archivio "_qs +
                  yearFileName(yearText(year - 1)) + u')'
            : u"Nessun archivio dell'anno precedente: il saldo si pu\u00f2 indicare qui."_qs);
    showStatement();
}

void TfrmRendiconto::clearStatement() {
    shown_ = false;
    statement_ = Statement{};
    opening_ = Opening{};
    causali_->clear();
    mesi_->clear();
    txtSaldoIniziale_->clear();
    txtSaldoIniziale_->setReadOnly(true);
    lblOrigineSaldo_->clear();
    for (QLabel* l : totals_)
        l->clear();
    lblNonSaldati_->clear();
    for (QChartView* v : {chrMesi_, chrCausali_}) {
        QChart* old = v->chart();
        v->setChart(new QChart);
        delete old;
    }
    for (auto* b : findChildren<QToolButton*>())
        if (b->objectName() != u"cmdGuida"_qs && b->objectName() != u"cmdEsci"_qs)
            b->setEnabled(false);
}

void TfrmRendiconto::showStatement() {
    const Statement& s = statement_;
    const core::CentsTotal opening = opening_.cents;
    txtSaldoIniziale_->setText(euroText(opening));

    causali_->clear();
    causali_->setHorizontalHeaderLabels(reasonTable(s, euroText).headings);
    const StatementTable reasons = reasonTable(s, euroText);
    for (std::size_t i = 0; i < s.reasons.size(); ++i) {
        const Sums& a = s.reasons[i].figures.all;
        causali_->appendRow({textItem(reasons.rows[i][0], core::lowerAscii(reasons.rows[i][0])),
                             amountItem(a.income), amountItem(a.expenses), amountItem(a.balance),
                             countItem(a.count)});
    }
    mesi_->clear();
    const StatementTable months = monthTable(s, opening, euroText);
    mesi_->setHorizontalHeaderLabels(months.headings);
    const std::array<core::CentsTotal, 12> running = runningBalances(s, opening);
    for (int m = 0; m < 12; ++m) {
        const Sums& a = s.months[m].all;
        mesi_->appendRow({textItem(months.rows[m][0], m), amountItem(a.income),
                          amountItem(a.expenses), amountItem(a.balance), amountItem(running[m])});
    }
    // clear() forgot the widths and the order: both tables start as they were built.
    setWidths(grdCausali_, kReasonWidths);
    setWidths(grdMesi_, kMonthWidths);
    grdCausali_->sortByColumn(0, Qt::AscendingOrder);
    grdMesi_->sortByColumn(0, Qt::AscendingOrder);

    const std::vector<TotalLine> lines = totalLines(s, opening);
    // Totale entrate, Totale uscite, Saldo dell'anno, Saldo finale (the opening is the field).
    for (int i = 0; i < 4; ++i)
        setAmountLabel(totals_[std::size_t(i)], lines[std::size_t(i) + 1].cents);
    lblNonSaldati_->setText(u"Di cui non saldati:  entrate "_qs +
                            euroText(s.total.unsettled.income) + u",  uscite "_qs +
                            euroText(s.total.unsettled.expenses) + u"  ("_qs +
                            QString::number(s.total.unsettled.count) + u" movimenti)"_qs);

    for (auto [view, chart] :
         {std::pair{chrMesi_, monthChart(s, opening)}, std::pair{chrCausali_, expenseChart(s)}}) {
        QChart* old = view->chart();
        view->setChart(chart);
        delete old;
    }
    for (auto* b : findChildren<QToolButton*>())
        b->setEnabled(true);
}

void TfrmRendiconto::openingTyped() {
    if (!shown_ || opening_.fromPreviousYear || typing_) return;
    const std::optional<core::Cents> typed = parseTypedAmount(txtSaldoIniziale_->text());
    if (!typed) {
        typing_ = true;
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: indicare il saldo iniziale come importo in euro, per "
                              u"esempio 1.234,56."_qs);
        typing_ = false;
        txtSaldoIniziale_->setFocus();
        return;
    }
    if (*typed == opening_.cents) {
        txtSaldoIniziale_->setText(euroText(opening_.cents));
        return;
    }
    if (!storeOpeningBalance(ctx_.folder, statement_.year, *typed)) {
        typing_ = true;
        ctx_.platform.message(this, platform::MsgKind::Error,
                              u"Attenzione: il sistema non permette di salvare il saldo iniziale "
                              u"nel file "_qs +
                                  kStatementIniName + u'.');
        typing_ = false;
        txtSaldoIniziale_->setFocus();
        return;
    }
    opening_.cents = *typed;
    showStatement();
}

reports::Report TfrmRendiconto::report() const {
    const Statement& s = statement_;
    return statementReport({organisationName(ctx_.folder), s, opening_.cents,
                            chartPicture(monthChart(s, opening_.cents), {760, 472}, 3),
                            chartPicture(expenseChart(s), {760, 456}, 3), ctx_.platform.now()});
}

void TfrmRendiconto::runPrompt(platform::PrintMode mode) {
    if (!shown_) return;
    TfrmStampaRendiconto prompt(ctx_, this, mode, [this] { return platform::printJob(report()); });
    ctx_.platform.runModal(prompt);
}

void TfrmRendiconto::print() {
    runPrompt(platform::PrintMode::Print);
}

void TfrmRendiconto::preview() {
    runPrompt(platform::PrintMode::Preview);
}

void TfrmRendiconto::exportSheet() {
    if (!shown_) return;
    const StatementTable sheet = statementSheet(statement_, opening_.cents);
    const int widths[] = {250, 130, 130, 130, 130};
    std::vector<core::SheetColumn> columns;
    for (int c = 0; c < 5; ++c)
        columns.push_back({sheet.headings[c], widths[c]});
    platform::runSpreadsheetExport(
        ctx_, this,
        {kExportFile, u"Rendiconto annuale "_qs + yearText(statement_.year), columns,
         qsizetype(sheet.rows.size()), [&sheet](qsizetype row, qsizetype column) {
             return sheet.rows[std::size_t(row)].value(column);
         }});
}

void TfrmRendiconto::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"cashbook"_qs, u"rendiconto"_qs));
}

TfrmStampaRendiconto::TfrmStampaRendiconto(platform::Context& ctx, QWidget* parent,
                                           platform::PrintMode mode,
                                           platform::PrintJobSource source)
    : PrintPrompt(ctx, parent,
                  {.className = u"TfrmStampaRendiconto"_qs,
                   .caption = mode == platform::PrintMode::Print
                                  ? u" Stampa rendiconto annuale"_qs
                                  : u" Anteprima rendiconto annuale"_qs,
                   .mode = mode,
                   .text = u"Rendiconto annuale con i grafici su due fogli A4 verticali."_qs},
                  std::move(source)) {}

} // namespace cashbook
