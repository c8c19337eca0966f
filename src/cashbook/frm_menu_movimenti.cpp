#include "cashbook/frm_menu_movimenti.h"

#include "cashbook/balance.h"
#include "cashbook/cashbook_help.h"
#include "cashbook/movement_record.h"
#include "cashbook/window_look.h"
#include "platform/input_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace cashbook {

TfrmMenuMovimenti::TfrmMenuMovimenti(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmMenuMovimenti"_qs,
               u" Quorvix 5.0 - Registrazione movimenti in entrata e uscita"_qs) {
    QWidget* p = panel();
    look::paintBackground(this);
    auto* art = new QLabel(p);
    art->setPixmap(QIcon(u":/art/menu_primanota.svg"_qs).pixmap(120, 120));
    art->setGeometry(437, 100, 120, 120);
    auto* text = platform::makeLabel(
        p, u"Utilizzare questo ambiente per registrare i movimenti in entrata e in uscita in "
           u"archivi annuali."_qs);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(147, 240, 700, 24);
    look::setPointSize(text, 11);
    auto* heading = platform::makeLabel(p, u"Movimenti in entrata e uscita:"_qs);
    heading->setGeometry(347, 300, 300, 24);
    look::makeHeading(heading);
    platform::makeLabel(p, u"Anno:"_qs)->setGeometry(347, 340, 50, 28);
    txtAnno_ = platform::makeEdit(p, u"txtAnnoPreventivi"_qs, 4);
    txtAnno_->setGeometry(400, 340, 80, 28);
    platform::digitsOnly(txtAnno_);
    platform::addHighlight(txtAnno_);
    auto* btnApri = new QPushButton(u"Apri"_qs, p);
    btnApri->setObjectName(u"btnApriPreventivi"_qs);
    btnApri->setGeometry(497, 338, 150, 32);
    look::makePrimary(btnApri);
    platform::chainEnter({txtAnno_, btnApri});

    auto* imgGuida =
        platform::pictureButton(p, u"imgGuida"_qs, u":/art/guida.svg"_qs, u"Guida"_qs, {40, 40});
    imgGuida->setGeometry(931, 16, 48, 48);
    auto* imgEsci = platform::pictureButton(p, u"imgEsci"_qs, u":/art/esci.svg"_qs,
                                            u"Torna al menu principale"_qs, {40, 40});
    imgEsci->setGeometry(931, 628, 48, 48);
    lblMemory_ = platform::makeLabel(p, u"avvio"_qs, u"lblMemory"_qs);
    lblMemory_->hide();

    connect(btnApri, &QPushButton::clicked, this, &TfrmMenuMovimenti::open);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { ctx_.platform.showHelp(this, movementsHelp()); });
}

QString TfrmMenuMovimenti::mode() const {
    return lblMemory_->text();
}

void TfrmMenuMovimenti::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    txtAnno_->setText(
        QStringLiteral("%1").arg(ctx_.platform.today().year(), 4, 10, QLatin1Char('0')));
    lblMemory_->setText(u"avvio"_qs);
    txtAnno_->setFocus();
}

void TfrmMenuMovimenti::open() {
    if (txtAnno_->text().size() != 4) {
        ctx_.platform.message(this, platform::MsgKind::Warning, yearDigitsMessage());
        txtAnno_->setFocus();
        return;
    }
    const QString year = txtAnno_->text().trimmed();
    emit yearOpened(ctx_.path(yearFileName(year)), year);
    lblMemory_->setText(u"movimenti"_qs);
    close();
}

void TfrmMenuMovimenti::onClose() {
    ctx_.windows.switchTo(mode() == u"movimenti"_qs ? u"TfrmMovimenti"_qs : u"TfrmAvvio"_qs, this);
}

} // namespace cashbook
