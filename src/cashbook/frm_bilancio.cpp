#include "cashbook/frm_bilancio.h"

#include "platform/help.h"
#include "platform/look.h"
#include "platform/ui.h"
#include "reports/list_report.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace cashbook {

namespace {
// The last key of "Trova" lives as long as the program, shared by every summary.
QString& sharedFindKey() {
    static QString key;
    return key;
}
} // namespace

TfrmBilancio::TfrmBilancio(platform::Context& ctx, QWidget* parent, const Balance& balance,
                           const QString& filter, const QString& interval)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmBilancio"_qs,
                          u" Quorvix 5.0 - Riepilogo primanota e bilancio"_qs, {995, 640});
    auto* heading = platform::makeLabel(this, u"PRIMANOTA E BILANCIO - Causale :"_qs);
    heading->setGeometry(16, 12, 270, 24);
    platform::look::makeHeading(heading);
    titTipologia_ = platform::makeLabel(this, filterTitle(filter), u"titTipologia"_qs);
    titTipologia_->setGeometry(290, 12, 690, 24);
    platform::look::makeHeading(titTipologia_);
    platform::makeLabel(this, u"Intervallo selezionato :"_qs)->setGeometry(16, 40, 180, 22);
    lblIntervallo_ = platform::makeLabel(this, interval, u"lblIntervallo"_qs);
    lblIntervallo_->setGeometry(200, 40, 500, 22);

    lstRecords_ = new platform::TextList(this, u"lstRecords"_qs);
    lstRecords_->setGeometry(16, 68, 963, 380);
    lstRecords_->setLines(balance.lines);

    struct Total {
        const char16_t* caption;
        const char16_t* name;
        QLabel** label;
        core::CentsTotal value;
    };
    const Total totals[] = {
        {u"TOTALE ENTRATE :", u"lblTotEntrate", &lblTotEntrate_, balance.income},
        {u"TOTALE USCITE :", u"lblTotUscite", &lblTotUscite_, balance.expenses},
        {u"BILANCIO ENTRATE E USCITE :", u"lblBilancio", &lblBilancio_, balance.total}};
    for (int i = 0; i < 3; ++i) {
        const int y = 458 + i * 28;
        auto* caption = platform::makeLabel(this, QString::fromUtf16(totals[i].caption));
        caption->setGeometry(16, y, 240, 24);
        platform::look::setPointSize(caption, 10, true);
        *totals[i].label = platform::makeLabel(this, totalText(totals[i].value),
                                               QString::fromUtf16(totals[i].name));
        (*totals[i].label)->setGeometry(260, y, 300, 24);
        platform::look::setPointSize(*totals[i].label, 11, true);
    }
    lblTotUscite_->setStyleSheet(u"color: #8b0000;"_qs);

    platform::makeLabel(this, u"Immettere una o più parole consecutive presenti nella scheda in "
                              u"elenco da cercare e premere il pulsante Trova."_qs)
        ->setGeometry(16, 548, 800, 20);
    platform::makeLabel(this, u"Per spostarsi sulla voce successiva contenente la stessa chiave "
                              u"di ricerca, fare di nuovo clic su Trova."_qs)
        ->setGeometry(16, 568, 800, 20);
    auto* txtTrova = platform::makeEdit(this, u"txtTrova"_qs, 0);
    txtTrova->setGeometry(16, 596, 480, 28);
    platform::addHighlight(txtTrova);
    auto* btnTrova = new QPushButton(u"Trova"_qs, this);
    btnTrova->setObjectName(u"btnTrova"_qs);
    btnTrova->setIcon(QIcon(u":/art/trova.svg"_qs));
    btnTrova->setGeometry(506, 594, 110, 32);
    auto* btnStampa = new QPushButton(u"Stampa primanota"_qs, this);
    btnStampa->setObjectName(u"btnStampa"_qs);
    btnStampa->setIcon(QIcon(u":/art/stampa.svg"_qs));
    btnStampa->setGeometry(690, 594, 170, 32);
    auto* btnEsci = new QPushButton(u"Esci"_qs, this);
    btnEsci->setObjectName(u"btnEsci"_qs);
    btnEsci->setIcon(QIcon(u":/art/esci.svg"_qs));
    btnEsci->setGeometry(869, 594, 110, 32);
    auto* imgGuida =
        platform::pictureButton(this, u"imgGuida"_qs, u":/art/guida.svg"_qs, u"Guida"_qs, {36, 36});
    imgGuida->setGeometry(935, 460, 44, 44);

    new platform::FindInList(ctx_, txtTrova, btnTrova, lstRecords_, core::EmptyKey::FindsNothing,
                             &sharedFindKey());
    connect(btnStampa, &QPushButton::clicked, this, &TfrmBilancio::print);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::accept);
    connect(imgGuida, &QToolButton::clicked, this, [this] {
        ctx_.platform.showHelp(this, platform::helpTopic(u"cashbook"_qs, u"bilancio"_qs));
    });
    txtTrova->setFocus();
}

QString TfrmBilancio::printTitle() const {
    return balancePrintTitle(titTipologia_->text());
}

QStringList TfrmBilancio::printedLines() const {
    return balancePrintLines(lstRecords_->lines(), {lblIntervallo_->text(), lblTotEntrate_->text(),
                                                    lblTotUscite_->text(), lblBilancio_->text()});
}

void TfrmBilancio::print() {
    if (lstRecords_->count() == 0) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Operazione di stampa non applicabile: la primanota non contiene "
                              u"nessun movimento in entrata o in uscita."_qs);
        return;
    }
    if (ctx_.platform.message(this, platform::MsgKind::Question,
                              u"Si vuole stampare la presente primanota?"_qs) ==
        platform::Answer::No)
        return;
    reports::printList(ctx_, this, printTitle(), printedLines());
}

} // namespace cashbook
