#include "checks/frm_carta.h"

#include "checks/rules.h"
#include "core/text.h"

namespace checks {

using platform::MsgKind;

TfrmCarta::TfrmCarta(platform::Context& ctx, QWidget* opener)
    : CheckDialog(ctx, opener,
                  {QStringLiteral("TfrmCarta"), QStringLiteral(" Controllo carta di credito"),
                   QStringLiteral("Immettere il numero di carta di credito e premere il pulsante "
                                  "di controllo."),
                   QStringLiteral(":/art/carta.svg"), QStringLiteral("txtNumero"), 30,
                   /*digitsOnly=*/true, /*liveUpper=*/true}) {}

void TfrmCarta::check() {
    const QString number = core::trimText(field()->text());
    if (number.isEmpty()) {
        refuse(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                              "premere il pulsante di controllo."));
        return;
    }
    const CardVerdict v = cardVerdict(number);
    switch (v) {
    case CardVerdict::Errato:
        verdict(MsgKind::Warning,
                QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                               "possibile fornire informazioni relative al tipo di carta di "
                               "credito."));
        return;
    case CardVerdict::NoMessage:
        accept(); // a valid number of an issuer starting with 3 that the table does not name
        return;
    default:
        verdict(MsgKind::Information, QStringLiteral("Il numero di carta di credito ") + number +
                                          QStringLiteral(" risulta valido.\r\n\r\nLa carta di "
                                                         "credito è del tipo ") +
                                          cardTypeName(v) + u'.');
    }
}

} // namespace checks
