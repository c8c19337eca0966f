#include "cards/frm_tessere.h"

#include "cards/frm_stampa_tessere.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "platform/help.h"
#include "platform/toolbar.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace cards {

namespace {

constexpr double kScreenPxPerMm = 3.1;
QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

using Tool = platform::Tool<TfrmTessere>;
const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Cancella i dati di tutti i tesserini.", &TfrmTessere::clearAll},
    {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa del foglio.",
     &TfrmTessere::preview},
    {"cmdStampa", "stampa", "Stampa il foglio con i nove tesserini.", &TfrmTessere::print},
    {"icoGomma", "cancella", "Cancella i dati e le foto dei nove tesserini.",
     &TfrmTessere::askClearAll, 14},
    {"imgGuida", "guida", "Visualizza la pagina della guida.", &TfrmTessere::help},
    {"imgEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

} // namespace

TfrmTessere::TfrmTessere(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmTessere"),
               QStringLiteral(" Quorvix 5.0 - Stampa più tessere")) {
    lblPosizione_ = platform::makeLabel(panel(), {}, QStringLiteral("lblPosizione"));
    lblPosizione_->hide();
    buildToolbar();
    buildSlots();
}

void TfrmTessere::buildToolbar() {
    platform::buildToolbar<TfrmTessere>(this, panel(), nullptr, kToolbar);
    auto* caption = platform::makeLabel(panel(), QStringLiteral("Cancella tessera n."),
                                        QStringLiteral("lblCancella"));
    caption->setGeometry(240, 20, 130, 24);
    for (int k = 1; k <= kSheetSlots; ++k) {
        auto* b = new QPushButton(QString::number(k), panel());
        b->setObjectName(u"cmdCancella"_qs + twoDigits(k));
        b->setToolTip(QStringLiteral("Cancella i dati del tesserino %1.").arg(k));
        b->setGeometry(370 + (k - 1) * 36, 17, 32, 30);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, k] { clearSlot(k - 1); });
    }
    auto* note = platform::makeLabel(
        panel(),
        QStringLiteral(
            "Importare i dati delle tessere dall'archivio dei Soci, quindi premere il pulsante per "
            "l'anteprima o per la stampa su fogli A4."),
        QStringLiteral("lblNota"));
    note->setGeometry(8, 62, 979, 20);
    note->setAlignment(Qt::AlignCenter);
}

void TfrmTessere::buildSlots() {
    for (int i = 0; i < kSheetSlots; ++i) {
        auto* face = new CardFace(panel(), CardStyle::Sheet, kScreenPxPerMm, slotSuffix(i), true);
        face->setObjectName(u"panTessera"_qs + slotSuffix(i));
        const int columnWidth = 995 / 3;
        const int x = (i % 3) * columnWidth + (columnWidth - face->width()) / 2;
        const int y = 90 + (i / 3) * 200;
        face->move(x, y);
        auto* number = platform::makeLabel(panel(), QString::number(i + 1));
        number->setGeometry(x - 22, y, 18, 20);
        number->setStyleSheet(QStringLiteral("font-weight: bold;"));
        auto* import =
            new QPushButton(QStringLiteral("Importa dati tesserino %1").arg(i + 1), panel());
        import->setObjectName(u"btnImporta"_qs + twoDigits(i + 1));
        import->setGeometry(x, y + face->height() + 4, face->width(), 26);
        import->setFocusPolicy(Qt::NoFocus);
        connect(import, &QPushButton::clicked, this, [this, i] { importSlot(i); });
        slots_[i] = face;
    }
}

void TfrmTessere::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    if (event->spontaneous()) return;
    // Every opening starts a fresh sheet under the organisation's saved texts and logo.
    const OrganisationTexts organisation = readOrganisation(ctx_.path(kSettingsFileName));
    QImage logo = readLogo(ctx_.path(kLogoFileName));
    if (logo.isNull()) logo = placeholderLogo();
    for (CardFace* face : slots_) {
        face->setBlankMember();
        face->setOrganisation(organisation);
        face->logo()->setImage(logo);
    }
    lblPosizione_->clear();
}

std::array<CardContent, kSheetSlots> TfrmTessere::contents() const {
    std::array<CardContent, kSheetSlots> out;
    for (int i = 0; i < kSheetSlots; ++i)
        out[i] = slots_[i]->content();
    return out;
}

QString TfrmTessere::position() const {
    return lblPosizione_->text();
}

void TfrmTessere::importSlot(int index) {
    const QString mode = u"tessere_"_qs + twoDigits(index + 1);
    const auto number = finder_(ctx_, this, mode);
    if (!number) return;
    // A record that cannot be read changes nothing, silently.
    const auto member = members::MemberArchive(ctx_.folder).read(*number);
    if (!member) return;
    const members::Member& m = *member;
    slots_[index]->setMember(m[members::Tesserato], m[members::Carica], m[members::NumTessera],
                             m[members::DataRil], m[members::DataScade]);
    lblPosizione_->setText(QString::number(*number));
    const QImage photo = members::readPicture(ctx_.path(members::photoFileName(*number)));
    slots_[index]->photo()->setImage(photo.isNull() ? members::placeholderPhoto() : photo);
}

void TfrmTessere::clearSlot(int index) {
    slots_[index]->setClearedMember();
    lblPosizione_->clear();
}

void TfrmTessere::clearAll() {
    for (int i = 0; i < kSheetSlots; ++i)
        clearSlot(i);
}

void TfrmTessere::askClearAll() {
    const auto answer = ctx_.platform.message(
        this, platform::MsgKind::Question,
        QStringLiteral("Si sta per cancellare i dati e le foto presenti nei nove tesserini.\n\r\n\r"
                       "Si conferma l'operazione?"));
    if (answer != platform::Answer::No) clearAll();
}

void TfrmTessere::preview() {
    TfrmAnteprimaTessere dialog(ctx_, this, [this] { return contents(); });
    ctx_.platform.runModal(dialog);
}

void TfrmTessere::print() {
    TfrmStampaTessere dialog(ctx_, this, [this] { return contents(); });
    ctx_.platform.runModal(dialog);
}

void TfrmTessere::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"cards"_qs, u"tessere"_qs));
}

} // namespace cards
