#include "checks/frm_partita_iva.h"

#include "checks/rules.h"
#include "core/text.h"

namespace checks {

using platform::MsgKind;

TfrmPartitaIva::TfrmPartitaIva(platform::Context& ctx, QWidget* opener)
    : CheckDialog(
          ctx, opener,
          {QStringLiteral("TfrmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
           QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
           QStringLiteral(":/art/partitaiva.svg"), QStringLiteral("txtPartitaIva"), 11,
           /*digitsOnly=*/true, /*liveUpper=*/false}) {}

void TfrmPartitaIva::check() {
    const QString number = core::upperAscii(field()->text());
    if (number.size() != 11) {
        refuse(QStringLiteral(
            "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!vatNumberValid(number)) {
        verdict(
            MsgKind::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio "
                           "IVA che lo ha rilasciato."));
        return;
    }
    verdict(MsgKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                           "rilasciato dall'Ufficio IVA del Comune di ") +
                vatOfficeName(QStringView(number).mid(7, 3)) + u'.');
}

} // namespace checks
