// The record panel of the deadline window: its controls, New, Save, Duplicate, navigation, the
// payer import and the code check, on the record-form kit.
#include "deadlines/frm_scadenzario.h"

#include "checks/openers.h"
#include "core/money.h"
#include "deadlines/deadline_rules.h"
#include "deadlines/scadenzario_fields.h"
#include "members/member_pick.h"
#include "platform/form_layout.h"
#include "platform/input_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace deadlines {

using platform::MsgKind;

namespace {

using Tool = platform::Tool<TfrmScadenzario>;

const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
     &TfrmScadenzario::newSheet},
    {"cmdDuplica", "duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
     &TfrmScadenzario::duplicate},
    {"cmdSalva", "salva", "Salva la scheda corrente in archivio.", &TfrmScadenzario::save},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmScadenzario::find},
    {"cmdImporta", "anteprima", "Visualizza l'anteprima di stampa.", &TfrmScadenzario::preview, 12},
    {"cmdStampa", "stampa", "Stampa la scheda corrente.", &TfrmScadenzario::print},
    {"cmdEsporta", "excel", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TfrmScadenzario::exportExcel},
    {"cmdDaConfermare", "scad_daconfermare",
     "Visualizza l'elenco degli appuntamenti in attesa di conferma.", &TfrmScadenzario::toConfirm,
     12},
    {"cmdDaEffettuare", "scad_daeffettuare",
     "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non.",
     &TfrmScadenzario::toPay},
    {"cmdEffettuate", "scad_effettuate",
     "Visualizza il riepilogo storico dei pagamenti effettuati.", &TfrmScadenzario::paid},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmScadenzario::first, 12},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmScadenzario::previous},
    {"lblPosizione", nullptr, nullptr, nullptr},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmScadenzario::next},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmScadenzario::last},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmScadenzario::help},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

enum Section { Scadenza, Appuntamento, Preavviso, Pagatore_, Pagamento, NoteSection, SectionCount };

const platform::Section kSections[] = {
    {"grpScadenza", " Data scadenza: ", {8, 70, 330, 82}},
    {"grpAppuntamento", " Ora appuntamento: ", {346, 70, 180, 82}},
    {"grpPreavviso", " Preavviso ", {534, 70, 453, 82}},
    {"grpPagatore", " Pagatore ", {8, 158, 979, 134}},
    {"grpPagamento", " Pagamento ", {8, 298, 979, 238}},
    {"grpNote", "", {8, 546, 979, 108}},
};

enum class Kind { Days, Months, Hours, Minutes, Edit };

// Caption above the control; x, y, width inside the section.
struct FieldPlace {
    const char* control;
    const char* label;
    Section section;
    Kind kind;
    int x, y, w;
};
constexpr int kRow1 = 22, kRow2 = 74, kRow3 = 126, kRow4 = 178;
const FieldPlace kPlaces[] = {
    {"txtGiorno", "Giorno:", Scadenza, Kind::Days, 12, kRow1, 64},
    {"txtMese", "Mese:", Scadenza, Kind::Months, 88, kRow1, 140},
    {"txtOreApp", "Ore:", Appuntamento, Kind::Hours, 12, kRow1, 64},
    {"txtMinutiApp", "Minuti:", Appuntamento, Kind::Minutes, 92, kRow1, 64},
    {"txtPagatore", "Pagatore:", Pagatore_, Kind::Edit, 12, kRow1, 330},
    {"txtCodFisc", "Codice fiscale:", Pagatore_, Kind::Edit, 390, kRow1, 180},
    {"txtNumTessera", "Tessera n.", Pagatore_, Kind::Edit, 618, kRow1, 150},
    {"txtCarica", "Carica ricoperta:", Pagatore_, Kind::Edit, 782, kRow1, 185},
    {"txtTelCel", "Tel. cellulare:", Pagatore_, Kind::Edit, 12, kRow2, 230},
    {"txtRecapito", "Recapito preferenziale:", Pagatore_, Kind::Edit, 256, kRow2, 330},
    {"txtAnticipi", "Anticipo:", Pagamento, Kind::Edit, 12, kRow1, 460},
    {"txtComplessivo", "Importo complessivo dovuto:", Pagamento, Kind::Edit, 486, kRow1, 481},
    {"txtRateazione", "Rateazione:", Pagamento, Kind::Edit, 12, kRow2, 460},
    {"txtBeneficiario", "Beneficiario:", Pagamento, Kind::Edit, 486, kRow2, 481},
    {"txtDettagli", "Causale scadenza:", Pagamento, Kind::Edit, 12, kRow3, 955},
    {"txtOfficina", "Modalit\u00e0 di pagamento:", Pagamento, Kind::Edit, 12, kRow4, 460},
    {"txtCosto", "Importo in euro:", Pagamento, Kind::Edit, 486, kRow4, 180},
    {"txtContatto", "Estremi ricevuta:", Pagamento, Kind::Edit, 680, kRow4, 287},
    {"txtNote", "Note:", NoteSection, Kind::Edit, 12, 10, 955},
};
constexpr int kLabelHeight = 17, kFieldHeight = 26;

// The picture buttons beside the payer and the fiscal code.
const platform::SideButton<TfrmScadenzario> kSideButtons[] = {
    {"impPag", "importa", "Importa i dati del Pagatore dall'archivio anagrafico dei Soci.",
     Pagatore_, 346, kRow1 + kLabelHeight - 2, &TfrmScadenzario::importPayer},
    {"btnCodFisc", "codfisc", "Controlla il codice fiscale.", Pagatore_, 574,
     kRow1 + kLabelHeight - 2, &TfrmScadenzario::checkCodFisc},
};

QStringList numbers(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return out;
}

QLabel* hiddenLabel(QWidget* parent, const char* name) {
    auto* l = platform::makeLabel(parent, {}, QLatin1String(name));
    l->hide();
    return l;
}

} // namespace

void TfrmScadenzario::buildRecordPanel() {
    panContainer_ = new QWidget(panel());
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    panContainer_->setGeometry(panel()->rect());
    panInfo_ = platform::makeStatusLine(
        panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    lblPosizione_ =
        platform::buildToolbar<TfrmScadenzario>(this, panContainer_, panInfo_, kToolbar);
    buildRecordFields();
    form_.bind(lblPosizione_, panInfo_);
    // The date and time labels follow the other fields: no change of their own.
    form_.snapshot = [this] {
        QStringList v = form_.values();
        v[Data] = v[Ora] = QString();
        return v;
    };
    form_.saveChanges = [this] { save(); };
    form_.markUnchanged();
    platform::setStatusHints(this, panInfo_, kDeadlineHints);
}

void TfrmScadenzario::buildRecordFields() {
    const std::vector<QGroupBox*> sections = platform::makeSections(panContainer_, kSections);
    for (const FieldPlace& p : kPlaces) {
        QWidget* parent = sections[p.section];
        const QString name = QLatin1String(p.control);
        QWidget* field = nullptr;
        if (p.kind == Kind::Edit) {
            field = new QLineEdit(parent);
        } else {
            auto* combo = new QComboBox(parent);
            switch (p.kind) {
            case Kind::Days:
                combo->addItems(numbers(1, 31));
                break;
            case Kind::Months:
                combo->addItems(monthNames());
                break;
            case Kind::Hours:
                combo->addItems(numbers(0, 23));
                break;
            default:
                combo->addItems(numbers(0, 59));
                break;
            }
            combo->setMaxVisibleItems(12);
            field = combo;
        }
        field->setObjectName(name);
        field->setGeometry(p.x, p.y + kLabelHeight + 1, p.w, kFieldHeight);
        auto* caption = platform::makeLabel(parent, QString::fromUtf8(p.label));
        caption->setGeometry(p.x, p.y, p.w + 40, kLabelHeight);
    }

    // The year beside the month, the notice days inside their sentence.
    lblAnno_ = platform::makeLabel(sections[Scadenza], {}, QStringLiteral("lblAnno"));
    QFont bold = lblAnno_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblAnno_->setFont(bold);
    lblAnno_->setGeometry(244, kRow1 + kLabelHeight + 1, 70, kFieldHeight);
    auto* before = platform::makeLabel(sections[Preavviso], QStringLiteral("Avvisa n."));
    before->setGeometry(12, kRow1 + kLabelHeight + 1, 70, kFieldHeight);
    auto* avviso = platform::makeEdit(sections[Preavviso], QStringLiteral("txtAvviso"), 3);
    avviso->setGeometry(84, kRow1 + kLabelHeight + 1, 50, kFieldHeight);
    avviso->setAlignment(Qt::AlignCenter);
    auto* after =
        platform::makeLabel(sections[Preavviso], QStringLiteral("giorni prima della scadenza."));
    after->setGeometry(144, kRow1 + kLabelHeight + 1, 280, kFieldHeight);

    platform::buildSideButtons<TfrmScadenzario>(this, sections, panInfo_, kSideButtons, 24, 34);

    auto* daConfermare =
        new QCheckBox(QStringLiteral("Appuntamento da confermare"), sections[NoteSection]);
    daConfermare->setObjectName(QStringLiteral("chkDaConfermare"));
    daConfermare->setGeometry(12, 70, 300, 24);
    auto* effettuata = new QCheckBox(QStringLiteral("Pagamento effettuato"), sections[NoteSection]);
    effettuata->setObjectName(QStringLiteral("chkEffettuata"));
    effettuata->setGeometry(330, 70, 300, 24);

    lblData_ = hiddenLabel(panContainer_, "lblData");
    lblOra_ = hiddenLabel(panContainer_, "lblOra");

    txtCosto_ = findChild<QLineEdit*>(QStringLiteral("txtCosto"));
    platform::onLeave(txtCosto_, [this] { normaliseCosto(); });
    txtCosto_->setAlignment(Qt::AlignRight);
}

core::Archive TfrmScadenzario::archive() const {
    return core::Archive(ctx_.folder, yearFileName(openedYear_), deadlineLayout());
}

QStringList TfrmScadenzario::values() const {
    return form_.values();
}

qint64 TfrmScadenzario::position() const {
    return form_.position();
}

bool TfrmScadenzario::loadRecord(qint64 number) {
    return form_.load(archive(), number);
}

void TfrmScadenzario::newSheet() {
    if (!form_.mayLeave()) return;
    form_.clear();
    // The opened year, whatever the year of the record shown before.
    lblAnno_->setText(openedYear_);
    form_.setText(Ore, QStringLiteral("00"));
    form_.setText(Minuti, QStringLiteral("00"));
    form_.setText(Costo, QStringLiteral("0,00"));
    form_.control("txtGiorno")->setFocus();
    form_.markUnchanged();
}

void TfrmScadenzario::normaliseCosto() {
    // A text that is no amount stays as typed: the save refuses it.
    if (!platform::isAmountText(txtCosto_->text())) return;
    const QString amount = core::normaliseAmount(txtCosto_->text(), kCostoPlaces);
    // The limit holds back typing only: a longer result is shown whole, and Save refuses it
    // rather than storing it cut.
    txtCosto_->setMaxLength(std::max<int>(kDeadlineFields[Costo].capacity, int(amount.size())));
    if (amount != txtCosto_->text()) txtCosto_->setText(amount);
}

void TfrmScadenzario::save() {
    // The amount is stored as normalised even when the field never lost the focus.
    normaliseCosto();
    const SaveVerdict verdict = checkSave(form_.values(), ctx_.platform.today());
    if (!verdict.ora.isEmpty()) lblOra_->setText(verdict.ora);
    if (!verdict.data.isEmpty()) lblData_->setText(verdict.data);
    if (platform::showProblem(ctx_, this, verdict.problem)) return;
    const bool overwrite = position() != 0;
    if (!form_.save(archive())) return;
    ctx_.platform.message(
        this, MsgKind::Information,
        overwrite ? platform::savedMessage(true)
                  : QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio."));
}

void TfrmScadenzario::duplicate() {
    static constexpr int kDateFields[] = {Giorno, Mese};
    form_.duplicate(archive(), kDateFields, "txtGiorno", [this] {
        form_.setText(Ore, QStringLiteral("00"));
        form_.setText(Minuti, QStringLiteral("00"));
    });
}

void TfrmScadenzario::first() {
    form_.navigate(archive(), core::NavCommand::First);
}
void TfrmScadenzario::previous() {
    form_.navigate(archive(), core::NavCommand::Previous);
}
void TfrmScadenzario::next() {
    form_.navigate(archive(), core::NavCommand::Next);
}
void TfrmScadenzario::last() {
    form_.navigate(archive(), core::NavCommand::Last);
}

void TfrmScadenzario::importPayer() {
    if (const auto member = members::searchMember(ctx_, this, QStringLiteral("scadenzario")))
        members::applyMember(this, *member, kPayerTakes);
}

void TfrmScadenzario::checkCodFisc() {
    checks::openCodFiscCheck(ctx_, this, form_.text(CodFisc));
}

} // namespace deadlines
