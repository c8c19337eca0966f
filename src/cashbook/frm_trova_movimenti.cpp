#include "cashbook/frm_trova_movimenti.h"

#include "core/record_file.h"
#include "platform/ui.h"

#include <QPushButton>

namespace cashbook {

namespace {
struct FilterSpec {
    const char16_t* name;
    const char16_t* label;
};
// In the order of kSearchFields and of the Enter chain; two columns of five, row by row.
constexpr FilterSpec kFilters[] = {
    {u"txtData", u"Data operazione (gg/mm/aaaa):"},
    {u"txtDataSca", u"Data scadenza (gg/mm/aaaa):"},
    {u"txtCausale", u"Causale:"},
    {u"txtPromemoria", u"Promemoria:"},
    {u"txtPagatore", u"Pagatore:"},
    {u"txtCategoria", u"Tessera n."},
    {u"txtBeneficiario", u"Beneficiario:"},
    {u"txtRicevuta", u"CRO / Ricevuta n."},
    {u"txtTariffa", u"Tariffa applicata:"},
    {u"txtNote", u"Note:"},
};
} // namespace

TfrmTrovaMovimenti::TfrmTrovaMovimenti(platform::Context& ctx, QWidget* parent,
                                       const QString& yearFile, const QString& mode)
    : QDialog(parent), ctx_(ctx), archive_(yearArchive(yearFile)) {
    platform::setupDialog(this, u"TfrmTrovaMovimenti"_qs, u" Trova movimenti in archivio"_qs,
                          {862, 560});

    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(u"panAvvio"_qs);
    panAvvio_->setGeometry(0, 0, 862, 560);
    const QString guidance[] = {
        u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
        u"trovare e premere il pulsante Cerca."_qs,
        u"Lasciare in bianco tutti gli altri campi."_qs,
        u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_qs};
    for (int i = 0; i < 3; ++i)
        platform::makeLabel(panAvvio_, guidance[i])->setGeometry(24, 14 + i * 20, 820, 20);

    QList<QWidget*> chain;
    for (size_t i = 0; i < kSearchFields.size(); ++i) {
        const int x = 24 + int(i % 2) * 416, y = 92 + int(i / 2) * 62;
        platform::makeLabel(panAvvio_, QString::fromUtf16(kFilters[i].label))
            ->setGeometry(x, y, 390, 20);
        QLineEdit* edit = platform::makeEdit(panAvvio_, QString::fromUtf16(kFilters[i].name),
                                             movementLayout().capacity(kSearchFields[i]));
        edit->setGeometry(x, y + 22, 390, 26);
        platform::addHighlight(edit);
        filters_[i] = edit;
        chain << edit;
    }
    platform::chainEnter(chain, true);

    lblAttendere_ = platform::makeLabel(panAvvio_, u"Ricerca schede in corso. Attendere..."_qs,
                                        u"lblAttendere"_qs);
    lblAttendere_->setGeometry(24, 420, 500, 24);
    QFont bold = lblAttendere_->font();
    bold.setBold(true);
    lblAttendere_->setFont(bold);
    lblAttendere_->setStyleSheet(u"color: #800000;"_qs);
    lblAttendere_->hide();
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();

    auto* btnCerca = new QPushButton(u"Cerca"_qs, panAvvio_);
    btnCerca->setObjectName(u"btnCerca"_qs);
    btnCerca->setIcon(QIcon(u":/art/cerca.svg"_qs));
    btnCerca->setGeometry(620, 510, 110, 30);
    auto* btnAnnulla = new QPushButton(u"Chiudi"_qs, panAvvio_);
    btnAnnulla->setObjectName(u"btnAnnulla"_qs);
    btnAnnulla->setIcon(QIcon(u":/art/chiudi.svg"_qs));
    btnAnnulla->setGeometry(736, 510, 110, 30);

    panContainer_ = new MovementListPanel(ctx_, this, u"panContainer"_qs,
                                          u"Riepilogo movimenti in archivio"_qs, true);
    panContainer_->hide();

    // The wait notice shows as soon as the button goes down, before the file is read.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaMovimenti::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(panContainer_, &MovementListPanel::closeRequested, this, &QDialog::reject);
    connect(panContainer_, &MovementListPanel::chosen, this, &TfrmTrovaMovimenti::choose);
    filters_[0]->setFocus();
}

void TfrmTrovaMovimenti::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (panAvvio_->isVisible()) filters_[0]->setFocus();
}

void TfrmTrovaMovimenti::search() {
    MovementFilters filters;
    for (size_t i = 0; i < filters.size(); ++i)
        filters[i] = filters_[i]->text();
    const MovementList found = searchMovements(archive_, filters);
    lblAttendere_->hide();
    if (!found.ok) {
        ctx_.platform.message(this, platform::MsgKind::Plain, core::archiveAccessMessage());
        return;
    }
    searched_ = filters;
    panContainer_->setLines(found.lines);
    panContainer_->show();
    panAvvio_->hide();
    panContainer_->resetFind();
    panContainer_->focusFind();
}

void TfrmTrovaMovimenti::choose(const QString& line) {
    // Only the movement window's own mode loads; the movement must still pass the search that
    // listed it. Any failure closes the window without a message.
    if (mode() == u"movimenti"_qs)
        chosen_ = movementOfLine(archive_, line, MovementMatcher(searched_));
    chosen_ ? accept() : reject();
}

} // namespace cashbook
