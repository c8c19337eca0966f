#include "reports/list_dialog.h"

#include "core/record_file.h"
#include "platform/buttons.h"
#include "platform/ui.h"

#include <QPushButton>

namespace reports {

ListDialog::ListDialog(platform::Context& ctx, QWidget* parent, const QString& className,
                       const QString& caption, ListFace face)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, className, caption, {862, 560});
    panel_ = new ListPanel(ctx_, this, std::move(face));
    connect(panel_, &ListPanel::closeRequested, this, &QDialog::reject);
    connect(panel_, &ListPanel::recordPicked, this, [this](qint64 record) { pick(record); });
}

SearchDialog::SearchDialog(platform::Context& ctx, QWidget* parent, const SearchFace& face,
                           std::span<const FilterField> filters, const QString& mode)
    : ListDialog(ctx, parent, face.className, face.caption, face.list) {
    filterPanel_ = new QWidget(this);
    filterPanel_->setObjectName(face.filterPanel);
    filterPanel_->setGeometry(0, 0, 862, 560);
    const QString guidance[] = {
        u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
        u"trovare e premere il pulsante Cerca."_qs,
        u"Lasciare in bianco tutti gli altri campi."_qs,
        u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_qs};
    for (int i = 0; i < 3; ++i)
        platform::makeLabel(filterPanel_, guidance[i])->setGeometry(24, 14 + i * 20, 820, 20);

    // Two columns, filled row by row in the order of the Enter chain.
    QList<QWidget*> chain;
    for (size_t i = 0; i < filters.size(); ++i) {
        const int x = 24 + int(i % 2) * 416, y = 92 + int(i / 2) * 62;
        platform::makeLabel(filterPanel_, QString::fromUtf16(filters[i].label))
            ->setGeometry(x, y, 390, 20);
        const int limit =
            face.layout && filters[i].field >= 0 ? face.layout->capacity(filters[i].field) : 0;
        QLineEdit* edit =
            platform::makeEdit(filterPanel_, QString::fromUtf16(filters[i].name), limit);
        edit->setGeometry(x, y + 22, 390, 26);
        platform::addHighlight(edit);
        filters_.push_back(edit);
        chain << edit;
    }
    platform::chainEnter(chain, true);

    lblAttendere_ = platform::makeLabel(filterPanel_, u"Ricerca schede in corso. Attendere..."_qs,
                                        u"lblAttendere"_qs);
    lblAttendere_->setGeometry(24, 420, 500, 24);
    QFont bold = lblAttendere_->font();
    bold.setBold(true);
    lblAttendere_->setFont(bold);
    lblAttendere_->setStyleSheet(u"color: #800000;"_qs);
    lblAttendere_->hide();
    if (face.countsFilters) {
        lblConta_ = platform::makeLabel(filterPanel_, {}, u"lblConta"_qs);
        lblConta_->hide();
    }
    lblMemory_ = platform::makeLabel(this, mode, u"lblMemory"_qs);
    lblMemory_->hide();

    QPushButton* btnCerca = platform::makeButton(filterPanel_, u"btnCerca"_qs, u"Cerca"_qs,
                                                 {620, 510, 110, 30}, u":/art/cerca.svg"_qs);
    QPushButton* btnAnnulla = platform::makeButton(filterPanel_, u"btnAnnulla"_qs, u"Chiudi"_qs,
                                                   {736, 510, 110, 30}, u":/art/chiudi.svg"_qs);

    // The base made the list panel first: it still lies over the filters.
    panel_->raise();
    panel_->hide();

    // The wait notice shows as soon as the button goes down, before the file is read.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchDialog::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    if (!filters_.empty()) filters_.front()->setFocus();
}

void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (filterPanel_->isVisible() && !filters_.empty()) filters_.front()->setFocus();
}

void SearchDialog::search() {
    const core::ListRows found = find();
    lblAttendere_->hide();
    if (!found.readWhole) {
        ctx_.platform.message(this, platform::MsgKind::Plain, core::archiveAccessMessage());
        return;
    }
    panel_->show();
    filterPanel_->hide();
    panel_->showRows(found);
}

} // namespace reports
