#include "fake_platform.h"
#include "platform/help.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "shell/frm_info.h"
#include "shell/password_store.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The main menu with a stand-in for every window it opens.
struct Menu : Harness {
    shell::TfrmAvvio* menu = new shell::TfrmAvvio(ctx);

    Menu() {
        windows.add(menu);
        for (const char* name : {"TfrmAnagrafica", "TfrmTessera", "TfrmTessere", "TfrmScadenzario",
                                 "TfrmMenuRegistro", "TfrmMenuPrimanota"}) {
            auto* w = new QWidget;
            w->setObjectName(QLatin1String(name));
            windows.add(w);
        }
        menu->show();
    }
    ~Menu() { qDeleteAll(windows.all()); }

    // Runs `act` with the next modal dialog and returns what it saw.
    template <class Fn> void onNextDialog(Fn act) {
        fake.onModal = [act](QDialog& d) {
            act(d);
            return int(QDialog::Rejected);
        };
    }
};

void clickNamed(QObject* root, const QString& name) {
    if (auto* tool = child<QToolButton>(root, name))
        tool->click();
    else if (auto* push = child<QPushButton>(root, name))
        push->click();
    else
        ADD_FAILURE() << "no button " << name.toStdString();
}

} // namespace

TEST(MainMenu, PictureAndCaptionOpenTheSameAreaAndHideTheMenu) {
    const struct {
        const char* picture;
        const char* button;
        const char* window;
    } areas[] = {
        {"imgAnagrafica", "btnAnagrafica", "TfrmAnagrafica"},
        {"imgTessera", "btnTessera", "TfrmTessera"},
        {"imgTessere", "btnTessere", "TfrmTessere"},
        {"imgScadenzario", "btnScadenzario", "TfrmScadenzario"},
        {"imgLibro", "btnLibro", "TfrmMenuRegistro"},
        {"imgPrimanota", "btnPrimanota", "TfrmMenuPrimanota"},
    };
    Menu m;
    for (const auto& a : areas) {
        for (const char* control : {a.picture, a.button}) {
            QWidget* area = m.windows.find(QLatin1String(a.window));
            m.menu->show();
            area->hide();
            clickNamed(m.menu, QLatin1String(control));
            EXPECT_TRUE(area->isVisible()) << control;
            EXPECT_FALSE(m.menu->isVisible()) << control;
        }
    }
}

TEST(MainMenu, CornerIconsOpenFreshDialogsAndTheBannerOpensTheSite) {
    Menu m;
    clickNamed(m.menu, "imgInfo");
    clickNamed(m.menu, "imgGuida");
    clickNamed(m.menu, "imgCrediti");
    clickNamed(m.menu, "imgInfo");
    EXPECT_EQ(m.fake.modalDialogs, QStringList({"TfrmInfo", "TfrmSplash", "TfrmInfo"}));
    ASSERT_EQ(m.fake.helpTopics.size(), 1u);
    EXPECT_EQ(m.fake.helpTopics[0].title, QStringLiteral("Uno sguardo a Quorvix 5.0."));
    EXPECT_TRUE(m.menu->isVisible());

    clickNamed(m.menu, "icoSito");
    EXPECT_EQ(m.fake.opened, QStringList({shell::kMakerSite}));
}

TEST(MainMenu, EsciHidesEveryWindow) {
    Menu m;
    m.windows.find("TfrmAnagrafica")->show();
    clickNamed(m.menu, "imgEsci");
    for (QWidget* w : m.windows.all())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(m.fake.messages.empty());
}

TEST(HelpWindow, MainHelpShowsTitleAndParagraphsWithAnEmptyLineBetween) {
    Harness h;
    const platform::HelpTopic topic = platform::helpTopic(u"shell"_qs, u"principale"_qs);
    shell::TfrmGuida help(h.ctx, nullptr);
    help.setTopic(topic.title, topic.paragraphs);
    const QString title = child<QLabel>(&help, "lblTitolo")->text();
    const QString text = child<QPlainTextEdit>(&help, "txtGuida")->toPlainText();
    EXPECT_TRUE(child<QPlainTextEdit>(&help, "txtGuida")->isReadOnly());

    const QStringList paragraphs = topic.paragraphs;
    EXPECT_EQ(title, QStringLiteral("Uno sguardo a Quorvix 5.0."));
    EXPECT_EQ(help.size(), QSize(676, 598));
    // The box reads each CR LF as one line break: one empty line between paragraphs.
    EXPECT_EQ(text, paragraphs.join(QStringLiteral("\n\n")));
    for (const QString& p : paragraphs)
        EXPECT_FALSE(p.trimmed().isEmpty() || p.contains(u'\n') || p.contains(u'\r'));
}

TEST(HelpWindow, MainHelpGivesTheInitialPasswordTheStoreIsMadeWith) {
    // The installation's store holds kInitialPassword: the help must name that very word.
    const QString all = platform::helpTopic(u"shell"_qs, u"principale"_qs).paragraphs.join(u' ');
    EXPECT_TRUE(all.contains(shell::kInitialPassword));
    EXPECT_TRUE(all.contains(QStringLiteral("chiavetta USB")));
    EXPECT_TRUE(all.contains(QStringLiteral("rete locale")));
    EXPECT_TRUE(all.contains(QStringLiteral("copia di sicurezza")));
}

TEST(HelpWindow, PdfLinkAndIconOpenTheQuotedGuideAndChiudiCloses) {
    Harness h;
    shell::TfrmGuida help(h.ctx, nullptr);
    EXPECT_EQ(child<QLabel>(&help, "lblTitolo")->text(), QStringLiteral("Argomento della guida."));
    EXPECT_EQ(help.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));

    child<QPushButton>(&help, "lblPdf")->click();
    child<QToolButton>(&help, "imgPdf")->click();
    const QString quoted = u'"' + h.path(QStringLiteral("Guida.pdf")) + u'"';
    EXPECT_EQ(h.fake.opened, QStringList({quoted, quoted}));

    help.show();
    child<QPushButton>(&help, "btnChiudi")->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.result(), int(QDialog::Rejected));
}

TEST(AboutAndCredits, LinksOpenTheMailAndTheSite) {
    const QString mail = QStringLiteral(
        "\"mailto:info@quorvix.it?subject=Software Quorvix 5.0&body=Salve, desidererei avere le "
        "seguenti informazioni sul software in oggetto:\"");
    Harness h;
    {
        shell::TfrmInfo info(h.ctx, nullptr);
        EXPECT_EQ(info.windowTitle(), QStringLiteral(" Informazioni su Quorvix 5.0"));
        child<QPushButton>(&info, "lblEmail")->click();
        child<QToolButton>(&info, "imgEmail")->click();
        EXPECT_EQ(h.fake.opened, QStringList({mail, mail}));
        EXPECT_EQ(child<QPushButton>(&info, "lblEmail")->text(), shell::kMakerMail);
    }
    h.fake.opened.clear();
    {
        shell::TfrmSplash credits(h.ctx, nullptr);
        EXPECT_EQ(credits.windowTitle(), QStringLiteral(" Quorvix 5.0"));
        child<QPushButton>(&credits, "lblSito")->click();
        child<QToolButton>(&credits, "imgSito")->click();
        EXPECT_EQ(h.fake.opened, QStringList({shell::kMakerSite, shell::kMakerSite}));
    }
}

TEST(Artwork, EveryPictureTheWindowsNameIsAValidDrawing) {
    const char* names[] = {"nuovo",        "salva",          "primo",
                           "indietro",     "avanti",         "ultimo",
                           "trova",        "cerca",          "anteprima",
                           "stampa",       "allega",         "scadute",
                           "excel",        "email",          "duplica",
                           "codfisc",      "partitaiva",     "iban",
                           "carta",        "webcam",         "zoom",
                           "foto_carica",  "foto_salva",     "foto_cancella",
                           "cancella",     "importa",        "calendario",
                           "camera",       "chiudi",         "apri",
                           "sfoglia",      "elimina",        "guida",
                           "esci",         "info",           "foto_vuota",
                           "logo_vuoto",   "logo",           "menu_anagrafica",
                           "menu_tessera", "menu_tessere",   "menu_scadenzario",
                           "menu_libro",   "menu_primanota", "title",
                           "subtitle",     "badge",          "crediti",
                           "sito",         "sito_icon",      "pdf"};
    for (const char* name : names) {
        QSvgRenderer svg(QStringLiteral(":/art/%1.svg").arg(QLatin1String(name)));
        EXPECT_TRUE(svg.isValid()) << name;
        EXPECT_FALSE(svg.defaultSize().isEmpty()) << name;
    }
    // The placeholders keep the proportions of what they stand for.
    EXPECT_EQ(QSvgRenderer(QStringLiteral(":/art/foto_vuota.svg")).defaultSize(), QSize(120, 160));
    EXPECT_EQ(QSvgRenderer(QStringLiteral(":/art/logo_vuoto.svg")).defaultSize(), QSize(119, 118));
}

TEST(Artwork, NoPictureInTheShellWindowsIsBlank) {
    // A mistyped resource name only shows an empty button: look at every picture.
    Menu m;
    shell::TfrmGuida help(m.ctx, nullptr);
    shell::TfrmInfo info(m.ctx, nullptr);
    shell::TfrmSplash credits(m.ctx, nullptr);
    for (QWidget* window : {static_cast<QWidget*>(m.menu), static_cast<QWidget*>(&help),
                            static_cast<QWidget*>(&info), static_cast<QWidget*>(&credits)}) {
        for (auto* b : window->findChildren<QToolButton*>())
            EXPECT_FALSE(b->icon().pixmap(32, 32).isNull()) << b->objectName().toStdString();
        for (auto* l : window->findChildren<QLabel*>()) {
            if (l->objectName().startsWith(QLatin1String("img"))) {
                EXPECT_FALSE(l->pixmap().isNull()) << l->objectName().toStdString();
            }
        }
    }
}
