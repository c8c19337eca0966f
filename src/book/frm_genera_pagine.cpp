#include "book/frm_genera_pagine.h"

#include "book/page_checks.h"
#include "core/dates.h"
#include "core/record_file.h"
#include "core/text.h"
#include "platform/buttons.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/problem.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace book {

namespace {

// A progress bar for more pages than this.
constexpr int kProgressAbove = 100;

const char* const kColumns[] = {"Pagina", "Riga", "N. Ord.", "Cognome e nome", "Tessera n.",
                                "Esito"};

QString countsText(const GenerationPlan& p) {
    return QStringLiteral("Pagine da generare: %1 - Soci da inserire: %2 - già nel Libro Soci: "
                          "%3 - non inseriti: %4")
        .arg(p.pageCount)
        .arg(p.added)
        .arg(p.inRegister)
        .arg(p.refused);
}

} // namespace

// The plan as the preview grid shows it; thousands of rows without a widget each.
class PlanModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(const GenerationPlan* plan) {
        beginResetModel();
        plan_ = plan;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !plan_ ? 0 : int(plan_->rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(std::size(kColumns));
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromUtf8(kColumns[section]);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !plan_) return {};
        const PlannedRow& r = plan_->rows[size_t(index.row())];
        const bool placed = r.outcome == RowOutcome::Added;
        switch (index.column()) {
        case 0: return placed ? QString::number(r.page) : QString();
        case 1: return placed ? QString(rowLetter(r.row)) : QString();
        case 2: return placed ? QString::number(r.number) : QString();
        case 3: return r.name;
        case 4: return r.card;
        default: return r.esito;
        }
    }

private:
    const GenerationPlan* plan_ = nullptr;
};

TfrmGeneraPagine::TfrmGeneraPagine(platform::Context& ctx, QWidget* parent,
                                   const QString& registerPath, const PageValues& heading)
    : QDialog(parent), ctx_(ctx), registerPath_(registerPath), heading_(heading) {
    platform::setupDialog(this, u"TfrmGeneraPagine"_qs,
                          u" Quorvix 5.0 - Generazione pagine del Libro Soci"_qs, {900, 660});

    auto* soci = new QGroupBox(u"Soci da inserire"_qs, this);
    soci->setObjectName(u"fraSoci"_qs);
    soci->setGeometry(12, 8, 600, 150);
    optAttivi_ =
        platform::makeOption(soci, u"optAttivi"_qs, u"Tutti i Soci attivi"_qs, {12, 24, 300, 22});
    optAttivi_->setChecked(true);
    optRilascio_ = platform::makeOption(soci, u"optRilascio"_qs,
                                        u"I Soci con data di rilascio dal"_qs, {12, 54, 230, 22});
    txtDal_ = platform::makeEdit(soci, u"txtDal"_qs, 10);
    txtDal_->setGeometry(246, 52, 96, 26);
    platform::makeLabel(soci, u"al"_qs)->setGeometry(350, 54, 20, 22);
    txtAl_ = platform::makeEdit(soci, u"txtAl"_qs, 10);
    txtAl_->setGeometry(374, 52, 96, 26);
    for (QLineEdit* date : {txtDal_, txtAl_})
        date->setPlaceholderText(u"GG/MM/AAAA"_qs);
    optRicerca_ = platform::makeOption(soci, u"optRicerca"_qs,
                                       u"I Soci trovati con questi filtri della ricerca:"_qs,
                                       {12, 84, 400, 22});
    const struct {
        QLineEdit** edit;
        const char16_t* name;
        const char16_t* caption;
        int x;
    } filters[] = {
        {&txtTesserato_, u"txtTesserato", u"Cognome e nome", 12},
        {&txtCarica_, u"txtCarica", u"Carica ricoperta", 210},
        {&txtComuneRes_, u"txtComuneRes", u"Comune di residenza", 408},
    };
    for (const auto& f : filters) {
        auto* edit = platform::makeEdit(soci, QString::fromUtf16(f.name), 50);
        edit->setPlaceholderText(QString::fromUtf16(f.caption));
        edit->setGeometry(f.x, 112, 180, 26);
        *f.edit = edit;
    }
    auto* choice = new QButtonGroup(this);
    for (QRadioButton* b : {optAttivi_, optRilascio_, optRicerca_})
        choice->addButton(b);

    auto* ordine = new QGroupBox(u"Ordine delle righe"_qs, this);
    ordine->setObjectName(u"fraOrdine"_qs);
    ordine->setGeometry(624, 8, 264, 86);
    optNome_ =
        platform::makeOption(ordine, u"optNome"_qs, u"Per cognome e nome"_qs, {12, 24, 240, 22});
    optNome_->setChecked(true);
    optTessera_ = platform::makeOption(ordine, u"optTessera"_qs, u"Per numero di tessera"_qs,
                                       {12, 52, 240, 22});

    platform::makeLabel(this, u"Primo numero d'ordine:"_qs)->setGeometry(624, 106, 160, 22);
    txtPrimo_ = platform::makeEdit(this, u"txtPrimo"_qs, 6);
    txtPrimo_->setGeometry(788, 104, 100, 26);
    platform::digitsOnly(txtPrimo_);
    txtPrimo_->setText(QString::number(nextRunningNumber(registerPath_).value_or(1)));

    auto* anteprima = platform::dialogButton(this, u"btnAnteprima"_qs, u"Aggiorna anteprima"_qs,
                                             {724, 132, 164, 30});
    connect(anteprima, &QPushButton::clicked, this, &TfrmGeneraPagine::refresh);
    auto* guida = platform::dialogButton(this, u"btnGuida"_qs, u"Guida"_qs, {624, 132, 92, 30});
    connect(guida, &QPushButton::clicked, this, [this] {
        ctx_.platform.showHelp(this, platform::helpTopic(u"book"_qs, u"genera"_qs));
    });

    platform::makeLabel(this, u"Pagine che saranno aggiunte in fondo al Libro Soci:"_qs)
        ->setGeometry(12, 168, 600, 18);
    model_ = new PlanModel(this);
    grdPagine_ = new QTableView(this);
    grdPagine_->setObjectName(u"grdPagine"_qs);
    grdPagine_->setModel(model_);
    grdPagine_->setAlternatingRowColors(true);
    grdPagine_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPagine_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPagine_->verticalHeader()->hide();
    grdPagine_->verticalHeader()->setDefaultSectionSize(22);
    grdPagine_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdPagine_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdPagine_->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {60, 44, 70, 250, 130};
    for (int c = 0; c < int(std::size(widths)); ++c)
        grdPagine_->setColumnWidth(c, widths[c]);
    grdPagine_->setGeometry(12, 188, 876, 410);

    lblRiepilogo_ = platform::makeLabel(this, {}, u"lblRiepilogo"_qs);
    lblRiepilogo_->setGeometry(12, 614, 640, 30);
    prgGenera_ = new QProgressBar(this);
    prgGenera_->setObjectName(u"prgGenera"_qs);
    prgGenera_->setGeometry(12, 616, 640, 26);
    prgGenera_->hide();

    auto* genera =
        platform::dialogButton(this, u"btnGenera"_qs, u"Genera"_qs, {668, 612, 106, 32});
    connect(genera, &QPushButton::clicked, this, &TfrmGeneraPagine::generate);
    auto* chiudi =
        platform::dialogButton(this, u"btnChiudi"_qs, u"Chiudi"_qs, {782, 612, 106, 32});
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    refresh();
}

TfrmGeneraPagine::~TfrmGeneraPagine() = default;

std::optional<GenerationRequest> TfrmGeneraPagine::request() {
    GenerationRequest r;
    r.heading = heading_;
    r.order = optTessera_->isChecked() ? PageOrder::ByCardNumber : PageOrder::ByName;
    if (optRilascio_->isChecked()) {
        const QDate today = ctx_.platform.today();
        const auto from = core::parseDate(txtDal_->text(), today);
        const auto to = core::parseDate(txtAl_->text(), today);
        if (!from || !to || *to < *from) {
            platform::showProblem(
                ctx_, this,
                platform::Problem{platform::MsgKind::Warning,
                                  u"Attenzione: per scegliere i Soci per data di rilascio è "
                                  u"necessario indicare due date valide (GG/MM/AAAA), la prima "
                                  u"non successiva alla seconda."_qs,
                                  u"txtDal"_qs});
            return std::nullopt;
        }
        r.choice = MemberChoice::IssuedBetween;
        r.from = *from;
        r.to = *to;
    } else if (optRicerca_->isChecked()) {
        r.choice = MemberChoice::Search;
        r.filters[0] = txtTesserato_->text(); // the search's filters in its own order
        r.filters[1] = txtCarica_->text();
        r.filters[6] = txtComuneRes_->text();
    }
    bool whole = false;
    r.firstNumber = txtPrimo_->text().toLongLong(&whole);
    if (!whole || r.firstNumber < 1) {
        platform::showProblem(ctx_, this,
                              platform::Problem{platform::MsgKind::Warning,
                                                u"Attenzione: il primo numero d'ordine deve "
                                                u"essere un numero intero maggiore di zero."_qs,
                                                u"txtPrimo"_qs});
        return std::nullopt;
    }
    return r;
}

bool TfrmGeneraPagine::refresh() {
    const std::optional<GenerationRequest> r = request();
    if (!r) return false;
    GenerationPlan plan = planPages(ctx_.folder, registerPath_, *r, ctx_.platform.today());
    if (!plan.ok) {
        // Never a preview of part of the archive: an empty grid and the access message.
        plan_ = {};
        showPlan();
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        return false;
    }
    plan_ = std::move(plan);
    showPlan();
    return true;
}

void TfrmGeneraPagine::showPlan() {
    model_->show(&plan_);
    lblRiepilogo_->setText(countsText(plan_));
}

void TfrmGeneraPagine::generate() {
    // What is written is what the choices give now, shown first.
    if (!refresh()) return;
    if (plan_.added == 0) {
        ctx_.platform.message(this, platform::MsgKind::Information,
                              u"Non ci sono Soci da inserire nel Libro Soci."_qs);
        return;
    }
    // The new pages must pass the page editor's own save checks (the book's heading first).
    platform::Check problem = pageSaveProblem(plannedPages(plan_, heading_).front());
    for (int f = 0; f < HeadingFieldCount && !problem; ++f)
        problem = platform::storableProblem(heading_.value(f), kPageFields[f].capacity,
                                            QLatin1String(kPageFields[f].name), {});
    if (problem) {
        ctx_.platform.message(this, problem->kind, problem->text);
        return;
    }
    qint64 first = 0, last = 0;
    for (const PlannedRow& r : plan_.rows)
        if (r.outcome == RowOutcome::Added) {
            if (first == 0) first = r.number;
            last = r.number;
        }
    const QString question =
        QStringLiteral("Si stanno per aggiungere al Libro Soci %1 pagine con %2 Soci, dal numero "
                       "d'ordine %3 al %4.\n\r\n\rSoci già presenti nel Libro Soci, lasciati "
                       "fuori: %5.\n\rSoci non inseriti (vedere la colonna Esito): %6.\n\r\n\r"
                       "Si conferma l'operazione?")
            .arg(plan_.pageCount)
            .arg(plan_.added)
            .arg(first)
            .arg(last)
            .arg(plan_.inRegister)
            .arg(plan_.refused);
    if (ctx_.platform.message(this, platform::MsgKind::Question, question) !=
        platform::Answer::Yes)
        return;

    const bool showProgress = plan_.pageCount > kProgressAbove;
    if (showProgress) {
        lblRiepilogo_->hide();
        prgGenera_->setRange(0, plan_.pageCount);
        prgGenera_->setValue(0);
        prgGenera_->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    const GenerationResult result =
        generatePages(registerPath_, plan_, heading_, [this, showProgress](qint64 done) {
            if (!showProgress) return;
            prgGenera_->setValue(int(done));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    prgGenera_->hide();
    lblRiepilogo_->show();
    switch (result) {
    case GenerationResult::Written:
        written_ = plan_.pageCount;
        ctx_.platform.message(this, platform::MsgKind::Information,
                              QStringLiteral("Sono state aggiunte al Libro Soci %1 pagine.")
                                  .arg(plan_.pageCount));
        accept();
        return;
    case GenerationResult::RegisterChanged:
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: nel frattempo il Libro Soci è stato modificato e "
                              u"nessuna pagina è stata aggiunta.\n\r\n\rControllare l'anteprima "
                              u"e ripetere l'operazione."_qs);
        refresh();
        return;
    case GenerationResult::Failed:
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        return;
    }
}

} // namespace book
