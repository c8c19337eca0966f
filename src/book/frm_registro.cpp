#include "book/frm_registro.h"

#include "book/frm_registro_fields.h"
#include "book/frm_genera_pagine.h"
#include "book/frm_trova_registro.h"
#include "book/page_checks.h"
#include "checks/openers.h"
#include "members/member_pick.h"
#include "platform/frm_allega_cartella.h"
#include "platform/help.h"
#include "platform/toolbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace book {

namespace {

using Tool = platform::Tool<TfrmRegistro>;

const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.",
     &TfrmRegistro::newPage},
    {"cmdDuplica", "duplica",
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
     &TfrmRegistro::duplicate},
    {"cmdSalva", "salva", "Salva la scheda corrente in archivio.", &TfrmRegistro::save},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmRegistro::find},
    {"cmdFile", "allega", "Allega file alla scheda corrente.", &TfrmRegistro::attach, 14},
    {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa della scheda corrente.",
     &TfrmRegistro::preview, 14},
    {"cmdStampa", "stampa", "Stampa la scheda corrente.", &TfrmRegistro::print},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmRegistro::first, 14},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmRegistro::previous},
    {"lblPosizione", nullptr, nullptr, nullptr},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmRegistro::next},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmRegistro::last},
    {"cmdGenera", "importa", "Genera pagine dall'archivio", &TfrmRegistro::generatePages, 14},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmRegistro::help},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

// The six attachment labels: Duplicate and New empty them.
constexpr int kAttachmentLabels[] = {kFirstAttachment,     kFirstAttachment + 1,
                                     kFirstAttachment + 2, kFirstAttachment + 3,
                                     kFirstAttachment + 4, kFirstAttachment + 5};

} // namespace

TfrmRegistro::TfrmRegistro(platform::Context& ctx)
    : WorkArea(ctx, u"TfrmRegistro"_qs, u" Quorvix 5.0 - Compilazione Libro Soci"_qs),
      form_(ctx, this, pageLayout(), kPageBindings, kPageDateTargets) {
    panInfo_ = platform::makeStatusLine(panel(), u"Pronto per archiviare una nuova scheda..."_qs);
    lblPosizione_ = platform::buildToolbar<TfrmRegistro>(this, panel(), panInfo_, kToolbar);
    lblFile_ = platform::makeLabel(panel(), {}, u"lblFile"_qs);
    lblFile_->hide();
    buildHeading();
    buildRows();
    // The picker hint of the book differs from the member window's: set with the others.
    form_.bind(lblPosizione_);
    form_.saveChanges = [this] { save(); };
    unpaintRowFrames();
}

QString TfrmRegistro::registerPath() const {
    return lblFile_->text();
}

void TfrmRegistro::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    // Each show follows a hand-over from the register list.
    if (!event->spontaneous()) openLastPage();
}

void TfrmRegistro::openLastPage() {
    const core::Archive pages = archive();
    const std::optional<qint64> count = pages.count();
    if (count && *count > 0)
        if (const std::optional<PageValues> last = pages.read(*count)) {
            form_.show(*count, *last);
            form_.control("txtOrdine_A")->setFocus();
            return;
        }
    newPage(); // no pages, or a failure: silently a new page
}

void TfrmRegistro::newPage() {
    if (!form_.mayLeave()) return;
    // The heading stays, also across registers.
    PageValues heading;
    for (int f = 0; f < HeadingFieldCount; ++f)
        heading << form_.text(f);
    form_.clear();
    for (int f = 0; f < HeadingFieldCount; ++f)
        form_.setText(f, heading[f]);
    form_.control("txtOrdine_A")->setFocus();
    form_.markUnchanged();
}

void TfrmRegistro::duplicate() {
    form_.duplicate(archive(), kAttachmentLabels, "txtOrdine_A");
}

void TfrmRegistro::save() {
    if (platform::showProblem(ctx_, this, pageSaveProblem(form_.values()))) return;
    const bool overwrite = position() != 0;
    form_.accessKind = platform::MsgKind::Plain; // a failed save shows a plain message box
    const std::optional<qint64> saved = form_.save(archive());
    form_.accessKind = platform::MsgKind::Error;
    if (saved)
        ctx_.platform.message(this, platform::MsgKind::Information,
                              platform::savedMessage(overwrite));
}

void TfrmRegistro::find() {
    TfrmTrovaRegistro dialog(ctx_, this, registerPath());
    if (ctx_.platform.runModal(dialog) == QDialog::Accepted)
        if (const std::optional<PickedPage> page = dialog.picked())
            form_.pick(archive(), page->number, page->values);
}

void TfrmRegistro::attach() {
    platform::editAttachments(ctx_, this, u"registro"_qs);
}

void TfrmRegistro::first() {
    form_.navigate(archive(), core::NavCommand::First);
}
void TfrmRegistro::previous() {
    form_.navigate(archive(), core::NavCommand::Previous);
}
void TfrmRegistro::next() {
    form_.navigate(archive(), core::NavCommand::Next);
}
void TfrmRegistro::last() {
    form_.navigate(archive(), core::NavCommand::Last);
}

void TfrmRegistro::generatePages() {
    if (!form_.mayLeave()) return;
    PageValues heading;
    for (int f = 0; f < HeadingFieldCount; ++f)
        heading << form_.text(f);
    TfrmGeneraPagine dialog(ctx_, this, registerPath(), heading);
    ctx_.platform.runModal(dialog);
    // The new pages are the register's last: show the last one.
    if (dialog.pagesWritten() > 0) openLastPage();
}

void TfrmRegistro::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"book"_qs, u"compila"_qs));
}

void TfrmRegistro::checkCodFisc() {
    checks::openCodFiscCheck(ctx_, this, form_.text(CodFisc));
}

void TfrmRegistro::importMember(int row) {
    const QString mode = u"socio_"_qs + rowLetter(row).toLower();
    const std::optional<members::Member> member = members::pickBookMember(ctx_, this, mode);
    if (!member) return;
    // Through the form, so a value longer than its field is shown whole (the save refuses it)
    // rather than cut by the field's typing limit.
    const QString suffix = rowSuffix(row);
    for (const members::MemberTake& take : kRowMemberTakes) {
        const int field = pageLayout().indexOf(QLatin1String(take.control).mid(3) + suffix);
        form_.setText(field, (*member)[take.field]);
    }
    form_.setText(rowField(row, Indirizzo), members::bookAddress(*member));
}

} // namespace book
