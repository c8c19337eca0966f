#include "shell/frm_info.h"

#include "platform/ui.h"
#include "shell/frm_avvio.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace shell {

namespace {

// A link that is dark blue, orange while the mouse button is held on it.
QPushButton* link(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: #00008B; text-decoration: underline; border: none; text-align: left; }"
        "QPushButton:pressed { color: #FFA500; }"));
    return b;
}

QLabel* logo(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("imgLogo"));
    l->setPixmap(QIcon(QStringLiteral(":/art/logo.svg")).pixmap(128, 128));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

TfrmInfo::TfrmInfo(platform::Context& ctx, QWidget* owner) : QDialog(owner), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmInfo"), QStringLiteral(" Informazioni su Quorvix 5.0"),
                          {420, 300});
    logo(this)->setGeometry(20, 20, 140, 140);
    auto* text = new QLabel(QStringLiteral("<b>Quorvix 5.0</b><br><br>Gestione di associazioni, "
                                           "circoli, scuole e piccole organizzazioni."),
                            this);
    text->setWordWrap(true);
    text->setGeometry(180, 30, 220, 110);
    auto* envelope = platform::pictureButton(this, QStringLiteral("imgEmail"), QStringLiteral(":/art/email.svg"),
                                             kMakerMail, {28, 28});
    envelope->setGeometry(20, 190, 32, 32);
    auto* mail = link(this, QStringLiteral("lblEmail"), kMakerMail);
    mail->setGeometry(60, 192, 250, 28);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));
    chiudi->setGeometry(300, 250, 100, 30);
    connect(envelope, &QToolButton::clicked, this, &TfrmInfo::writeMail);
    connect(mail, &QPushButton::clicked, this, &TfrmInfo::writeMail);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInfo::writeMail() {
    ctx_.platform.shellOpen(QStringLiteral("\"mailto:") + kMakerMail +
                            QStringLiteral("?subject=Software Quorvix 5.0&body=Salve, desidererei "
                                           "avere le seguenti informazioni sul software in "
                                           "oggetto:\""));
}

TfrmSplash::TfrmSplash(platform::Context& ctx, QWidget* owner) : QDialog(owner), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmSplash"), QStringLiteral(" Quorvix 5.0"), {420, 300});
    logo(this)->setGeometry(140, 16, 140, 140);
    auto* text = new QLabel(QStringLiteral("Ideato e realizzato da Quorvix.\nGrazie a chi ogni giorno "
                                           "tiene viva la propria associazione."),
                            this);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setGeometry(20, 160, 380, 44);
    auto* globe = platform::pictureButton(this, QStringLiteral("imgSito"), QStringLiteral(":/art/sito_icon.svg"),
                                          kMakerSite, {28, 28});
    globe->setGeometry(20, 214, 32, 32);
    auto* site = link(this, QStringLiteral("lblSito"), kMakerSite);
    site->setGeometry(60, 216, 250, 28);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));
    chiudi->setGeometry(300, 255, 100, 30);
    connect(globe, &QToolButton::clicked, this, &TfrmSplash::openSite);
    connect(site, &QPushButton::clicked, this, &TfrmSplash::openSite);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSplash::openSite() { ctx_.platform.shellOpen(kMakerSite); }

} // namespace shell
