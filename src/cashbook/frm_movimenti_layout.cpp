// The movement window's sections and fields: where each control sits, the side buttons beside
// their fields and the status texts.
#include "cashbook/frm_movimenti.h"
#include "cashbook/frm_movimenti_fields.h"
#include "platform/attachments.h"
#include "platform/form_layout.h"
#include "platform/input_rules.h"
#include "platform/toolbar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace cashbook {

namespace {

enum Section { MovementPart, PayerPart, BeneficiaryPart, NotesPart, SectionCount };

const platform::Section kSections[] = {
    {"grpMovimento", "Movimento", {8, 68, 979, 168}},
    {"grpPagatore", "Pagatore", {8, 242, 979, 138}},
    {"grpBeneficiario", "Beneficiario e pagamento", {8, 386, 979, 104}},
    {"grpNote", "Note", {8, 496, 979, 72}},
};

// The label at x, the field after it; y and widths inside the section.
struct FieldPlace {
    const char* control;
    const char* label;
    Section section;
    int x, y, labelWidth, fieldWidth;
};
constexpr int kRow1 = 26, kRow2 = 60, kRow3 = 94, kRow4 = 128;
const FieldPlace kPlaces[] = {
    {"txtData", "Data operazione:", MovementPart, 340, kRow1, 116, 100},
    {"txtCausale", "Causale:", MovementPart, 12, kRow2, 116, 836},
    {"txtPromemoria", "Promemoria:", MovementPart, 12, kRow3, 116, 836},
    {"txtDataSca", "Data scadenza:", MovementPart, 12, kRow4, 116, 100},
    {"txtPreavviso", "Avvisa n.", MovementPart, 290, kRow4, 62, 44},
    {"txtImporto", nullptr, MovementPart, 700, kRow4, 150, 120},

    {"txtPagatore", "Pagatore:", PayerPart, 12, kRow1, 116, 340},
    {"txtRecapitoPag", "Recapito:", PayerPart, 520, kRow1, 76, 370},
    {"txtCodFisc", "Codice fiscale:", PayerPart, 12, kRow2, 116, 180},
    {"txtPartitaIva", "Partita IVA:", PayerPart, 360, kRow2, 84, 120},
    {"txtCategoria", "Tessera n.", PayerPart, 650, kRow2, 76, 240},
    {"txtEmail", "E-mail:", PayerPart, 12, kRow3, 116, 300},
    {"txtPagamento", "Modalit\u00e0 pagamento:", PayerPart, 470, kRow3, 146, 350},

    {"txtBeneficiario", "Beneficiario:", BeneficiaryPart, 12, kRow1, 116, 340},
    {"txtRecapitoBen", "Recapito:", BeneficiaryPart, 520, kRow1, 76, 370},
    {"txtRicevuta", "CRO / Ricevuta n.", BeneficiaryPart, 12, kRow2, 116, 320},
    {"txtTariffa", "Tariffa applicata:", BeneficiaryPart, 470, kRow2, 146, 350},

    {"txtNote", "Note:", NotesPart, 12, kRow1, 116, 836},
};

// The commands beside their fields: x and y inside the section, a pixel above the field.
const platform::SideButton<TfrmMovimenti> kSideButtons[] = {
    {"impData", "cancella", "Cancella la data.", MovementPart, 574, kRow1 - 1, nullptr},
    {"impDataSca", "cancella", "Cancella la data.", MovementPart, 246, kRow4 - 1, nullptr},
    {"impPagatore", "importa", "Importa i dati dall'archivio anagrafico dei soci.", PayerPart, 474,
     kRow1 - 1, &TfrmMovimenti::importPayer},
    {"chkCodFisc", "codfisc", "Controlla il codice fiscale.", PayerPart, 314, kRow2 - 1,
     &TfrmMovimenti::checkCodFisc},
    {"chkIva", "partitaiva", "Controlla il numero di partita IVA.", PayerPart, 570, kRow2 - 1,
     &TfrmMovimenti::checkPartitaIva},
    {"sndEmail", "email", "Invia una e-mail all'indirizzo indicato.", PayerPart, 434, kRow3 - 1,
     &TfrmMovimenti::email},
    {"impBeneficiario", "importa", "Importa i dati dall'archivio anagrafico dei soci.",
     BeneficiaryPart, 474, kRow1 - 1, &TfrmMovimenti::importBeneficiary},
};

constexpr int kFieldHeight = 26;

} // namespace

void TfrmMovimenti::buildFields() {
    const std::vector<QGroupBox*> sections = platform::makeSections(panel(), kSections);

    for (const FieldPlace& p : kPlaces) {
        QWidget* parent = sections[p.section];
        auto* field = new QLineEdit(parent);
        field->setObjectName(QLatin1String(p.control));
        const int x = p.x + p.labelWidth;
        field->setGeometry(x, p.y, p.fieldWidth, kFieldHeight);
        QLabel* label = p.label ? platform::makeLabel(parent, QString::fromUtf8(p.label))
                                : platform::makeLabel(parent, {}, u"lblImporto"_qs);
        label->setGeometry(p.x, p.y, p.labelWidth - 6, kFieldHeight);
        label->setBuddy(field);
        if (!p.label) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            lblImporto_ = label;
        }
    }
    platform::makeLabel(sections[MovementPart], u"giorni prima della scadenza."_qs)
        ->setGeometry(402, kRow4, 200, kFieldHeight);
    auto* txtImporto = sections[MovementPart]->findChild<QLineEdit*>(u"txtImporto"_qs);
    txtImporto->setAlignment(Qt::AlignRight);
    platform::onLeave(txtImporto, [this] { normaliseAmount(); });

    platform::makeLabel(sections[MovementPart], u"Tipo movimento:"_qs)
        ->setGeometry(12, kRow1, 110, kFieldHeight);
    optEntrata_ = platform::makeOption(sections[MovementPart], u"optEntrata"_qs, u"Entrata"_qs,
                                       {128, kRow1, 90, kFieldHeight});
    optUscita_ = platform::makeOption(sections[MovementPart], u"optUscita"_qs, u"Uscita"_qs,
                                      {222, kRow1, 90, kFieldHeight});
    auto* type = new QButtonGroup(this);
    type->addButton(optEntrata_);
    type->addButton(optUscita_);
    connect(optEntrata_, &QRadioButton::clicked, this, [this] { setIncome(true); });
    connect(optUscita_, &QRadioButton::clicked, this, [this] { setIncome(false); });

    auto* chkSaldato = new QCheckBox(u"Saldato"_qs, sections[MovementPart]);
    chkSaldato->setObjectName(u"chkSaldato"_qs);
    chkSaldato->setGeometry(852, kRow1, 110, kFieldHeight);
    QFont bold = chkSaldato->font();
    bold.setBold(true);
    chkSaldato->setFont(bold);

    platform::buildSideButtons<TfrmMovimenti>(this, sections, panInfo_, kSideButtons, 20, 28);
    connect(findChild<QToolButton*>(u"impData"_qs), &QToolButton::clicked, this,
            [this] { form_.setText(Data, {}); });
    connect(findChild<QToolButton*>(u"impDataSca"_qs), &QToolButton::clicked, this,
            [this] { form_.setText(DataSca, {}); });
    platform::setStatusHints(this, panInfo_, kMovementHints);

    // Hidden: the year file, the signed total of the movement shown, the attachments.
    lblFile_ = platform::makeLabel(panel(), {}, u"lblFile"_qs);
    lblFile_->hide();
    platform::makeLabel(panel(), {}, u"txtTotale"_qs)->hide();
    platform::addAttachmentLabels(panel());
}

} // namespace cashbook
