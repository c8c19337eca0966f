#include "members/frm_anagrafica.h"

#include "members/frm_anagrafica_fields.h"
#include "members/member_photo.h"
#include "platform/help.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace members {

namespace {

struct ToolbarEntry {
    const char* name;
    const char* art;
    const char* hint;
    void (TfrmAnagrafica::*command)();
    int gapBefore; // a little space between groups of commands
};

// Left to right; the record position label sits between cmdIndietro and cmdAvanti.
const ToolbarEntry kToolbar[] = {
    {"cmdNuovo", "nuovo", "Predispone la schermata per l'inserimento di una nuova scheda.",
     &TfrmAnagrafica::newSheet, 0},
    {"cmdSalva", "salva", "Salva la scheda corrente in archivio.", &TfrmAnagrafica::save, 0},
    {"cmdTrova", "trova", "Trova una scheda in archivio.", &TfrmAnagrafica::find, 0},
    {"cmdAllega", "allega", "Allega file alla scheda corrente.", &TfrmAnagrafica::attach, 14},
    {"cmdAnteprima", "anteprima", "Visualizza l'anteprima di stampa.", &TfrmAnagrafica::preview,
     14},
    {"cmdStampa", "stampa", "Stampa la scheda corrente.", &TfrmAnagrafica::print, 0},
    {"cmdScadute", "scadute", "Visualizza l'elenco delle tessere in attesa di rinnovo.",
     &TfrmAnagrafica::renewals, 14},
    {"cmdPrimo", "primo", "Visualizza la prima scheda in archivio.", &TfrmAnagrafica::first, 14},
    {"cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio.",
     &TfrmAnagrafica::previous, 0},
    {"cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio.", &TfrmAnagrafica::next,
     0},
    {"cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio.", &TfrmAnagrafica::last, 0},
    {"cmdExcel", "excel", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TfrmAnagrafica::exportExcel, 14},
    {"cmdGuida", "guida", "Visualizza la pagina della guida sensibile al contesto.",
     &TfrmAnagrafica::help, 14},
    {"cmdEsci", "esci", "Esci da questa schermata di lavoro.", nullptr, 0},
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

QStringList memberHelpParagraphs() {
    return {
        QStringLiteral("L'Archivio Soci raccoglie una scheda per ogni tesserato. Per inserire un "
                       "nuovo socio premi "
                       "Nuovo, compila la scheda e premi Salva: sono obbligatori il cognome e "
                       "nome, la data di "
                       "rilascio, la data di scadenza della tessera e i giorni di preavviso."),
        QStringLiteral("Le date di rilascio e di scadenza si importano dal calendario: fai clic "
                       "sul campo e premi "
                       "un tasto qualsiasi. Con Backspace o Canc il campo si svuota. La data di "
                       "scadenza non può "
                       "essere anteriore a quella di rilascio."),
        QStringLiteral(
            "I giorni di preavviso indicano quanti giorni prima della scadenza la tessera compare "
            "nell'elenco delle tessere in attesa di rinnovo. Da quell'elenco, o dal pulsante "
            "accanto "
            "all'indirizzo e-mail, puoi inviare al socio un avviso di scadenza per posta "
            "elettronica."),
        QStringLiteral("Un socio che lascia l'associazione non si cancella: spunta Tessera "
                       "annullata e salva. La "
                       "scheda resta in archivio e raggiungibile con le frecce, ma non compare più "
                       "nelle ricerche "
                       "e nell'elenco dei rinnovi."),
        QStringLiteral(
            "La foto del tesserato si carica da un file JPEG o Bitmap oppure si scatta con la "
            "webcam; "
            "viene salvata insieme alla scheda. Puoi salvarne una copia su disco, vederla a tutto "
            "schermo o toglierla."),
        QStringLiteral("Con Trova cerchi una scheda per nome o per altri dati; con Allega colleghi "
                       "alla scheda fino "
                       "a tre documenti, che vengono copiati nella cartella Documenti_Allegati. "
                       "Gli allegati sono "
                       "registrati quando salvi la scheda."),
        QStringLiteral("Anteprima e Stampa producono la scheda del socio su carta; Esporta crea un "
                       "file per il "
                       "foglio di calcolo con tutte le schede in archivio."),
    };
}

QString art(const char* name) {
    return QStringLiteral(":/art/%1.svg").arg(QLatin1String(name));
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(platform::Context& ctx)
    : WorkArea(ctx, QStringLiteral("TfrmAnagrafica"),
               QStringLiteral(" Quorvix 5.0 - Archivio Soci")) {
    panInfo_ = new QLabel(panel());
    panInfo_->setObjectName(QStringLiteral("panInfo"));
    panInfo_->setFrameShape(QFrame::Panel);
    panInfo_->setFrameShadow(QFrame::Sunken);
    panInfo_->setIndent(8);
    panInfo_->setGeometry(8, 660, 979, 26);

    buildToolbar();
    buildPhotoBox();
    buildFields();
    bindFields();
    newSheet();
}

void TfrmAnagrafica::buildToolbar() {
    auto* bar = new QFrame(panel());
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setGeometry(8, 6, 979, 56);

    int x = 8;
    for (const ToolbarEntry& e : kToolbar) {
        x += e.gapBefore;
        if (QLatin1String(e.name) == QLatin1String("cmdAvanti")) {
            lblPosizione_ = new QLabel(bar);
            lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
            lblPosizione_->setAlignment(Qt::AlignCenter);
            lblPosizione_->setFrameShape(QFrame::Panel);
            lblPosizione_->setFrameShadow(QFrame::Sunken);
            QFont bold = lblPosizione_->font();
            bold.setBold(true);
            bold.setPointSize(bold.pointSize() + 2);
            lblPosizione_->setFont(bold);
            lblPosizione_->setGeometry(x + 2, 12, 76, 32);
            x += 82;
        }
        auto* b = platform::pictureButton(bar, QLatin1String(e.name), art(e.art),
                                          QString::fromUtf8(e.hint), {34, 34});
        b->setGeometry(x, 5, 46, 46);
        platform::setStatusHint(b, panInfo_, QString::fromUtf8(e.hint));
        if (e.command)
            connect(b, &QToolButton::clicked, this, e.command);
        else
            connect(b, &QToolButton::clicked, this, &QWidget::close);
        x += 48;
    }
    // The exit and the help sit at the right end, as in every work area.
    auto* esci = bar->findChild<QToolButton*>(QStringLiteral("cmdEsci"));
    auto* guida = bar->findChild<QToolButton*>(QStringLiteral("cmdGuida"));
    esci->move(979 - 8 - 46, 5);
    guida->move(979 - 8 - 46 - 48, 5);
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
    platform::openHelp(this, QStringLiteral("Archivio Soci."), memberHelpParagraphs());
}

void TfrmAnagrafica::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    // Shown by the main menu: always a new sheet.
    if (!event->spontaneous()) newSheet();
}

} // namespace members
