#include "deadlines/frm_trova_scadenzario.h"

#include "core/record_file.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace deadlines {

namespace {

struct CriterionPlace {
    const char* name;
    const char* label;
    int column, row;
};
// In the order of kSearchFields and of the Enter chain; two columns of five, row by row.
constexpr CriterionPlace kCriteria[] = {
    {"txtData", "Data scadenza (gg/mm/aaaa):", 0, 0},
    {"txtOra", "Ora appuntamento (HH:MM):", 1, 0},
    {"txtPagatore", "Pagatore:", 0, 1},
    {"txtCodFisc", "Codice fiscale:", 1, 1},
    {"txtNumTessera", "Numero tessera:", 0, 2},
    {"txtCarica", "Carica ricoperta:", 1, 2},
    {"txtContatto", "Estremi ricevuta:", 0, 3},
    {"txtBeneficiario", "Beneficiario:", 1, 3},
    {"txtDettagli", "Causale scadenza:", 0, 4},
    {"txtNote", "Note:", 1, 4},
};
static_assert(std::size(kCriteria) == kSearchFields.size());

const QString kMode = QStringLiteral("Scadenzario");

} // namespace

TfrmTrovaScadenzario::TfrmTrovaScadenzario(platform::Context& ctx, QWidget* parent,
                                           core::Archive archive, const QString& mode)
    : QDialog(parent), ctx_(ctx), archive_(std::move(archive)) {
    platform::setupDialog(this, QStringLiteral("TfrmTrovaScadenzario"),
                          QStringLiteral(" Trova scadenze pagamenti in archivio"), {862, 560});

    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    panAvvio_->setGeometry(0, 0, 862, 560);
    const QString guidance[] = {
        QStringLiteral("Immettere nei campi prescelti una o pi\u00f9 parole consecutive presenti "
                       "nelle schede da trovare e premere il pulsante Cerca."),
        QStringLiteral("Lasciare in bianco tutti gli altri campi."),
        QStringLiteral("Per ogni ricerca \u00e8 possibile utilizzare uno o pi\u00f9 campi "
                       "contemporaneamente.")};
    for (int i = 0; i < 3; ++i)
        platform::makeLabel(panAvvio_, guidance[i])->setGeometry(24, 14 + i * 20, 820, 20);

    QList<QWidget*> chain;
    for (size_t i = 0; i < criteria_.size(); ++i) {
        const CriterionPlace& c = kCriteria[i];
        const int x = 24 + c.column * 416, y = 92 + c.row * 62;
        platform::makeLabel(panAvvio_, QString::fromUtf8(c.label))->setGeometry(x, y, 390, 20);
        // Any text, no limit: a criterion longer than the field simply finds nothing.
        QLineEdit* edit = platform::makeEdit(panAvvio_, QLatin1String(c.name), 0);
        edit->setGeometry(x, y + 22, 390, 26);
        platform::addHighlight(edit);
        criteria_[i] = edit;
        chain << edit;
    }
    platform::chainEnter(chain, true);

    lblAttendere_ =
        platform::makeLabel(panAvvio_, QStringLiteral("Ricerca schede in corso. Attendere..."),
                            QStringLiteral("lblAttendere"));
    lblAttendere_->setGeometry(24, 420, 500, 24);
    QFont bold = lblAttendere_->font();
    bold.setBold(true);
    lblAttendere_->setFont(bold);
    lblAttendere_->setStyleSheet(QStringLiteral("color: #800000;"));
    lblAttendere_->hide();
    lblConta_ = platform::makeLabel(panAvvio_, {}, QStringLiteral("lblConta"));
    lblConta_->hide();
    lblMemory_ = platform::makeLabel(this, mode, QStringLiteral("lblMemory"));
    lblMemory_->hide();

    auto* btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio_);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnCerca->setIcon(QIcon(QStringLiteral(":/art/cerca.svg")));
    btnCerca->setGeometry(620, 510, 110, 30);
    auto* btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio_);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setIcon(QIcon(QStringLiteral(":/art/chiudi.svg")));
    btnAnnulla->setGeometry(736, 510, 110, 30);

    panContainer_ =
        new DeadlineListPanel(ctx_, this, QStringLiteral("Riepilogo scadenze pagamenti"), true);
    panContainer_->hide();

    // The wait notice shows as soon as the button goes down, before the year file is read.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaScadenzario::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(panContainer_, &DeadlineListPanel::closeRequested, this, &QDialog::reject);
    connect(panContainer_, &DeadlineListPanel::lineActivated, this, &TfrmTrovaScadenzario::pick);
    panContainer_->resetFind();
    criteria_[0]->setFocus();
}

void TfrmTrovaScadenzario::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (panAvvio_->isVisible()) criteria_[0]->setFocus();
}

void TfrmTrovaScadenzario::search() {
    DeadlineCriteria criteria;
    for (size_t i = 0; i < criteria.size(); ++i)
        criteria[i] = criteria_[i]->text();
    lblConta_->setText(QString::number(criteriaInUse(criteria)));
    RecordTest test = criteriaTest(criteria);
    const LineList found = listLines(archive_, test);
    lblAttendere_->hide();
    if (!found.ok) {
        ctx_.platform.message(this, platform::MsgKind::Plain, core::archiveAccessMessage());
        return;
    }
    test_ = std::move(test);
    panContainer_->setLines(found.lines);
    panContainer_->show();
    panAvvio_->hide();
    panContainer_->resetFind();
    panContainer_->focusFind();
}

void TfrmTrovaScadenzario::pick(const QString& line) {
    // Only a sheet that the search found can be picked, even when another gives the same line.
    const LineRecord r = recordOfLine(archive_, line, test_);
    if (!r.ok) {
        platform::showAccessMessage(ctx_, this);
        reject();
        return;
    }
    if (lblMemory_->text() == kMode) picked_ = r.number;
    picked_ ? accept() : reject();
}

} // namespace deadlines
