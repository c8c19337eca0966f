#include "cashbook/frm_menu_movimenti.h"

#include "cashbook/balance.h"
#include "cashbook/movement_record.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/look.h"

#include <QLineEdit>
#include <QPushButton>

namespace cashbook {

TfrmMenuMovimenti::TfrmMenuMovimenti(platform::Context& ctx)
    : MenuWindow(ctx, u"TfrmMenuMovimenti"_qs,
                 u" Quorvix 5.0 - Registrazione movimenti in entrata e uscita"_qs,
                 {{u"movimenti"_qs, u"TfrmMovimenti"_qs}}) {
    QWidget* p = panel();
    platform::look::paintBackground(this);
    platform::addPicture(p, u":/art/menu_primanota.svg"_qs, 120, {437, 100, 120, 120});
    auto* text = platform::makeLabel(
        p, u"Utilizzare questo ambiente per registrare i movimenti in entrata e in uscita in "
           u"archivi annuali."_qs);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(147, 240, 700, 24);
    platform::look::setPointSize(text, 11);
    auto* heading = platform::makeLabel(p, u"Movimenti in entrata e uscita:"_qs);
    heading->setGeometry(347, 300, 300, 24);
    platform::look::makeHeading(heading);
    platform::makeLabel(p, u"Anno:"_qs)->setGeometry(347, 340, 50, 28);
    txtAnno_ = platform::makeEdit(p, u"txtAnnoPreventivi"_qs, 4);
    txtAnno_->setGeometry(400, 340, 80, 28);
    platform::digitsOnly(txtAnno_);
    platform::addHighlight(txtAnno_);
    auto* btnApri = new QPushButton(u"Apri"_qs, p);
    btnApri->setObjectName(u"btnApriPreventivi"_qs);
    btnApri->setGeometry(497, 338, 150, 32);
    platform::look::makePrimary(btnApri);
    platform::chainEnter({txtAnno_, btnApri});

    addCorners({u"Guida"_qs, 16, u"Torna al menu principale"_qs},
               platform::helpTopic(u"cashbook"_qs, u"movimenti"_qs));

    connect(btnApri, &QPushButton::clicked, this, &TfrmMenuMovimenti::open);
}

void TfrmMenuMovimenti::showEvent(QShowEvent* event) {
    MenuWindow::showEvent(event);
    txtAnno_->setText(
        QStringLiteral("%1").arg(ctx_.platform.today().year(), 4, 10, QLatin1Char('0')));
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
    closeWith(u"movimenti"_qs);
}

} // namespace cashbook
