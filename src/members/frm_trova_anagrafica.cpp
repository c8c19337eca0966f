#include "members/frm_trova_anagrafica.h"

#include "core/record_file.h"
#include "platform/ui.h"

#include <QPushButton>

namespace members {

namespace {
struct FilterSpec {
    const char16_t* name;
    const char16_t* label;
    int column, row;
};
// In the order of the Enter chain; two columns of five, filled row by row.
constexpr FilterSpec kFilters[] = {
    {u"txtTesserato", u"Cognome e nome Socio:", 0, 0},
    {u"txtCarica", u"Carica ricoperta:", 1, 0},
    {u"txtNumTessera", u"Tessera n.", 0, 1},
    {u"txtDataRil", u"Data di rilascio:", 1, 1},
    {u"txtDataScade", u"Data di scadenza:", 0, 2},
    {u"txtComuneNasc", u"Comune di nascita:", 1, 2},
    {u"txtComuneRes", u"Comune di residenza:", 0, 3},
    {u"txtCodFisc", u"Codice Fiscale:", 1, 3},
    {u"txtTitoli", u"Quota associativa: \u20ac", 0, 4},
    {u"txtNote", u"Note:", 1, 4},
};
} // namespace

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent,
                                         const QString& mode)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmTrovaAnagrafica"_qs, u" Trova Soci in archivio"_qs,
                          {862, 560});

    panFiltri_ = new QWidget(this);
    panFiltri_->setObjectName(u"panFiltri"_qs);
    panFiltri_->setGeometry(0, 0, 862, 560);
    const QString guidance[] = {
        u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
        u"trovare e "
        u"premere il pulsante Cerca."_qs,
        u"Lasciare in bianco tutti gli altri campi."_qs,
        u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_qs};
    for (int i = 0; i < 3; ++i)
        platform::makeLabel(panFiltri_, guidance[i])->setGeometry(24, 14 + i * 20, 820, 20);

    QList<QWidget*> chain;
    for (size_t i = 0; i < kFilterFields.size(); ++i) {
        const FilterSpec& f = kFilters[i];
        const int x = 24 + f.column * 416, y = 92 + f.row * 62;
        platform::makeLabel(panFiltri_, QString::fromUtf16(f.label))->setGeometry(x, y, 390, 20);
        QLineEdit* edit = platform::makeEdit(panFiltri_, QString::fromUtf16(f.name),
                                             memberLayout().capacity(kFilterFields[i]));
        edit->setGeometry(x, y + 22, 390, 26);
        platform::addHighlight(edit);
        filters_[i] = edit;
        chain << edit;
    }
    platform::chainEnter(chain, true);

    lblAttendere_ = platform::makeLabel(panFiltri_, u"Ricerca schede in corso. Attendere..."_qs,
                                        u"lblAttendere"_qs);
    lblAttendere_->setGeometry(24, 420, 500, 24);
    QFont bold = lblAttendere_->font();
    bold.setBold(true);
    lblAttendere_->setFont(bold);
    lblAttendere_->setStyleSheet(u"color: #800000;"_qs);
    lblAttendere_->hide();
    lblConta_ = platform::makeLabel(panFiltri_, {}, u"lblConta"_qs);
    lblConta_->hide();
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();

    auto* btnCerca = new QPushButton(u"Cerca"_qs, panFiltri_);
    btnCerca->setObjectName(u"btnCerca"_qs);
    btnCerca->setIcon(QIcon(u":/art/cerca.svg"_qs));
    btnCerca->setGeometry(620, 510, 110, 30);
    auto* btnAnnulla = new QPushButton(u"Chiudi"_qs, panFiltri_);
    btnAnnulla->setObjectName(u"btnAnnulla"_qs);
    btnAnnulla->setIcon(QIcon(u":/art/chiudi.svg"_qs));
    btnAnnulla->setGeometry(736, 510, 110, 30);

    panElenco_ =
        new MemberListPanel(ctx_, this, LineForm::Search, u"Riepilogo anagrafica Soci"_qs, true);
    panElenco_->hide();

    // The wait notice shows as soon as the button goes down, before the archive is read.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaAnagrafica::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(panElenco_, &MemberListPanel::closeRequested, this, &QDialog::reject);
    connect(panElenco_, &MemberListPanel::picked, this, &TfrmTrovaAnagrafica::onPicked);
    filters_[0]->setFocus();
}

void TfrmTrovaAnagrafica::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (panFiltri_->isVisible()) filters_[0]->setFocus();
}

void TfrmTrovaAnagrafica::search() {
    MemberFilters filters;
    for (size_t i = 0; i < filters.size(); ++i)
        filters[i] = filters_[i]->text();
    lblConta_->setText(QString::number(filtersInUse(filters)));
    const MemberList found = searchMembers(ctx_.folder, filters);
    lblAttendere_->hide();
    if (!found.ok) {
        ctx_.platform.message(this, platform::MsgKind::Plain, core::archiveAccessMessage());
        return;
    }
    panElenco_->setLines(found.lines);
    panElenco_->show();
    panFiltri_->hide();
    panElenco_->resetFind();
    panElenco_->focusFind();
}

void TfrmTrovaAnagrafica::onPicked(std::optional<qint64> number, bool) {
    // A failure while reading closes silently; a match found before it is still handed over.
    picked_ = number;
    picked_ ? accept() : reject();
}

} // namespace members
