#include "cards/frm_tessera.h"

#include "cards/frm_dati_ente.h"
#include "cards/frm_stampa_tessera.h"
#include "core/navigation.h"
#include "core/record_file.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "platform/help.h"
#include "platform/record_form.h"
#include "platform/toolbar.h"

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

using Tool = platform::Tool<TfrmTessera>;
const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Predispone la schermata per la visualizzazione di una nuova scheda.",
     &TfrmTessera::blankCard},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmTessera::find},
    {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa del tesserino corrente.",
     &TfrmTessera::preview, 14},
    {"cmdStampa", "stampa", "Stampa il tesserino corrente.", &TfrmTessera::print},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmTessera::first, 14},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmTessera::previous},
    {"lblPosizione", nullptr, nullptr, nullptr},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmTessera::next},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmTessera::last},
    {"imgGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmTessera::help},
    {"imgEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

} // namespace

TfrmTessera::TfrmTessera(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmTessera"),
               QStringLiteral(" Quorvix 5.0 - Stampa tessera singola")) {
    panInfo_ = platform::makeStatusLine(panel(), kReady);
    lblPosizione_ = platform::buildToolbar<TfrmTessera>(this, panel(), panInfo_, kToolbar);
    buildCard();
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
    return platform::positionOf(lblPosizione_);
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

void TfrmTessera::navigate(core::NavCommand command) {
    platform::navigateArchive(ctx_, this, members::MemberArchive(ctx_.folder).archive(), command,
                              lblPosizione_, [this](qint64 n, const QStringList& values) {
                                  showMember(members::Member{n, values});
                              });
}

void TfrmTessera::first() {
    navigate(core::NavCommand::First);
}
void TfrmTessera::previous() {
    navigate(core::NavCommand::Previous);
}
void TfrmTessera::next() {
    navigate(core::NavCommand::Next);
}
void TfrmTessera::last() {
    navigate(core::NavCommand::Last);
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
    ctx_.platform.showHelp(this, platform::helpTopic(u"cards"_qs, u"tessera"_qs));
}

} // namespace cards
