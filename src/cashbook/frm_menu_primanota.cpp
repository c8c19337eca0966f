#include "cashbook/frm_menu_primanota.h"

#include "cashbook/cashbook_help.h"
#include "cashbook/window_look.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace cashbook {

TfrmMenuPrimanota::TfrmMenuPrimanota(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmMenuPrimanota"_qs, u" Quorvix 5.0 - Primanota e bilancio"_qs) {
    QWidget* p = panel();
    look::paintBackground(this);
    auto* art = new QLabel(p);
    art->setPixmap(QIcon(u":/art/menu_primanota.svg"_qs).pixmap(150, 150));
    art->setGeometry(422, 110, 150, 150);
    auto* text = platform::makeLabel(
        p, u"Premere il pulsante per registrare i movimenti in entrata e uscita o per riepilogare "
           u"la primanota e il bilancio."_qs);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(197, 290, 600, 48);
    look::setPointSize(text, 11);

    auto* btnRegistra = new QPushButton(u"Registra movimenti in entrata e uscita"_qs, p);
    btnRegistra->setObjectName(u"btnRegistra"_qs);
    btnRegistra->setGeometry(297, 370, 400, 40);
    auto* btnRiepiloga = new QPushButton(u"Riepiloga primanota e bilancio"_qs, p);
    btnRiepiloga->setObjectName(u"btnRiepiloga"_qs);
    btnRiepiloga->setGeometry(297, 424, 400, 40);
    look::makePrimary(btnRegistra);
    look::makePrimary(btnRiepiloga);

    auto* imgGuida =
        platform::pictureButton(p, u"imgGuida"_qs, u":/art/guida.svg"_qs, u"Guida"_qs, {40, 40});
    imgGuida->setGeometry(931, 16, 48, 48);
    auto* imgEsci = platform::pictureButton(p, u"imgEsci"_qs, u":/art/esci.svg"_qs,
                                            u"Torna al menu principale"_qs, {40, 40});
    imgEsci->setGeometry(931, 628, 48, 48);
    lblMemory_ = platform::makeLabel(p, u"avvio"_qs, u"lblMemory"_qs);
    lblMemory_->hide();

    connect(btnRegistra, &QPushButton::clicked, this, [this] { closeWith(u"registra"_qs); });
    connect(btnRiepiloga, &QPushButton::clicked, this, [this] { closeWith(u"riepiloga"_qs); });
    connect(imgEsci, &QToolButton::clicked, this, [this] { closeWith(u"avvio"_qs); });
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { ctx_.platform.showHelp(this, cashbookMenuHelp()); });
}

QString TfrmMenuPrimanota::mode() const {
    return lblMemory_->text();
}

void TfrmMenuPrimanota::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    lblMemory_->setText(u"avvio"_qs);
}

void TfrmMenuPrimanota::closeWith(const QString& mode) {
    lblMemory_->setText(mode);
    close();
}

void TfrmMenuPrimanota::onClose() {
    const QString m = mode();
    const QString next = m == u"registra"_qs    ? u"TfrmMenuMovimenti"_qs
                         : m == u"riepiloga"_qs ? u"TfrmMenuBilancio"_qs
                                                : u"TfrmAvvio"_qs;
    ctx_.windows.switchTo(next, this);
}

} // namespace cashbook
