#include "members/member_list_panel.h"

#include "platform/ui.h"
#include "reports/list_report.h"

namespace members {

MemberListPanel::MemberListPanel(platform::Context& ctx, QWidget* parent, LineForm form, QString printTitle,
                                 bool withCount)
    : QWidget(parent), ctx_(ctx), form_(form), printTitle_(std::move(printTitle)) {
    setObjectName(u"panElenco"_qs);
    setGeometry(0, 0, 862, 560);
    platform::makeLabel(this, u"Immettere una o più parole consecutive presenti nella scheda in elenco da "
                              u"cercare e premere il pulsante Trova."_qs)
        ->setGeometry(16, 10, 830, 20);
    platform::makeLabel(this, u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
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

    platform::makeLabel(this, u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_qs)
        ->setGeometry(16, withCount ? 470 : 494, 830, 20);
    if (withCount) {
        lblTrovate_ = platform::makeLabel(this, {}, u"lblTrovate"_qs);
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

    finder_ = new platform::FindInList(ctx_, txtTrova_, btnTrova, list_);
    connect(list_, &platform::TextList::lineActivated, this, &MemberListPanel::pick);
    connect(btnStampa, &QPushButton::clicked, this, &MemberListPanel::print);
    connect(btnChiudi, &QPushButton::clicked, this, &MemberListPanel::closeRequested);
}

void MemberListPanel::setLines(const QStringList& lines) {
    list_->setLines(lines);
    if (lblTrovate_)
        lblTrovate_->setText(countLine(lines.size()));
}

void MemberListPanel::print() { reports::printList(ctx_, window(), printTitle_, list_->lines()); }

void MemberListPanel::pick(int row) {
    const PickedRecord r = recordOfLine(ctx_.folder, form_, list_->lines().value(row));
    emit picked(r.number, r.ok);
}

} // namespace members
