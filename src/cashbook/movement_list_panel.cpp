#include "cashbook/movement_list_panel.h"

#include "cashbook/movement_lists.h"
#include "platform/ui.h"
#include "reports/list_report.h"

#include <QPushButton>

namespace cashbook {

MovementListPanel::MovementListPanel(platform::Context& ctx, QWidget* parent, const QString& name,
                                     QString printTitle, bool withCount)
    : QWidget(parent), ctx_(ctx), printTitle_(std::move(printTitle)) {
    setObjectName(name);
    setGeometry(0, 0, 862, 560);
    platform::makeLabel(
        this, u"Immettere una o più parole consecutive presenti nella scheda in elenco da "
              u"cercare e premere il pulsante Trova."_qs)
        ->setGeometry(16, 10, 830, 20);
    platform::makeLabel(
        this, u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
              u"fare di nuovo clic su Trova."_qs)
        ->setGeometry(16, 30, 830, 20);
    txtTrova_ = platform::makeEdit(this, u"txtTrova"_qs, 0);
    txtTrova_->setGeometry(16, 58, 600, 26);
    platform::addHighlight(txtTrova_);
    auto* btnTrova = new QPushButton(u"Trova"_qs, this);
    btnTrova->setObjectName(u"btnTrova"_qs);
    btnTrova->setIcon(QIcon(u":/art/trova.svg"_qs));
    btnTrova->setGeometry(630, 56, 110, 30);

    list_ = new platform::TextList(this, u"lstRecords"_qs);
    list_->setGeometry(16, 96, 830, withCount ? 368 : 390);

    platform::makeLabel(this,
                        u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_qs)
        ->setGeometry(16, withCount ? 470 : 494, 830, 20);
    if (withCount) {
        lblTrovate_ = platform::makeLabel(this, u"Il presente elenco contiene 0 schede."_qs,
                                          u"lblTrovate"_qs);
        lblTrovate_->setGeometry(16, 494, 600, 20);
        QFont f = lblTrovate_->font();
        f.setBold(true);
        lblTrovate_->setFont(f);
    }
    auto* btnStampa = new QPushButton(u"Stampa"_qs, this);
    btnStampa->setObjectName(u"btnStampa"_qs);
    btnStampa->setIcon(QIcon(u":/art/stampa.svg"_qs));
    btnStampa->setGeometry(620, 520, 110, 30);
    auto* btnChiudi = new QPushButton(u"Chiudi"_qs, this);
    btnChiudi->setObjectName(u"btnChiudi"_qs);
    btnChiudi->setIcon(QIcon(u":/art/chiudi.svg"_qs));
    btnChiudi->setGeometry(736, 520, 110, 30);

    new ListFinder(ctx_, txtTrova_, btnTrova, list_, lastKey_);
    connect(list_, &platform::TextList::lineActivated, this,
            [this](int row) { emit chosen(list_->lines().value(row)); });
    connect(btnStampa, &QPushButton::clicked, this, &MovementListPanel::print);
    connect(btnChiudi, &QPushButton::clicked, this, &MovementListPanel::closeRequested);
}

void MovementListPanel::setLines(const QStringList& lines) {
    list_->setLines(lines);
    if (lblTrovate_) lblTrovate_->setText(countLine(lines.size()));
}

void MovementListPanel::resetFind() {
    lastKey_.clear();
    txtTrova_->clear();
}

void MovementListPanel::print() {
    reports::printList(ctx_, window(), printTitle_, list_->lines());
}

} // namespace cashbook
