#include "book/frm_trova_registro.h"

#include "book/book_ui.h"
#include "platform/record_form.h"
#include "platform/ui.h"
#include "reports/list_report.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace book {

TfrmTrovaRegistro::TfrmTrovaRegistro(platform::Context& ctx, QWidget* parent,
                                     const QString& registerPath, const QString& mode)
    : QDialog(parent), ctx_(ctx), path_(registerPath) {
    platform::setupDialog(this, u"TfrmTrovaRegistro"_qs, u" Trova pagine Libro Soci"_qs,
                          {862, 560});
    lblMemory_ = modeLabel(this, mode);
    const char* const notes[] = {
        "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
        "premere il pulsante Trova.",
        "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
        "nuovo clic su Trova.",
    };
    for (int i = 0; i < 2; ++i)
        platform::makeLabel(this, QString::fromUtf8(notes[i]))
            ->setGeometry(16, 10 + 20 * i, 830, 20);
    txtTrova_ = platform::makeEdit(this, u"txtTrova"_qs, 0);
    txtTrova_->setGeometry(16, 58, 600, 26);
    platform::addHighlight(txtTrova_);
    QPushButton* trova = textButton(this, u"btnTrova"_qs, u"Trova"_qs, u"trova"_qs);
    trova->setGeometry(630, 56, 110, 30);
    lstRecords_ = new platform::TextList(this, u"lstRecords"_qs);
    lstRecords_->setGeometry(16, 96, 830, 390);
    platform::makeLabel(this,
                        u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_qs)
        ->setGeometry(16, 494, 830, 20);
    QPushButton* stampa = textButton(this, u"btnStampa"_qs, u"Stampa"_qs, u"stampa"_qs);
    stampa->setGeometry(620, 520, 110, 30);
    QPushButton* chiudi = textButton(this, u"btnChiudi"_qs, u"Chiudi"_qs, u"chiudi"_qs);
    chiudi->setGeometry(736, 520, 110, 30);
    for (QPushButton* b : {trova, stampa, chiudi})
        b->setAutoDefault(false);

    finder_ = new platform::FindInList(ctx_, txtTrova_, trova, lstRecords_);
    connect(lstRecords_, &platform::TextList::lineActivated, this, &TfrmTrovaRegistro::pick);
    connect(stampa, &QPushButton::clicked, this, &TfrmTrovaRegistro::print);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    const core::ListRows pages = readPageList(path_);
    lstRecords_->setRows(pages);
    finder_->reset();
    txtTrova_->setFocus(Qt::OtherFocusReason);
    platform::tellIncomplete(ctx_, this, pages);
}

void TfrmTrovaRegistro::print() {
    reports::printList(ctx_, this, kPageListTitle, lstRecords_->lines());
}

void TfrmTrovaRegistro::pick(int row) {
    // The page behind the line, read whole; when it cannot be read the editor keeps its page.
    const std::optional<qint64> page = lstRecords_->recordAt(row);
    if (!page) return;
    if (std::optional<PageValues> values = readPage(path_, *page))
        picked_ = PickedPage{*page, std::move(*values)};
    else
        platform::showAccessMessage(ctx_, this);
    lstRecords_->clear();
    picked_ ? accept() : reject();
}

} // namespace book
