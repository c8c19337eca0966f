#include "cashbook/frm_menu_primanota.h"

#include "platform/help.h"
#include "platform/look.h"

#include <QPushButton>

namespace cashbook {

TfrmMenuPrimanota::TfrmMenuPrimanota(platform::Context& ctx)
    : MenuWindow(
          ctx, u"TfrmMenuPrimanota"_qs, u" Quorvix 5.0 - Primanota e bilancio"_qs,
          {{u"registra"_qs, u"TfrmMenuMovimenti"_qs}, {u"riepiloga"_qs, u"TfrmMenuBilancio"_qs}}) {
    QWidget* p = panel();
    platform::look::paintBackground(this);
    platform::addPicture(p, u":/art/menu_primanota.svg"_qs, 150, {422, 110, 150, 150});
    auto* text = platform::makeLabel(
        p, u"Premere il pulsante per registrare i movimenti in entrata e uscita o per riepilogare "
           u"la primanota e il bilancio."_qs);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(197, 290, 600, 48);
    platform::look::setPointSize(text, 11);

    auto* btnRegistra = new QPushButton(u"Registra movimenti in entrata e uscita"_qs, p);
    btnRegistra->setObjectName(u"btnRegistra"_qs);
    btnRegistra->setGeometry(297, 370, 400, 40);
    auto* btnRiepiloga = new QPushButton(u"Riepiloga primanota e bilancio"_qs, p);
    btnRiepiloga->setObjectName(u"btnRiepiloga"_qs);
    btnRiepiloga->setGeometry(297, 424, 400, 40);
    platform::look::makePrimary(btnRegistra);
    platform::look::makePrimary(btnRiepiloga);
    addCorners({u"Guida"_qs, 16, u"Torna al menu principale"_qs},
               platform::helpTopic(u"cashbook"_qs, u"menu"_qs));

    connect(btnRegistra, &QPushButton::clicked, this, [this] { closeWith(u"registra"_qs); });
    connect(btnRiepiloga, &QPushButton::clicked, this, [this] { closeWith(u"riepiloga"_qs); });
}

} // namespace cashbook
