#include "shell/frm_info.h"

#include "platform/buttons.h"
#include "platform/look.h"
#include "platform/ui.h"
#include "shell/frm_avvio.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace shell {

namespace {

// A link that is dark blue, orange while the mouse button is held on it.
QPushButton* link(QWidget* parent, const QString& name, const QString& text, QRect place) {
    auto* b = platform::makeButton(parent, name, text, place);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: #00008B; text-decoration: underline; border: none; text-align: left;"
        "  background: transparent; font-size: 10.5pt; }"
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
    platform::setupDialog(this, QStringLiteral("TfrmInfo"),
                          QStringLiteral(" Informazioni su Quorvix 5.0"), {460, 300});
    platform::look::useFont(this);
    platform::look::brandBand(this, {0, 0, 150, 300});
    logo(this)->setGeometry(11, 70, 128, 128);
    auto* text = new QLabel(QStringLiteral("<b>Quorvix 5.0</b><br><br>Gestione di associazioni, "
                                           "circoli, scuole e piccole organizzazioni."),
                            this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setStyleSheet(QStringLiteral("color: #1d2a3a; font-size: 11pt;"));
    text->setGeometry(174, 30, 266, 110);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #d3dbe6;"));
    rule->setGeometry(174, 150, 266, 2);
    auto* envelope = platform::pictureButton(
        this, QStringLiteral("imgEmail"), QStringLiteral(":/art/email.svg"), kMakerMail, {28, 28});
    envelope->setGeometry(170, 170, 34, 34);
    auto* mail = link(this, QStringLiteral("lblEmail"), kMakerMail, {210, 173, 230, 28});
    platform::look::footerBand(this, {150, 238, 310, 62});
    auto* chiudi = platform::makeButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                                        {332, 253, 112, 32});
    platform::look::makePrimary(chiudi);
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
    platform::setupDialog(this, QStringLiteral("TfrmSplash"), QStringLiteral(" Quorvix 5.0"),
                          {420, 310});
    platform::look::useFont(this);
    platform::look::brandBand(this, {0, 0, 420, 146});
    logo(this)->setGeometry(146, 9, 128, 128);
    auto* text =
        new QLabel(QStringLiteral("Ideato e realizzato da Quorvix.\nGrazie a chi ogni giorno "
                                  "tiene viva la propria associazione."),
                   this);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setStyleSheet(QStringLiteral("color: #1d2a3a; font-size: 10.5pt;"));
    text->setGeometry(20, 156, 380, 48);
    auto* globe =
        platform::pictureButton(this, QStringLiteral("imgSito"),
                                QStringLiteral(":/art/sito_icon.svg"), kMakerSite, {28, 28});
    globe->setGeometry(104, 210, 34, 34);
    auto* site = link(this, QStringLiteral("lblSito"), kMakerSite, {144, 213, 200, 28});
    platform::look::footerBand(this, {0, 256, 420, 54});
    auto* chiudi = platform::makeButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                                        {292, 267, 112, 32});
    platform::look::makePrimary(chiudi);
    connect(globe, &QToolButton::clicked, this, &TfrmSplash::openSite);
    connect(site, &QPushButton::clicked, this, &TfrmSplash::openSite);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSplash::openSite() {
    ctx_.platform.shellOpen(kMakerSite);
}

} // namespace shell
