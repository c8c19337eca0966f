#include "members/frm_anagrafica.h"

#include "members/frm_anagrafica_fields.h"
#include "members/member_photo.h"
#include "platform/help.h"
#include "platform/toolbar.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace members {

namespace {

using Tool = platform::Tool<TfrmAnagrafica>;

// Left to right; the record position label sits between cmdIndietro and cmdAvanti.
const Tool kToolbar[] = {
    {"cmdNuovo", "nuovo", "Predispone la schermata per l'inserimento di una nuova scheda.",
     &TfrmAnagrafica::newSheet},
    {"cmdSalva", "salva", "Salva la scheda corrente in archivio.", &TfrmAnagrafica::save},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmAnagrafica::find},
    {"cmdAllega", "allega", "Allega file alla scheda corrente.", &TfrmAnagrafica::attach, 14},
    {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa.", &TfrmAnagrafica::preview,
     14},
    {"cmdStampa", "stampa", "Stampa la scheda corrente.", &TfrmAnagrafica::print},
    {"cmdScadute", "scadute", "Visualizza l'elenco delle tessere in attesa di rinnovo.",
     &TfrmAnagrafica::renewals, 14},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmAnagrafica::first, 14},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmAnagrafica::previous},
    {"lblPosizione", nullptr, nullptr, nullptr},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmAnagrafica::next},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmAnagrafica::last},
    {"cmdExcel", "excel", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TfrmAnagrafica::exportExcel, 14},
    {"cmdImportaFoglio", "importa_foglio",
     "Importa in archivio le schede dei soci da un foglio di calcolo (CSV, XLSX o XLS).",
     &TfrmAnagrafica::importSheet},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmAnagrafica::help, 14},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr},
};

struct PhotoButton {
    const char* name;
    const char* art;
    const char* hint;
    void (TfrmAnagrafica::*command)();
};
const PhotoButton kPhotoButtons[] = {
    {"btnWebcam", "webcam", "Scatta la foto del tesserato con la tua WebCam.",
     &TfrmAnagrafica::webcam},
    {"btnSalvaFoto", "foto_salva", "Salva una copia della foto su disco.",
     &TfrmAnagrafica::savePhotoCopy},
    {"btnZoom", "zoom", "Visualizza la foto a tutto schermo.", &TfrmAnagrafica::zoom},
    {"btnCancFoto", "foto_cancella", "Cancella la foto corrente.", &TfrmAnagrafica::clearPhoto},
};

const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

QString art(const char* name) {
    return QStringLiteral(":/art/%1.svg").arg(QLatin1String(name));
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmAnagrafica"),
               QStringLiteral(" Quorvix 5.0 - Archivio Soci")),
      form_(ctx, this, memberLayout(), kMemberBindings, kMemberDateTargets) {
    panInfo_ = platform::makeStatusLine(panel(), kReady);
    lblPosizione_ = platform::buildToolbar<TfrmAnagrafica>(this, panel(), panInfo_, kToolbar);
    buildPhotoBox();
    buildFields();
    form_.bind(lblPosizione_, panInfo_);
    form_.onShown = [this](qint64) { loadPhotoFile(); };
    newSheet();
}

void TfrmAnagrafica::buildPhotoBox() {
    auto* box = new QGroupBox(QStringLiteral("Foto"), panel());
    box->setObjectName(QStringLiteral("grpFoto"));
    box->setGeometry(8, 68, 180, 282);

    auto* frame = new QFrame(box);
    frame->setObjectName(QStringLiteral("panFoto"));
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(
        QStringLiteral("#panFoto { background: white; border: 1px solid #9a9a9a; }"));
    frame->setGeometry(10, 24, 161, 178);
    imgFoto_ = new QLabel(frame);
    imgFoto_->setObjectName(QStringLiteral("imgFoto"));
    imgFoto_->setAlignment(Qt::AlignCenter);
    imgFoto_->setGeometry(2, 2, 157, 174);

    auto* bianco = new QLabel(this);
    bianco->setObjectName(QStringLiteral("imgBianco"));
    bianco->setPixmap(QPixmap::fromImage(placeholderPhoto()));
    bianco->setVisible(false);

    auto* sfoglia = new QPushButton(QIcon(art("foto_carica")), QStringLiteral("Carica foto"), box);
    sfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    sfoglia->setGeometry(10, 208, 161, 30);
    sfoglia->setFocusPolicy(Qt::NoFocus);
    platform::setStatusHint(sfoglia, panInfo_,
                            QStringLiteral("Carica la foto del tesserato dal tuo disco fisso."));
    connect(sfoglia, &QPushButton::clicked, this, &TfrmAnagrafica::loadPhotoFromDisk);

    int x = 10;
    for (const PhotoButton& p : kPhotoButtons) {
        auto* b = platform::pictureButton(box, QLatin1String(p.name), art(p.art),
                                          QString::fromUtf8(p.hint), {24, 24});
        b->setGeometry(x, 242, 38, 32);
        platform::setStatusHint(b, panInfo_, QString::fromUtf8(p.hint));
        connect(b, &QToolButton::clicked, this, p.command);
        x += 41;
    }
}

void TfrmAnagrafica::help() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"members"_qs, u"anagrafica"_qs));
}

void TfrmAnagrafica::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    // Shown by the main menu: always a new sheet, and the status line ready for it.
    if (event->spontaneous()) return;
    newSheet();
    panInfo_->setText(kReady);
}

} // namespace members
