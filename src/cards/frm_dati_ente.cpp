#include "cards/frm_dati_ente.h"

#include "core/text.h"
#include "platform/buttons.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cards {

TfrmDatiEnte::TfrmDatiEnte(platform::Context& ctx, QWidget* parent, const QString& mode,
                           const OrganisationTexts& texts)
    : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmDatiEnte"),
                          QStringLiteral(" Dati Ente o Associazione"), {520, 250});
    platform::makeLabel(
        this,
        QStringLiteral("Inserire i dati e fare clic su Applica e chiudi per salvare le modifiche."),
        QStringLiteral("lblIstruzioni"))
        ->setGeometry(20, 14, 480, 20);
    lblMemory_ = platform::makeLabel(this, mode, QStringLiteral("lblMemory"));
    lblMemory_->hide();

    struct Row {
        QLineEdit** field;
        const char* name;
        const char* caption;
        const QString* value;
    };
    const Row rows[] = {
        {&txtAssociazione_, "txtAssociazione", "Denominazione:", &texts.name},
        {&txtSottotitolo01_, "txtSottotitolo01", "Sottotitolo 1:", &texts.subtitle1},
        {&txtSottotitolo02_, "txtSottotitolo02", "Sottotitolo 2:", &texts.subtitle2},
        {&txtAnnotazioni_, "txtAnnotazioni", "Annotazioni:", &texts.notes},
    };
    int y = 48;
    for (const Row& r : rows) {
        platform::makeLabel(this, QString::fromUtf8(r.caption))->setGeometry(20, y + 3, 110, 20);
        *r.field = platform::makeEdit(this, QLatin1String(r.name), 0);
        (*r.field)->setGeometry(134, y, 366, 26);
        (*r.field)->setText(core::trimText(*r.value));
        platform::addHighlight(*r.field);
        y += 38;
    }
    platform::chainEnter({txtAssociazione_, txtSottotitolo01_, txtSottotitolo02_, txtAnnotazioni_},
                         true);

    auto* annulla = platform::dialogButton(this, QStringLiteral("btnAnnulla"),
                                           QStringLiteral("Annulla"), {250, 205, 110, 30});
    auto* applica = platform::dialogButton(this, QStringLiteral("btnApplica"),
                                           QStringLiteral("Applica e chiudi"), {370, 205, 130, 30});
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(applica, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmDatiEnte::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtAssociazione_->setFocus();
}

QString TfrmDatiEnte::mode() const {
    return lblMemory_->text();
}

void TfrmDatiEnte::accept() {
    const std::pair<QLineEdit*, const char*> fields[] = {
        {txtAssociazione_, "Denominazione"},
        {txtSottotitolo01_, "Sottotitolo 1"},
        {txtSottotitolo02_, "Sottotitolo 2"},
        {txtAnnotazioni_, "Annotazioni"},
    };
    for (const auto& [field, name] : fields)
        if (platform::showProblem(ctx_, this,
                                  platform::storableProblem(field->text(), 0, QLatin1String(name),
                                                            field->objectName())))
            return;
    QDialog::accept();
}

OrganisationTexts TfrmDatiEnte::texts() const {
    return {core::trimText(txtAssociazione_->text()), core::trimText(txtSottotitolo01_->text()),
            core::trimText(txtSottotitolo02_->text()), core::trimText(txtAnnotazioni_->text())};
}

} // namespace cards
