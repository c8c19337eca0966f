#include "shell/frm_avvio.h"

#include "platform/screen_fit.h"
#include "platform/ui.h"
#include "shell/frm_guida.h"
#include "shell/frm_info.h"
#include "shell/frm_splash.h"
#include "shell/help_texts.h"
#include "shell/shell_style.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
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
    style::useShellFont(this);
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
        style::makePrimary(btn);
        const QString window = QLatin1String(a.window);
        connect(pic, &QToolButton::clicked, this, [this, window] { openArea(window); });
        connect(btn, &QPushButton::clicked, this, [this, window] { openArea(window); });
    }

    auto* info =
        platform::pictureButton(panel_, QStringLiteral("imgInfo"), QStringLiteral(":/art/info.svg"),
                                QStringLiteral("Informazioni su Quorvix 5.0"), {40, 40});
    info->setGeometry(16, 16, 48, 48);
    auto* guida = platform::pictureButton(
        panel_, QStringLiteral("imgGuida"), QStringLiteral(":/art/guida.svg"),
        QStringLiteral("Guida all'utilizzo del software"), {40, 40});
    guida->setGeometry(931, 16, 48, 48);
    auto* credits = platform::pictureButton(panel_, QStringLiteral("imgCrediti"),
                                            QStringLiteral(":/art/crediti.svg"),
                                            QStringLiteral("Riconoscimenti"), {40, 40});
    credits->setGeometry(16, 628, 48, 48);
    auto* esci =
        platform::pictureButton(panel_, QStringLiteral("imgEsci"), QStringLiteral(":/art/esci.svg"),
                                QStringLiteral("Esci da Quorvix 5.0"), {40, 40});
    esci->setGeometry(931, 628, 48, 48);
    auto* site = platform::pictureButton(panel_, QStringLiteral("icoSito"),
                                         QStringLiteral(":/art/sito.svg"), kMakerSite, {468, 40});
    site->setGeometry(263, 600, 468, 44);

    connect(info, &QToolButton::clicked, this, &TfrmAvvio::showInfo);
    connect(guida, &QToolButton::clicked, this, &TfrmAvvio::showHelp);
    connect(credits, &QToolButton::clicked, this, &TfrmAvvio::showCredits);
    connect(esci, &QToolButton::clicked, this, &TfrmAvvio::quit);
    connect(site, &QToolButton::clicked, this, [this] { ctx_.platform.shellOpen(kMakerSite); });
}

void TfrmAvvio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xf8, 0xfa, 0xfd));
    g.setColorAt(1, QColor(0xdd, 0xe6, 0xf2));
    p.fillRect(rect(), g);
}

void TfrmAvvio::openArea(const QString& windowName) {
    ctx_.windows.switchTo(windowName, this);
}

void TfrmAvvio::showHelp() {
    TfrmGuida help(ctx_, this);
    help.setTopic(QStringLiteral("Uno sguardo a Quorvix 5.0."), mainHelpParagraphs());
    ctx_.platform.runModal(help);
}

void TfrmAvvio::showInfo() {
    TfrmInfo info(ctx_, this);
    ctx_.platform.runModal(info);
}

void TfrmAvvio::showCredits() {
    TfrmSplash credits(ctx_, this);
    ctx_.platform.runModal(credits);
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
