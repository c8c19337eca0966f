#include "cashbook/frm_menu_bilancio.h"

#include "cashbook/balance.h"
#include "cashbook/frm_bilancio.h"
#include "cashbook/movement_record.h"
#include "core/dates.h"
#include "core/record_file.h"
#include "core/text.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/look.h"
#include "platform/menu_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cashbook {

TfrmMenuBilancio::TfrmMenuBilancio(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmMenuBilancio"_qs, u" Quorvix 5.0 - Riepilogo primanota e bilancio"_qs) {
    QWidget* p = panel();
    platform::look::paintBackground(this);
    platform::addPicture(p, u":/art/menu_primanota.svg"_qs, 110, {442, 40, 110, 110});

    auto* intro = platform::makeLabel(p, u"Indicare l'anno solare di interesse e una causale."_qs);
    intro->setGeometry(197, 170, 600, 22);
    platform::look::makeHeading(intro);
    platform::makeLabel(p, u"Anno:"_qs)->setGeometry(197, 204, 80, 26);
    txtAnno_ = platform::makeEdit(p, u"txtAnno"_qs, 4);
    txtAnno_->setGeometry(280, 204, 80, 26);
    platform::digitsOnly(txtAnno_);
    platform::makeLabel(p, u"Causale:"_qs)->setGeometry(197, 240, 80, 26);
    txtTipologia_ = platform::makeEdit(p, u"txtTipologia"_qs, 250);
    txtTipologia_->setGeometry(280, 240, 517, 26);
    platform::makeLabel(p, u"Per ottenere lo storico di tutti i movimenti in entrata e in uscita, "
                           u"non indicare nessuna causale."_qs)
        ->setGeometry(197, 272, 600, 22);

    auto* interval = platform::makeLabel(
        p, u"Indicare l'intervallo di tempo relativo al periodo da riepilogare."_qs);
    interval->setGeometry(197, 314, 600, 22);
    platform::look::makeHeading(interval);
    const auto group = [&](const QString& title, int x, const QString& day, const QString& month,
                           const QString& yearLabel, QComboBox*& dayBox, QComboBox*& monthBox,
                           QLabel*& yearBox) {
        auto* g = new QGroupBox(title, p);
        g->setGeometry(x, 344, 290, 96);
        platform::makeLabel(g, u"Giorno:"_qs)->setGeometry(12, 24, 60, 20);
        dayBox = makeCombo(g, day, dayNames());
        dayBox->setGeometry(12, 46, 64, 28);
        platform::makeLabel(g, u"Mese:"_qs)->setGeometry(88, 24, 60, 20);
        monthBox = makeCombo(g, month, monthNames());
        monthBox->setGeometry(88, 46, 120, 28);
        yearBox = platform::makeLabel(g, {}, yearLabel);
        yearBox->setGeometry(220, 46, 60, 28);
        platform::look::setPointSize(yearBox, 10, true);
    };
    group(u" Data inizio intervallo: "_qs, 197, u"txtGiornoInizio"_qs, u"txtMeseInizio"_qs,
          u"lblAnnoInizio"_qs, txtGiornoInizio_, txtMeseInizio_, lblAnnoInizio_);
    group(u" Data fine intervallo: "_qs, 507, u"txtGiornoFine"_qs, u"txtMeseFine"_qs,
          u"lblAnnoFine"_qs, txtGiornoFine_, txtMeseFine_, lblAnnoFine_);

    auto* btnVisualizza = new QPushButton(u"Visualizza riepilogo"_qs, p);
    btnVisualizza->setObjectName(u"btnVisualizza"_qs);
    btnVisualizza->setGeometry(397, 470, 200, 36);
    platform::look::makePrimary(btnVisualizza);
    auto* btnEsci = new QPushButton(u"Esci"_qs, p);
    btnEsci->setObjectName(u"btnEsci"_qs);
    btnEsci->setGeometry(647, 470, 150, 36);
    auto* btnRendiconto = new QPushButton(u"Rendiconto annuale"_qs, p);
    btnRendiconto->setObjectName(u"btnRendiconto"_qs);
    btnRendiconto->setGeometry(197, 470, 170, 36);
    lblAttendere_ = platform::makeLabel(p, u"Caricamento riepilogo in corso. Attendere..."_qs,
                                        u"lblAttendere"_qs);
    lblAttendere_->setGeometry(197, 520, 600, 24);
    lblAttendere_->setAlignment(Qt::AlignCenter);
    lblAttendere_->setStyleSheet(u"color: #800000; font-weight: bold;"_qs);
    lblAttendere_->hide();
    platform::addGuideCorner(ctx_, this, {u"Guida"_qs, 16, {}},
                             platform::helpTopic(u"cashbook"_qs, u"bilancio"_qs));

    lblDataInizio_ = platform::makeLabel(p, {}, u"lblDataInizio"_qs);
    lblDataFine_ = platform::makeLabel(p, {}, u"lblDataFine"_qs);
    lblFile_ = platform::makeLabel(p, {}, u"lblFile"_qs);
    for (QLabel* hidden : {lblDataInizio_, lblDataFine_, lblFile_})
        hidden->hide();

    for (QLineEdit* e : {txtAnno_, txtTipologia_})
        platform::addHighlight(e);
    platform::chainEnter({txtAnno_, txtTipologia_, txtGiornoInizio_, txtMeseInizio_, txtGiornoFine_,
                          txtMeseFine_, btnVisualizza});
    connect(txtAnno_, &QLineEdit::textChanged, this, &TfrmMenuBilancio::yearChanged);
    connect(txtAnno_, &QLineEdit::editingFinished, this, &TfrmMenuBilancio::yearChanged);
    connect(btnVisualizza, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuBilancio::visualizza);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnRendiconto, &QPushButton::clicked, this,
            [this] { ctx_.windows.switchTo(u"TfrmRendiconto"_qs, this); });
}

QComboBox* TfrmMenuBilancio::makeCombo(QWidget* parent, const QString& name,
                                       const QStringList& items) {
    // A drop-down list: typing is suppressed, so only its items (or nothing) can be chosen.
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setMaxVisibleItems(12);
    box->setCurrentIndex(-1);
    return box;
}

void TfrmMenuBilancio::yearChanged() {
    const QString year = core::trimText(txtAnno_->text());
    lblAnnoInizio_->setText(year);
    lblAnnoFine_->setText(year);
}

void TfrmMenuBilancio::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    for (QComboBox* box : {txtGiornoInizio_, txtMeseInizio_, txtGiornoFine_, txtMeseFine_})
        box->setCurrentIndex(-1);
    txtTipologia_->clear();
    txtAnno_->setText(
        QStringLiteral("%1").arg(ctx_.platform.today().year(), 4, 10, QLatin1Char('0')));
    lblAttendere_->hide();
    txtTipologia_->setFocus();
}

void TfrmMenuBilancio::visualizza() {
    const QDate today = ctx_.platform.today();
    const IntervalCheck check = checkInterval(
        {txtAnno_->text(), txtGiornoInizio_->currentText(), txtMeseInizio_->currentText(),
         txtGiornoFine_->currentText(), txtMeseFine_->currentText()},
        today);
    if (platform::showProblem(ctx_, this, check.problem)) {
        lblAttendere_->hide();
        return;
    }
    lblDataInizio_->setText(check.start);
    lblDataFine_->setText(check.end);
    lblFile_->setText(ctx_.path(yearFileName(txtAnno_->text())));

    const QString filter = txtTipologia_->text();
    const Balance balance =
        computeBalance(yearArchive(lblFile_->text()), filter, *core::parseDate(check.start, today),
                       *core::parseDate(check.end, today), today);
    if (!balance.ok) {
        // Nothing of a summary that could not read every movement is shown or printed.
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        lblAttendere_->hide();
        return;
    }
    TfrmBilancio result(ctx_, this, balance, filter, intervalText(check.start, check.end));
    ctx_.platform.runModal(result);
    lblAttendere_->hide();
}

} // namespace cashbook
