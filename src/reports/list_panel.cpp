#include "reports/list_panel.h"

#include "platform/buttons.h"
#include "platform/ui.h"
#include "reports/list_report.h"

#include <QPushButton>

namespace reports {

namespace {

// Where the rows sit: under both find hints, or (the summary look) between them.
struct Rows {
    int secondHint, findField, list, listBottom;
};
constexpr Rows kFindBelowHints{30, 58, 96, 486};
constexpr Rows kFindBetweenHints{66, 34, 92, 488};
constexpr int kListBottomWithCount = 464;

} // namespace

ListPanel::ListPanel(platform::Context& ctx, QWidget* parent, ListFace face)
    : QWidget(parent), ctx_(ctx), face_(std::move(face)) {
    const bool summary = face_.summaryLook;
    const bool withCount = face_.countLine != nullptr;
    const Rows& rows = summary ? kFindBetweenHints : kFindBelowHints;
    const auto lineName = [summary](const char* name) {
        return summary ? QString::fromLatin1(name) : QString();
    };
    setObjectName(face_.name);
    setGeometry(0, 0, 862, 560);

    platform::makeLabel(this,
                        u"Immettere una o più parole consecutive presenti nella scheda in elenco "
                        u"da cercare e premere il pulsante Trova."_qs,
                        lineName("lblRigo01"))
        ->setGeometry(16, 10, 830, 20);
    txtTrova_ = platform::makeEdit(this, u"txtTrova"_qs, 0);
    txtTrova_->setGeometry(16, rows.findField, 600, 26);
    platform::addHighlight(txtTrova_);
    QPushButton* btnTrova =
        platform::makeButton(this, u"btnTrova"_qs, u"Trova"_qs, {630, rows.findField - 2, 110, 30},
                             u":/art/trova.svg"_qs);
    platform::makeLabel(this,
                        u"Per spostarsi sulla voce successiva contenente la stessa chiave di "
                        u"ricerca, fare di nuovo clic su Trova."_qs,
                        lineName("lblRigo02"))
        ->setGeometry(16, rows.secondHint, 830, 20);

    list_ = new platform::TextList(this, u"lstRecords"_qs);
    const int listBottom = withCount ? kListBottomWithCount : rows.listBottom;
    list_->setGeometry(16, rows.list, 830, listBottom - rows.list);

    QLabel* hint = platform::makeLabel(
        this, u"Per richiamare i dati di una scheda, selezionarla con un doppio clic."_qs,
        lineName("lblRigo03"));
    if (summary) hint->setStyleSheet(u"color: #dc143c;"_qs); // crimson
    hint->setGeometry(16, withCount ? 470 : 494, 830, 20);
    if (withCount) {
        lblTrovate_ = platform::makeLabel(this, face_.countBeforeFill, u"lblTrovate"_qs);
        lblTrovate_->setGeometry(16, 494, 600, 20);
        QFont f = lblTrovate_->font();
        f.setBold(true);
        lblTrovate_->setFont(f);
    }
    QPushButton* btnStampa = platform::makeButton(this, u"btnStampa"_qs, u"Stampa"_qs,
                                                  {620, 520, 110, 30}, u":/art/stampa.svg"_qs);
    QPushButton* btnChiudi = platform::makeButton(this, u"btnChiudi"_qs, u"Chiudi"_qs,
                                                  {736, 520, 110, 30}, u":/art/chiudi.svg"_qs);

    finder_ = new platform::FindInList(ctx_, txtTrova_, btnTrova, list_, face_.emptyKey);
    connect(list_, &platform::TextList::lineActivated, this,
            [this](int row) {
                if (const auto record = list_->recordAt(row)) emit recordPicked(*record);
            });
    connect(btnStampa, &QPushButton::clicked, this, &ListPanel::print);
    connect(btnChiudi, &QPushButton::clicked, this, [this] {
        if (face_.summaryLook) list_->clear();
        emit closeRequested();
    });
}

void ListPanel::setRows(const core::ListRows& rows) {
    list_->setRows(rows);
    if (lblTrovate_) lblTrovate_->setText(face_.countLine(rows.lines.size()));
}

bool ListPanel::showRows(const core::ListRows& rows) {
    setRows(rows);
    finder_->reset();
    txtTrova_->setFocus(Qt::OtherFocusReason);
    return platform::tellIncomplete(ctx_, window(), rows, face_.accessKind);
}

void ListPanel::print() {
    printList(ctx_, window(), face_.printTitle, list_->lines());
}

} // namespace reports
