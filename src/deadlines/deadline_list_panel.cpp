#include "deadlines/deadline_list_panel.h"

#include "platform/ui.h"
#include "reports/list_report.h"

#include <QPushButton>

namespace deadlines {

DeadlineListPanel::DeadlineListPanel(platform::Context& ctx, QWidget* parent, QString printTitle,
                                     bool withCount)
    : QWidget(parent), ctx_(ctx), printTitle_(std::move(printTitle)) {
    setObjectName(QStringLiteral("panContainer"));
    setGeometry(0, 0, 862, 560);
    platform::makeLabel(this,
                        QStringLiteral("Immettere una o pi\u00f9 parole consecutive presenti "
                                       "nella scheda in elenco da cercare e premere il pulsante "
                                       "Trova."),
                        QStringLiteral("lblRigo01"))
        ->setGeometry(16, 10, 830, 20);
    txtTrova_ = platform::makeEdit(this, QStringLiteral("txtTrova"), 0);
    txtTrova_->setGeometry(16, 34, 600, 26);
    platform::addHighlight(txtTrova_);
    auto* btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setIcon(QIcon(QStringLiteral(":/art/trova.svg")));
    btnTrova->setGeometry(630, 32, 110, 30);
    platform::makeLabel(this,
                        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                       "chiave di ricerca, fare di nuovo clic su Trova."),
                        QStringLiteral("lblRigo02"))
        ->setGeometry(16, 66, 830, 20);

    list_ = new platform::TextList(this, QStringLiteral("lstRecords"));
    list_->setGeometry(16, 92, 830, withCount ? 372 : 396);

    auto* hint = platform::makeLabel(
        this,
        QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
        QStringLiteral("lblRigo03"));
    hint->setStyleSheet(QStringLiteral("color: #dc143c;")); // crimson
    hint->setGeometry(16, withCount ? 470 : 494, 830, 20);
    if (withCount) {
        lblTrovate_ = platform::makeLabel(this, foundLine(0), QStringLiteral("lblTrovate"));
        lblTrovate_->setGeometry(16, 494, 600, 20);
        QFont f = lblTrovate_->font();
        f.setBold(true);
        lblTrovate_->setFont(f);
    }
    auto* btnStampa = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setIcon(QIcon(QStringLiteral(":/art/stampa.svg")));
    btnStampa->setGeometry(620, 520, 110, 30);
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setIcon(QIcon(QStringLiteral(":/art/chiudi.svg")));
    btnChiudi->setGeometry(736, 520, 110, 30);

    finder_ = new platform::FindInList(ctx_, txtTrova_, btnTrova, list_);
    connect(list_, &platform::TextList::lineActivated, this,
            [this](int row) { emit lineActivated(list_->lines().value(row)); });
    connect(btnStampa, &QPushButton::clicked, this, &DeadlineListPanel::print);
    connect(btnChiudi, &QPushButton::clicked, this, [this] {
        list_->clear();
        emit closeRequested();
    });
}

void DeadlineListPanel::setLines(const QStringList& lines) {
    list_->setLines(lines);
    if (lblTrovate_) lblTrovate_->setText(foundLine(lines.size()));
}

void DeadlineListPanel::print() {
    reports::printList(ctx_, window(), printTitle_, list_->lines());
}

QString foundLine(qsizetype lines) {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(lines);
}

} // namespace deadlines
