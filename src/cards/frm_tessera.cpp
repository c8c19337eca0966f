#include "cards/frm_tessera.h"

#include "cards/frm_dati_ente.h"
#include "cards/frm_stampa_tessera.h"
#include "core/navigation.h"
#include "core/record_file.h"
#include "core/text.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "platform/help.h"

#include <QLabel>
#include <QShowEvent>
#include <QToolButton>

namespace cards {

using platform::MsgKind;

namespace {

const QString kReady = QStringLiteral("Pronto per stampare una nuova tessera...");
const QString kOrganisationHint =
    QStringLiteral("Fare clic per inserire i dati del proprio Ente o Associazione.");
constexpr double kScreenPxPerMm = 7;

struct Command {
    const char* name;
    const char* art;
    const char* hint;
    void (TfrmTessera::*slot)();
    int x;
};

} // namespace

TfrmTessera::TfrmTessera(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmTessera"),
               QStringLiteral(" Quorvix 5.0 - Stampa tessera singola")) {
    panInfo_ = platform::makeLabel(panel(), kReady, QStringLiteral("panInfo"));
    panInfo_->setGeometry(8, 660, 979, 24);
    panInfo_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    buildToolbar();
    buildCard();
}

void TfrmTessera::buildToolbar() {
    const Command commands[] = {
        {"cmdNuovo", "nuovo", "Predispone la schermata per la visualizzazione di una nuova scheda.",
         &TfrmTessera::blankCard, 8},
        {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmTessera::find, 60},
        {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa del tesserino corrente.",
         &TfrmTessera::preview, 112},
        {"cmdStampa", "stampa", "Stampa il tesserino corrente.", &TfrmTessera::print, 164},
        {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmTessera::first, 330},
        {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
         &TfrmTessera::previous, 382},
        {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmTessera::next,
         534},
        {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmTessera::last, 586},
        {"imgGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
         &TfrmTessera::help, 883},
        {"imgEsci", "esci", "Esci da questa schermata di lavoro.", nullptr, 935},
    };
    for (const Command& c : commands) {
        const QString hint = QString::fromUtf8(c.hint);
        auto* b =
            platform::pictureButton(panel(), QLatin1String(c.name),
                                    QStringLiteral(":/art/%1.svg").arg(QLatin1String(c.art)), hint);
        b->setGeometry(c.x, 8, 48, 48);
        platform::setStatusHint(b, panInfo_, hint);
        if (c.slot)
            connect(b, &QToolButton::clicked, this, c.slot);
        else
            connect(b, &QToolButton::clicked, this, &QWidget::close);
    }
    lblPosizione_ = platform::makeLabel(panel(), {}, QStringLiteral("lblPosizione"));
    lblPosizione_->setGeometry(434, 18, 96, 28);
    lblPosizione_->setAlignment(Qt::AlignCenter);
    lblPosizione_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TfrmTessera::buildCard() {
    card_ = new CardFace(panel(), CardStyle::Print, kScreenPxPerMm);
    card_->setObjectName(QStringLiteral("panTessera"));
    card_->move((panel()->width() - card_->width()) / 2, 96);
    connect(card_, &CardFace::organisationClicked, this, &TfrmTessera::editOrganisation);
    connect(card_->logo(), &CardPicture::clicked, this, &TfrmTessera::chooseLogo);
    card_->logo()->setCursor(Qt::PointingHandCursor);
    platform::setStatusHint(
        card_->logo(), panInfo_,
        QStringLiteral("Fare clic per caricare il logo del proprio Ente o Associazione."));
    for (const char* n :
         {"titAssociazione", "titSottotitolo01", "titSottotitolo02", "titAnnotazioni"})
        platform::setStatusHint(card_->label(QLatin1String(n)), panInfo_, kOrganisationHint);

    // The erasers stand just outside the card, beside the photo and the logo.
    const QRect photo = card_->place(QStringLiteral("imgFoto")).translated(card_->pos());
    const QRect logo = card_->place(QStringLiteral("imgLogo")).translated(card_->pos());
    const QPoint cardRight(card_->geometry().right(), 0);
    auto* cancFoto = platform::pictureButton(
        panel(), QStringLiteral("btnCancFoto"), QStringLiteral(":/art/foto_cancella.svg"),
        QStringLiteral("Cancella la foto corrente."), {24, 24});
    cancFoto->setGeometry(card_->x() - 40, photo.bottom() - 32, 32, 32);
    auto* cancLogo = platform::pictureButton(
        panel(), QStringLiteral("btnCancLogo"), QStringLiteral(":/art/cancella.svg"),
        QStringLiteral("Cancella il logo corrente."), {24, 24});
    cancLogo->setGeometry(cardRight.x() + 8, logo.bottom() - 32, 32, 32);
    platform::setStatusHint(cancFoto, panInfo_, cancFoto->toolTip());
    platform::setStatusHint(cancLogo, panInfo_, cancLogo->toolTip());
    connect(cancFoto, &QToolButton::clicked, this, &TfrmTessera::clearPhoto);
    connect(cancLogo, &QToolButton::clicked, this, &TfrmTessera::clearLogo);

    const char* notes[] = {
        "Per richiamare i dati di un Socio dall'archivio, utilizzare il pulsante Trova o le frecce "
        "di "
        "scorrimento delle schede. ",
        "Inserire o modificare il logo e i dati dell'Ente o Associazione facendo clic su di essi.",
        "Il logo e i dati testuali relativi all'Ente o Associazione sono salvati in automatico "
        "all'uscita "
        "da questo ambiente di lavoro.",
    };
    int y = card_->geometry().bottom() + 36;
    for (const char* n : notes) {
        auto* l = platform::makeLabel(panel(), QString::fromUtf8(n));
        l->setGeometry(40, y, 915, 22);
        l->setAlignment(Qt::AlignCenter);
        y += 26;
    }
}

void TfrmTessera::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (event->spontaneous()) return;
    // Opened from the main menu: a blank card under the organisation's saved texts and logo.
    blankCard();
    card_->setOrganisation(readOrganisation(ctx_.path(kSettingsFileName)));
    const QImage logo = readLogo(ctx_.path(kLogoFileName));
    setLogo(logo.isNull() ? placeholderLogo() : logo, false);
    panInfo_->setText(kReady);
}

void TfrmTessera::onClose() {
    saveOrganisation();
    WorkArea::onClose();
}

void TfrmTessera::saveOrganisation() {
    writeOrganisation(ctx_.path(kSettingsFileName),
                      card_->organisation()); // failures are not reported
    const QString path = ctx_.path(kLogoFileName);
    if (!logoNeedsWriting(logoChanged_, path)) return;
    if (writeLogo(path, card_->logo()->image()))
        logoChanged_ = false;
    else
        card_->logo()->setImage(placeholderLogo());
}

void TfrmTessera::setLogo(const QImage& image, bool changedByUser) {
    card_->logo()->setImage(image);
    logoChanged_ = changedByUser;
}

qint64 TfrmTessera::position() const {
    bool ok = false;
    const qint64 n = core::trimText(lblPosizione_->text()).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

void TfrmTessera::blankCard() {
    card_->setBlankMember();
    lblPosizione_->clear();
}

void TfrmTessera::loadPhoto(qint64 number) {
    const QImage photo = members::readPicture(ctx_.path(members::photoFileName(number)));
    card_->photo()->setImage(photo.isNull() ? members::placeholderPhoto() : photo);
}

bool TfrmTessera::showRecord(qint64 number) {
    const auto member = members::MemberArchive(ctx_.folder).read(number);
    if (!member) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return false;
    }
    showMember(*member);
    return true;
}

void TfrmTessera::showMember(const members::Member& m) {
    card_->setMember(m[members::Tesserato], m[members::Carica], m[members::NumTessera],
                     m[members::DataRil], m[members::DataScade]);
    lblPosizione_->setText(QString::number(m.number));
    loadPhoto(m.number);
}

void TfrmTessera::find() {
    const QString mode = QStringLiteral("tessera");
    const auto number = finder_(ctx_, this, mode);
    if (!number) return;
    // A record that cannot be read changes nothing, silently, as the search's hand-over did.
    const auto member = members::MemberArchive(ctx_.folder).read(*number);
    if (member) showMember(*member);
}

void TfrmTessera::navigate(int command) {
    core::RecordFile file(ctx_.path(members::kMemberFileName), members::kMemberRecordLength);
    if (!file.open()) {
        ctx_.platform.message(this, MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    const core::NavStep step =
        core::navigate(core::NavCommand(command), lblPosizione_->text(), file.count());
    file.close();
    switch (step.kind) {
    case core::NavStep::Kind::Nothing:
        return;
    case core::NavStep::Kind::Empty:
        if (step.clearLabel) lblPosizione_->clear();
        ctx_.platform.message(this, MsgKind::Information, core::emptyArchiveMessage());
        return;
    case core::NavStep::Kind::Read:
        showRecord(step.record);
        return;
    }
}

void TfrmTessera::first() {
    navigate(int(core::NavCommand::First));
}
void TfrmTessera::previous() {
    navigate(int(core::NavCommand::Previous));
}
void TfrmTessera::next() {
    navigate(int(core::NavCommand::Next));
}
void TfrmTessera::last() {
    navigate(int(core::NavCommand::Last));
}

void TfrmTessera::clearPhoto() {
    card_->photo()->setImage(whitePhoto());
}

void TfrmTessera::clearLogo() {
    setLogo(whiteLogo(), true);
}

void TfrmTessera::chooseLogo() {
    const QString file = ctx_.platform.openFileName(
        this, {QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
               QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"),
               {},
               {},
               {}});
    if (file.isEmpty()) return;
    const QImage logo = members::readPicture(file);
    setLogo(logo.isNull() ? placeholderLogo() : logo, true);
}

void TfrmTessera::editOrganisation() {
    TfrmDatiEnte dialog(this, QStringLiteral("tessera"), card_->organisation());
    if (ctx_.platform.runModal(dialog) != QDialog::Accepted) return;
    if (dialog.mode() == QLatin1String("tessera")) card_->setOrganisation(dialog.texts());
}

void TfrmTessera::preview() {
    TfrmAnteprimaTessera dialog(ctx_, this, [this] { return content(); });
    ctx_.platform.runModal(dialog);
}

void TfrmTessera::print() {
    TfrmStampaTessera dialog(ctx_, this, [this] { return content(); });
    ctx_.platform.runModal(dialog);
}

void TfrmTessera::help() {
    platform::openHelp(
        this, QStringLiteral("Stampa tessera singola."),
        {QStringLiteral("Per stampare la tessera di un Socio, richiamarne i dati dall'archivio con "
                        "il pulsante "
                        "Trova oppure scorrere le schede con le frecce. La tessera mostra nome, "
                        "carica, numero "
                        "e date di rilascio e di scadenza del Socio, con la sua foto."),
         QStringLiteral(
             "Per inserire la denominazione, i sottotitoli e le annotazioni del proprio Ente o "
             "Associazione fare clic su di essi; per cambiare il logo fare clic sull'immagine. Il "
             "logo e i dati dell'Ente sono salvati in automatico all'uscita da questa schermata."),
         QStringLiteral("Nella finestra di stampa si scelgono l'orientamento del foglio e i "
                        "margini superiore e "
                        "sinistro in millimetri, anche negativi, per adattare la stampa al "
                        "supporto: tessera in "
                        "PVC, foglio A4 o cartoncino di piccolo formato. Conviene fare qualche "
                        "stampa di prova."),
         QStringLiteral(
             "L'anteprima mostra la tessera su un foglio A4 verticale. Le foto dei Soci vanno "
             "preparate in formato verticale (ritratto), perché in stampa sono adattate al "
             "riquadro "
             "della foto mantenendone le proporzioni.")});
}

} // namespace cards
