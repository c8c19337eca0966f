#include "shell/frm_avvio.h"

#include "platform/help.h"
#include "platform/look.h"
#include "platform/menu_window.h"
#include "platform/screen_fit.h"
#include "platform/ui.h"
#include "shell/frm_backup.h"
#include "shell/frm_info.h"
#include "shell/frm_splash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace shell {

namespace {
struct AreaEntry {
    const char* picture;
    const char* button;
    const char* caption;
    const char* art;
    const char* window;
};
constexpr AreaEntry kAreas[] = {
    {"imgAnagrafica", "btnAnagrafica", "Archivio Soci", ":/art/menu_anagrafica.svg",
     "TfrmAnagrafica"},
    {"imgTessera", "btnTessera", "Stampa tessera singola", ":/art/menu_tessera.svg", "TfrmTessera"},
    {"imgTessere", "btnTessere", "Stampa più tessere", ":/art/menu_tessere.svg", "TfrmTessere"},
    {"imgScadenzario", "btnScadenzario", "Scadenzario pagamenti", ":/art/menu_scadenzario.svg",
     "TfrmScadenzario"},
    {"imgLibro", "btnLibro", "Libro Soci", ":/art/menu_libro.svg", "TfrmMenuRegistro"},
    {"imgPrimanota", "btnPrimanota", "Primanota e bilancio", ":/art/menu_primanota.svg",
     "TfrmMenuPrimanota"},
};
} // namespace

TfrmAvvio::TfrmAvvio(platform::Context& ctx)
    : ctx_(ctx), panel_(platform::addCentredPanel(this, {995, 692})) {
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Quorvix 5.0"));
    setProperty("workArea", true);
    // Dates as dd/mm/yyyy and the decimal comma, program-wide.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    panel_->setObjectName(QStringLiteral("panMain"));
    platform::look::useFont(this);
    platform::look::paintBackground(this);
    // Picture buttons: no frame, a soft blue glow under the pointer.
    panel_->setStyleSheet(
        QStringLiteral("QToolButton { border: none; border-radius: 14px; background: transparent; }"
                       "QToolButton:hover { background: rgba(31, 78, 153, 28); }"
                       "QToolButton:pressed { background: rgba(31, 78, 153, 56); }"));

    auto* title = new QLabel(panel_);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setPixmap(QIcon(QStringLiteral(":/art/title.svg")).pixmap(520, 70));
    title->setGeometry(237, 20, 520, 70);
    auto* subtitle = new QLabel(panel_);
    subtitle->setObjectName(QStringLiteral("imgSottotitolo"));
    subtitle->setPixmap(QIcon(QStringLiteral(":/art/subtitle.svg")).pixmap(520, 26));
    subtitle->setGeometry(237, 92, 520, 26);
    auto* badge = new QLabel(panel_);
    badge->setObjectName(QStringLiteral("imgVersione"));
    badge->setPixmap(QIcon(QStringLiteral(":/art/badge.svg")).pixmap(80, 80));
    badge->setGeometry(780, 20, 80, 80);

    // Three columns of 190 units, 70 apart, centred in the panel.
    for (int i = 0; i < 6; ++i) {
        const AreaEntry& a = kAreas[i];
        const int x = 142 + (i % 3) * 260, y = 138 + (i / 3) * 228;
        auto* pic = platform::pictureButton(panel_, QLatin1String(a.picture), QLatin1String(a.art),
                                            QString::fromUtf8(a.caption), {150, 150});
        pic->setGeometry(x + 15, y, 160, 160);
        auto* btn = new QPushButton(QString::fromUtf8(a.caption), panel_);
        btn->setObjectName(QLatin1String(a.button));
        btn->setGeometry(x, y + 166, 190, 32);
        platform::look::makePrimary(btn);
        const QString window = QLatin1String(a.window);
        connect(pic, &QToolButton::clicked, this, [this, window] { openArea(window); });
        connect(btn, &QPushButton::clicked, this, [this, window] { openArea(window); });
    }

    using platform::cornerPicture;
    auto* info = cornerPicture(panel_, u"imgInfo"_qs, u"info"_qs, u"Informazioni su Quorvix 5.0"_qs,
                               {16, 16});
    auto* guida = cornerPicture(panel_, u"imgGuida"_qs, u"guida"_qs,
                                u"Guida all'utilizzo del software"_qs, {931, 16});
    auto* credits =
        cornerPicture(panel_, u"imgCrediti"_qs, u"crediti"_qs, u"Riconoscimenti"_qs, {16, 628});
    auto* esci =
        cornerPicture(panel_, u"imgEsci"_qs, u"esci"_qs, u"Esci da Quorvix 5.0"_qs, {931, 628});
    auto* copie = cornerPicture(panel_, u"imgCopie"_qs, u"copie"_qs,
                                u"Copie di sicurezza dei dati"_qs, {72, 628});
    auto* site = platform::pictureButton(panel_, QStringLiteral("icoSito"),
                                         QStringLiteral(":/art/sito.svg"), kMakerSite, {468, 40});
    site->setGeometry(263, 600, 468, 44);

    connect(info, &QToolButton::clicked, this, &TfrmAvvio::showInfo);
    connect(guida, &QToolButton::clicked, this, &TfrmAvvio::showHelp);
    connect(credits, &QToolButton::clicked, this, &TfrmAvvio::showCredits);
    connect(esci, &QToolButton::clicked, this, &TfrmAvvio::quit);
    connect(copie, &QToolButton::clicked, this, &TfrmAvvio::showBackups);
    connect(site, &QToolButton::clicked, this, [this] { ctx_.platform.shellOpen(kMakerSite); });
}

void TfrmAvvio::openArea(const QString& windowName) {
    ctx_.windows.switchTo(windowName, this);
}

void TfrmAvvio::showHelp() {
    ctx_.platform.showHelp(this, platform::helpTopic(u"shell"_qs, u"principale"_qs));
}

void TfrmAvvio::showInfo() {
    TfrmInfo info(ctx_, this);
    ctx_.platform.runModal(info);
}

void TfrmAvvio::showCredits() {
    TfrmSplash credits(ctx_, this);
    ctx_.platform.runModal(credits);
}

void TfrmAvvio::showBackups() {
    TfrmBackup backups(ctx_, this);
    ctx_.platform.runModal(backups);
    if (backups.unfinished()) {
        quit();
    } else if (backups.restored() && ctx_.actions.reloadWindows) {
        // Not from here: this window is one of those rebuilt.
        QTimer::singleShot(0, qApp, ctx_.actions.reloadWindows);
    }
}

void TfrmAvvio::quit() {
    for (QWidget* w : ctx_.windows.all())
        w->hide();
    QApplication::quit();
}

void TfrmAvvio::closeEvent(QCloseEvent* e) {
    e->accept();
    quit();
}

} // namespace shell
