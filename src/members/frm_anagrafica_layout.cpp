// The member window's sections and fields: where each control sits, its limits and input
// rules, the highlight frames, the Enter chain and the status texts.
#include "members/frm_anagrafica.h"

#include "members/frm_anagrafica_fields.h"
#include "platform/attachments.h"
#include "platform/form_layout.h"
#include "platform/input_rules.h"
#include "platform/toolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace members {

namespace {

enum Section { Card, Personal, Contacts, Payment, Notes, SectionCount };

const platform::Section kSections[] = {
    {"grpTessera", "Dati tessera", {196, 68, 388, 282}},
    {"grpAnagrafica", "Dati anagrafici", {592, 68, 395, 282}},
    {"grpRecapiti", "Recapiti", {8, 358, 979, 120}},
    {"grpPagamento", "Dati fiscali e di pagamento", {8, 486, 979, 120}},
    {"grpNote", "Note", {8, 612, 979, 42}},
};

// Label above the field; x, y, width inside the section.
struct FieldPlace {
    const char* control;
    const char* label;
    Section section;
    int x, y, w;
};
constexpr int kRow1 = 22, kRow2 = 74, kRow3 = 126, kRow4 = 178;
const FieldPlace kPlaces[] = {
    {"txtTesserato", "Cognome e nome Socio:", Card, 12, kRow1, 364},
    {"txtCarica", "Carica ricoperta:", Card, 12, kRow2, 364},
    {"txtNumTessera", "Tessera n.", Card, 12, kRow3, 180},
    {"txtTitoli", "Quota sociale:", Card, 222, kRow3, 154},
    {"txtDataRil", "Data rilascio:", Card, 12, kRow4, 110},
    {"txtDataScade", "Data scadenza:", Card, 136, kRow4, 110},
    {"txtPreavviso", "Giorni di preavviso:", Card, 260, kRow4, 116},

    {"txtDataNasc", "Data di nascita:", Personal, 12, kRow1, 110},
    {"txtSesso", "Sesso:", Personal, 136, kRow1, 44},
    {"txtComuneNasc", "Comune di nascita:", Personal, 12, kRow2, 290},
    {"txtProvNasc", "Prov.", Personal, 314, kRow2, 68},
    {"txtComuneRes", "Comune di residenza:", Personal, 12, kRow3, 290},
    {"txtProvRes", "Prov.", Personal, 314, kRow3, 68},
    {"txtIndirizzoRes", "Via e numero civico:", Personal, 12, kRow4, 290},
    {"txtCapRes", "CAP:", Personal, 314, kRow4, 68},

    {"txtTelCasa", "Tel. casa:", Contacts, 12, kRow1, 200},
    {"txtTelUff", "Tel. ufficio:", Contacts, 226, kRow1, 200},
    {"txtTelCel", "Tel. cellulare:", Contacts, 440, kRow1, 200},
    {"txtRecapito", "Recapito preferenziale:", Contacts, 654, kRow1, 313},
    {"txtFax", "Fax:", Contacts, 12, kRow2, 200},
    {"txtEmail", "E-mail:", Contacts, 226, kRow2, 414},

    {"txtCodFisc", "Codice fiscale:", Payment, 12, kRow1, 200},
    {"txtCarta", "Carta di credito n.", Payment, 262, kRow1, 250},
    {"txtScadeCarta", "Scadenza:", Payment, 562, kRow1, 120},
    {"txtPartitaIva", "Partita IVA:", Payment, 712, kRow1, 218},
    {"txtIban", "IBAN:", Payment, 12, kRow2, 450},
    {"txtIntestatario", "Intestatario C/C:", Payment, 512, kRow2, 455},

    {"txtNote", nullptr, Notes, 12, 14, 955},
};

// The check and e-mail commands beside their fields.
const platform::SideButton<TfrmAnagrafica> kSideButtons[] = {
    {"cmdCodFisc", "codfisc", "Controlla il codice fiscale.", Payment, 216, kRow1 + 14,
     &TfrmAnagrafica::checkCodFisc},
    {"cmdCarta", "carta", "Controlla il numero di carta di credito.", Payment, 516, kRow1 + 14,
     &TfrmAnagrafica::checkCarta},
    {"cmdPartitaIva", "partitaiva", "Controlla il numero di partita IVA.", Payment, 934, kRow1 + 14,
     &TfrmAnagrafica::checkPartitaIva},
    {"cmdIban", "iban", "Controlla l'IBAN.", Payment, 466, kRow2 + 14, &TfrmAnagrafica::checkIban},
    {"cmdEmail", "email", "Invia una e-mail all'indirizzo indicato.", Contacts, 644, kRow2 + 14,
     &TfrmAnagrafica::email},
};

constexpr int kLabelHeight = 17, kFieldHeight = 26;

} // namespace

void TfrmAnagrafica::buildFields() {
    const std::vector<QGroupBox*> sections = platform::makeSections(panel(), kSections);
    if (kSections[Notes].rect.height() < 60) // the notes section is a single line: title beside
        sections[Notes]->setTitle(QString());

    for (const FieldPlace& p : kPlaces) {
        QWidget* parent = sections[p.section];
        const QString name = QLatin1String(p.control);
        QWidget* field = nullptr;
        if (name == QLatin1String("txtProvNasc") || name == QLatin1String("txtProvRes"))
            field = platform::makeProvinceCombo(parent, name);
        else
            field = new QLineEdit(parent);
        field->setObjectName(name);
        if (p.label) {
            auto* label = platform::makeLabel(parent, QString::fromUtf8(p.label));
            label->setGeometry(p.x, p.y, p.w, kLabelHeight);
            label->setBuddy(field);
            field->setGeometry(p.x, p.y + kLabelHeight, p.w, kFieldHeight);
        } else {
            auto* label = platform::makeLabel(parent, QStringLiteral("Note:"));
            label->setGeometry(p.x, p.y, 40, kFieldHeight);
            field->setGeometry(p.x + 44, p.y, p.w - 44, kFieldHeight);
        }
    }

    platform::buildSideButtons<TfrmAnagrafica>(this, sections, panInfo_, kSideButtons, 22, 30);

    // Renewal notice by e-mail, beside the address.
    auto* renewal = new QPushButton(QIcon(QStringLiteral(":/art/scadute.svg")),
                                    QStringLiteral("Invia avviso scadenza"), sections[Contacts]);
    renewal->setObjectName(QStringLiteral("btnEmail"));
    renewal->setFocusPolicy(Qt::NoFocus);
    renewal->setGeometry(680, kRow2 + 15, 180, 28);
    platform::setStatusHint(renewal, panInfo_, QStringLiteral("Invia e-mail con avviso scadenza."));
    connect(renewal, &QPushButton::clicked, this, &TfrmAnagrafica::renewalEmail);

    // Fee with its euro sign.
    auto* euro = new QLabel(sections[Card]);
    euro->setObjectName(QStringLiteral("imgEuro"));
    euro->setPixmap(QIcon(QStringLiteral(":/art/euro.svg")).pixmap(20, 20));
    euro->setGeometry(198, kRow3 + kLabelHeight + 3, 20, 20);

    chkAnnullata_ = new QCheckBox(QStringLiteral("Tessera annullata"), sections[Card]);
    chkAnnullata_->setObjectName(QStringLiteral("chkAnnullata"));
    chkAnnullata_->setGeometry(40, 238, 200, 24);
    auto* cancelIcon = new QLabel(sections[Card]);
    cancelIcon->setObjectName(QStringLiteral("imgAnnullata"));
    cancelIcon->setPixmap(QIcon(QStringLiteral(":/art/cancella.svg")).pixmap(22, 22));
    cancelIcon->setGeometry(12, 239, 22, 22);
    platform::setStatusHint(
        chkAnnullata_, panInfo_,
        QStringLiteral(
            "Contrassegna la tessera come annullata per escluderla dai risultati di ricerca."));

    platform::addAttachmentLabels(this);
}

} // namespace members
