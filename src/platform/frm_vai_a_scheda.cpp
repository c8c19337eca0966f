#include "platform/frm_vai_a_scheda.h"

#include "platform/buttons.h"
#include "platform/input_rules.h"
#include "platform/ui.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {

std::optional<qint64> askRecordNumber(Context& ctx, QWidget* parent, qint64 count) {
    QDialog dialog(parent);
    setupDialog(&dialog, QStringLiteral("TfrmVaiAScheda"), QStringLiteral(" Vai alla scheda"),
                {300, 120});
    makeLabel(&dialog, QStringLiteral("Numero della scheda (da 1 a %1):").arg(count),
              QStringLiteral("titNumero"))
        ->setGeometry(12, 14, 276, 18);
    QLineEdit* number = makeEdit(&dialog, QStringLiteral("txtNumero"), 12);
    number->setGeometry(12, 36, 276, 24);
    digitsOnly(number);
    QPushButton* go =
        makeButton(&dialog, QStringLiteral("btnVai"), QStringLiteral("Vai"), {96, 76, 90, 30});
    QPushButton* cancel = dialogButton(&dialog, QStringLiteral("btnAnnulla"),
                                       QStringLiteral("Annulla"), {198, 76, 90, 30});
    go->setDefault(true);
    std::optional<qint64> chosen;
    QObject::connect(go, &QPushButton::clicked, &dialog, [&] {
        bool ok = false;
        const qint64 n = number->text().trimmed().toLongLong(&ok);
        if (!ok || n < 1 || n > count) {
            ctx.platform.message(
                &dialog, MsgKind::Warning,
                QStringLiteral("Attenzione: indicare un numero di scheda da 1 a %1.").arg(count));
            number->setFocus();
            number->selectAll();
            return;
        }
        chosen = n;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    number->setFocus();
    ctx.platform.runModal(dialog);
    return chosen;
}

} // namespace platform
