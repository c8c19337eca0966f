#include "cashbook/frm_movimenti.h"

#include "cashbook/frm_exp_movimenti.h"
#include "cashbook/frm_movimenti_fields.h"
#include "cashbook/frm_sospesi_mov.h"
#include "cashbook/frm_stampa_movimento.h"
#include "cashbook/frm_trova_movimenti.h"
#include "cashbook/movement_save.h"
#include "checks/openers.h"
#include "core/dates.h"
#include "core/money.h"
#include "platform/frm_allega_cartella.h"
#include "platform/help.h"
#include "platform/input_rules.h"
#include "platform/shell_open.h"
#include "platform/toolbar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>

namespace cashbook {

namespace {

using Tool = platform::Tool<TfrmMovimenti>;

// Left to right; the record position sits between cmdIndietro and cmdAvanti.
const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Predispone la schermata per l'inserimento di una nuova scheda.",
     &TfrmMovimenti::newSheet},
    {"cmdDuplica", "duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
     &TfrmMovimenti::duplicate},
    {"cmdSalva", "salva", "Salva la scheda corrente in archivio.", &TfrmMovimenti::save},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmMovimenti::find},
    {"cmdFile", "allega", "Allega file alla scheda corrente.", &TfrmMovimenti::attach, 14},
    {"cmdStampa", "stampa", "Stampa la scheda corrente.", &TfrmMovimenti::print},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmMovimenti::first, 14},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmMovimenti::previous},
    {"lblPosizione", nullptr, nullptr, nullptr},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmMovimenti::next},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmMovimenti::last},
    {"cmdEsporta", "excel", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TfrmMovimenti::exportExcel, 14},
    {"cmdScadenze", "orologio",
     "Visualizza il riepilogo dei pagamenti in scadenza o scaduti e non saldati.",
     &TfrmMovimenti::pending},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmMovimenti::help, 14},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

} // namespace

TfrmMovimenti::TfrmMovimenti(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmMovimenti"_qs, u" Quorvix 5.0 - Registrazione movimenti"_qs),
      form_(ctx, this, movementLayout(), kMovementBindings, kMovementDateTargets) {
    panInfo_ = platform::makeStatusLine(panel());
    lblPosizione_ = platform::buildToolbar<TfrmMovimenti>(this, panel(), panInfo_, kToolbar);
    buildFields();
    // The status line gets this window's own hints, the date fields' among them.
    form_.bind(lblPosizione_);
    form_.onShown = [this](qint64) { showType(); };
    form_.snapshot = [this] { return values(); };
    form_.saveChanges = [this] { save(); };
    form_.markUnchanged();
    newSheet();
}

void TfrmMovimenti::openYear(const QString& path, const QString& year) {
    lblFile_->setText(path);
    setWindowTitle(u" Quorvix 5.0 - Registrazione movimenti anno "_qs + year);
}

QString TfrmMovimenti::yearFile() const {
    return lblFile_->text();
}

bool TfrmMovimenti::income() const {
    return optEntrata_->isChecked();
}

void TfrmMovimenti::setIncome(bool income) {
    optEntrata_->setChecked(income);
    optUscita_->setChecked(!income);
    lblImporto_->setText(income ? u"Importo in entrata: \u20ac"_qs
                                : u"Importo in uscita: \u20ac"_qs);
    lblImporto_->setStyleSheet(income ? u"color: black;"_qs : u"color: red;"_qs);
}

void TfrmMovimenti::showType() {
    const QString entrata = form_.text(Entrata);
    if (entrata == kYes || entrata == kNo) return setIncome(entrata == kYes);
    // A damaged record is neither: no option chosen, and a save asks for one.
    QButtonGroup* group = optEntrata_->group();
    group->setExclusive(false);
    optEntrata_->setChecked(false);
    optUscita_->setChecked(false);
    group->setExclusive(true);
    lblImporto_->setText(u"Importo: \u20ac"_qs);
    lblImporto_->setStyleSheet(u"color: black;"_qs);
}

QStringList TfrmMovimenti::values() const {
    QStringList v = form_.values();
    if (!optEntrata_->isChecked() && !optUscita_->isChecked()) {
        v[Entrata] = v[Uscita] = QString();
        return v;
    }
    v[Entrata] = income() ? kYes : kNo;
    v[Uscita] = income() ? kNo : kYes;
    v[Totale] = signedTotal(income(), v[Importo]);
    return v;
}

void TfrmMovimenti::showMovement(const Movement& movement) {
    form_.pick(archive(), movement.number, movement.values);
}

void TfrmMovimenti::newSheet() {
    if (!form_.mayLeave()) return;
    form_.clear();
    form_.setText(Data, core::formatDate(ctx_.platform.today()));
    form_.setText(Preavviso, u"0"_qs);
    form_.setText(Importo, u"0,00"_qs);
    form_.setText(Totale, u"+0,00"_qs);
    setIncome(true);
    panInfo_->setText(u"Pronto per archiviare una nuova scheda..."_qs);
    form_.control("txtCausale")->setFocus();
    form_.markUnchanged();
}

void TfrmMovimenti::normaliseAmount() {
    // A text that is no amount stays as typed: the save refuses it.
    const QString typed = form_.text(Importo);
    if (platform::isAmountText(typed)) form_.setText(Importo, core::normaliseAmount(typed));
}

void TfrmMovimenti::save() {
    normaliseAmount();
    const QDate today = ctx_.platform.today();
    const QStringList v = values();
    if (platform::showProblem(ctx_, this, saveProblem(v, today))) return;
    // A movement dated in another year would never reach a balance: ask first.
    if (const auto question = otherYearQuestion(v[Data], yearOfFile(yearFile()), today))
        if (ctx_.platform.message(this, platform::MsgKind::Question, *question) ==
            platform::Answer::No)
            return;
    const qint64 shown = position();
    for (MovementField f : {Entrata, Uscita, Totale})
        form_.setText(f, v[f]);
    if (!form_.save(archive())) return;
    ctx_.platform.message(this, platform::MsgKind::Information, platform::savedMessage(shown != 0));
}

void TfrmMovimenti::duplicate() {
    form_.accessKind = platform::MsgKind::Warning; // as Duplicate reports it
    form_.duplicate(archive(), kDuplicateResets, "txtCausale", [this] {
        qobject_cast<QCheckBox*>(form_.control("chkSaldato"))->setChecked(false);
        form_.setText(Data, core::formatDate(ctx_.platform.today()));
    });
    form_.accessKind = platform::MsgKind::Error;
}

void TfrmMovimenti::first() {
    form_.navigate(archive(), core::NavCommand::First);
}
void TfrmMovimenti::previous() {
    form_.navigate(archive(), core::NavCommand::Previous);
}
void TfrmMovimenti::next() {
    form_.navigate(archive(), core::NavCommand::Next);
}
void TfrmMovimenti::last() {
    form_.navigate(archive(), core::NavCommand::Last);
}

void TfrmMovimenti::find() {
    TfrmTrovaMovimenti search(ctx_, this, yearFile(), u"movimenti"_qs);
    ctx_.platform.runModal(search);
    if (search.chosen()) showMovement(*search.chosen());
}

void TfrmMovimenti::pending() {
    TfrmSospesiMov list(ctx_, this, yearFile());
    ctx_.platform.runModal(list);
    if (list.chosen()) showMovement(*list.chosen());
}

void TfrmMovimenti::exportExcel() {
    TfrmExpMovimenti w(ctx_, this, yearFile());
    ctx_.platform.runModal(w);
}

void TfrmMovimenti::attach() {
    platform::editAttachments(ctx_, this, u"movimenti"_qs);
}

void TfrmMovimenti::print() {
    TfrmStampaMovimento prompt(ctx_, this, [this] { return values(); });
    ctx_.platform.runModal(prompt);
}

void TfrmMovimenti::importPayer() {
    if (const auto m = members::searchMember(ctx_, this, u"movimenti_pagatore"_qs))
        members::applyMember(this, *m, kPayerTake);
}

void TfrmMovimenti::importBeneficiary() {
    if (const auto m = members::searchMember(ctx_, this, u"movimenti_beneficiario"_qs))
        members::applyMember(this, *m, kBeneficiaryTake);
}

void TfrmMovimenti::checkCodFisc() {
    checks::openCodFiscCheck(ctx_, this, form_.text(CodFisc));
}

void TfrmMovimenti::checkPartitaIva() {
    checks::openPartitaIvaCheck(ctx_, this, form_.text(PartitaIva));
}

void TfrmMovimenti::email() {
    const QString address = form_.text(Email);
    if (address.isEmpty()) {
        platform::showProblem(
            ctx_, this,
            platform::Problem{platform::MsgKind::Warning, emailMissingMessage(), u"txtEmail"_qs});
        return;
    }
    if (!ctx_.platform.shellOpen(u"\"mailto:"_qs + address + u'"'))
        ctx_.platform.message(this, platform::MsgKind::Error, platform::mailRefusedMessage());
}

void TfrmMovimenti::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"cashbook"_qs, u"movimenti"_qs));
}

void TfrmMovimenti::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    // Shown by the year chooser: always a new movement.
    if (!event->spontaneous()) newSheet();
}

} // namespace cashbook
