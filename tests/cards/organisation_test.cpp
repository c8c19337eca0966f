#include "cards/frm_dati_ente.h"
#include "cards/frm_tessera.h"
#include "cards_fixture.h"
#include "keys.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace cards;
using namespace cards_test;

struct CardWindow {
    testing_support::Harness h;
    std::unique_ptr<TfrmTessera> w;

    void open() {
        w = std::make_unique<TfrmTessera>(h.ctx);
        w->show();
    }
    void close() { w->close(); }
    QString text(const char* name) const { return labelText(w.get(), QLatin1String(name)); }
};

TEST(Organisation, FirstStartWithoutSettingsOrLogo) {
    CardWindow c;
    c.open();
    for (const char* n :
         {"titAssociazione", "titSottotitolo01", "titSottotitolo02", "titAnnotazioni"})
        EXPECT_EQ(c.text(n), QString()) << n;
    EXPECT_EQ(c.w->card()->logo()->image(), placeholderLogo());
    EXPECT_EQ(c.text("txtTesserato"), QStringLiteral("Cognome e nome Socio"));
    EXPECT_EQ(c.text("txtDataScade"), QStringLiteral("GG/MM/AAAA"));
    EXPECT_EQ(c.text("lblPosizione"), QString());

    c.close();
    const QString ini = QString::fromLatin1(fileBytes(c.h.path(kSettingsFileName)));
    EXPECT_EQ(ini,
              QStringLiteral("[Dati Ente]\r\nDenominazione=\r\nSottotitolo 1=\r\nSottotitolo 2=\r\n"
                             "Annotazioni=\r\n"));
    const QImage logo(c.h.path(kLogoFileName));
    EXPECT_EQ(logo.size(), QSize(kLogoWidth, kLogoHeight));
}

TEST(Organisation, TextsAreStoredTrimmedAndReadBack) {
    testing_support::Harness h;
    const QString path = h.path(kSettingsFileName);
    ASSERT_TRUE(writeOrganisation(path, {QStringLiteral("  Circolo Verdi \t"),
                                         QStringLiteral("   "), QStringLiteral(" Via Roma 1, Roma"),
                                         QStringLiteral("Tessera personale ")}));
    const OrganisationTexts back = readOrganisation(path);
    EXPECT_EQ(back, (OrganisationTexts{QStringLiteral("Circolo Verdi"), QString(),
                                       QStringLiteral("Via Roma 1, Roma"),
                                       QStringLiteral("Tessera personale")}));
    // The margins written later keep the organisation's section as it was.
    ASSERT_TRUE(writePrintSettings(path, {-2, 3, true}));
    EXPECT_EQ(readOrganisation(path), back);
    EXPECT_EQ(readPrintSettings(path), (CardPrintSettings{-2, 3, true}));
}

TEST(Organisation, WindowShowsSavedTextsAndSavesEditsOnClose) {
    CardWindow c;
    writeIni(c.h, "[Dati Ente]\r\nDenominazione=Circolo\r\nAnnotazioni=Valida un anno\r\n");
    c.open();
    EXPECT_EQ(c.text("titAssociazione"), QStringLiteral("Circolo"));
    EXPECT_EQ(c.text("titSottotitolo01"), QString());
    EXPECT_EQ(c.text("titAnnotazioni"), QStringLiteral("Valida un anno"));

    c.h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TfrmDatiEnte"));
        EXPECT_EQ(child<QLabel>(&d, QStringLiteral("lblMemory"))->text(),
                  QStringLiteral("tessera"));
        EXPECT_EQ(child<QLineEdit>(&d, QStringLiteral("txtAssociazione"))->text(),
                  QStringLiteral("Circolo"));
        child<QLineEdit>(&d, QStringLiteral("txtAssociazione"))
            ->setText(QStringLiteral("  Circolo Blu  "));
        child<QLineEdit>(&d, QStringLiteral("txtSottotitolo02"))
            ->setText(QStringLiteral(" Tel. 06 123 "));
        child<QPushButton>(&d, QStringLiteral("btnApplica"))->click();
        return d.result();
    };
    c.w->editOrganisation();
    EXPECT_EQ(c.text("titAssociazione"), QStringLiteral("Circolo Blu"));
    EXPECT_EQ(c.text("titSottotitolo02"), QStringLiteral("Tel. 06 123"));
    EXPECT_EQ(readOrganisation(c.h.path(kSettingsFileName)).name,
              QStringLiteral("Circolo")); // not yet saved

    c.close();
    EXPECT_EQ(readOrganisation(c.h.path(kSettingsFileName)),
              (OrganisationTexts{QStringLiteral("Circolo Blu"), QString(),
                                 QStringLiteral("Tel. 06 123"), QStringLiteral("Valida un anno")}));
}

TEST(Organisation, CancelInDialogLeavesCardTexts) {
    CardWindow c;
    writeIni(c.h, "[Dati Ente]\r\nDenominazione=Circolo\r\n");
    c.open();
    c.h.fake.onModal = [](QDialog& d) {
        child<QLineEdit>(&d, QStringLiteral("txtAssociazione"))->setText(QStringLiteral("Altro"));
        child<QLineEdit>(&d, QStringLiteral("txtAnnotazioni"))->setText(QStringLiteral("Nota"));
        child<QPushButton>(&d, QStringLiteral("btnAnnulla"))->click();
        return d.result();
    };
    c.w->editOrganisation();
    EXPECT_EQ(c.text("titAssociazione"), QStringLiteral("Circolo"));
    EXPECT_EQ(c.text("titAnnotazioni"), QString());
}

// A character the settings file cannot hold keeps the dialog open on its field.
TEST(Organisation, DialogRefusesWhatTheFileCannotHold) {
    testing_support::Harness h;
    TfrmDatiEnte d(h.ctx, nullptr, QStringLiteral("tessera"), {});
    d.show();
    auto* notes = child<QLineEdit>(&d, QStringLiteral("txtAnnotazioni"));
    notes->setText(QStringLiteral("Valida fino al 31/12 \u2192 rinnovo"));
    child<QPushButton>(&d, QStringLiteral("btnApplica"))->click();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_TRUE(h.fake.lastMessage().text.startsWith(
        QStringLiteral("Attenzione: il carattere \"\u2192\" del campo Annotazioni")));
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.focusWidget(), notes);
    notes->setText(QStringLiteral("Valida un anno \u20ac"));
    child<QPushButton>(&d, QStringLiteral("btnApplica"))->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.texts().notes, QStringLiteral("Valida un anno \u20ac"));
}

TEST(Organisation, EnterMovesRoundTheFourFields) {
    testing_support::Harness h;
    TfrmDatiEnte d(h.ctx, nullptr, QStringLiteral("tessera"), {});
    d.show();
    const char* ring[] = {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02",
                          "txtAnnotazioni", "txtAssociazione"};
    EXPECT_EQ(d.focusWidget(), child<QLineEdit>(&d, QLatin1String(ring[0])));
    for (int i = 0; i < 4; ++i) {
        testing_support::press(child<QLineEdit>(&d, QLatin1String(ring[i])), Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(&d, QLatin1String(ring[i + 1]))) << ring[i + 1];
    }
}

// The logo file is rewritten only when it has something new to hold.
TEST(Organisation, LogoIsWrittenOnlyWhenChangedOrMissing) {
    struct Case {
        const char* what;
        QByteArray fileBefore; // empty: no file
        void (*action)(TfrmTessera&, testing_support::FakePlatform&);
        bool rewritten;
        QColor centre; // of the written logo
    };
    const QByteArray garbage("not a picture");
    const QImage red = picture(60, 60, Qt::red);
    QByteArray redJpeg;
    {
        QTemporaryDir tmp;
        members::writeJpeg(tmp.filePath(QStringLiteral("r.jpg")), red);
        redJpeg = fileBytes(tmp.filePath(QStringLiteral("r.jpg")));
    }
    const Case cases[] = {
        {"unchanged readable logo",
         redJpeg,
         [](TfrmTessera&, testing_support::FakePlatform&) {},
         false,
         {}},
        {"unreadable logo, untouched",
         garbage,
         [](TfrmTessera&, testing_support::FakePlatform&) {},
         false,
         {}},
        {"cleared logo", redJpeg,
         [](TfrmTessera& w, testing_support::FakePlatform&) { w.clearLogo(); }, true, Qt::white},
        {"chooser cancelled",
         redJpeg,
         [](TfrmTessera& w, testing_support::FakePlatform& f) {
             f.fileAnswers = {QString()};
             w.chooseLogo();
         },
         false,
         {}},
    };
    for (const Case& c : cases) {
        CardWindow cw;
        if (!c.fileBefore.isEmpty())
            testing_support::writeFile(cw.h.path(kLogoFileName), c.fileBefore);
        cw.open();
        c.action(*cw.w, cw.h.fake);
        cw.close();
        const QByteArray after = fileBytes(cw.h.path(kLogoFileName));
        EXPECT_EQ(after != c.fileBefore, c.rewritten) << c.what;
        if (c.rewritten) {
            const QImage written = QImage::fromData(after);
            EXPECT_EQ(written.size(), QSize(kLogoWidth, kLogoHeight)) << c.what;
            EXPECT_EQ(qGray(written.pixel(59, 59)), qGray(c.centre.rgb())) << c.what;
        }
    }
}

TEST(Organisation, ChosenLogoIsStretchedToLogoSize) {
    CardWindow c;
    c.open();
    const QString bmp = c.h.path(QStringLiteral("wide.bmp"));
    QImage wide = picture(500, 200, Qt::blue);
    QPainter(&wide).fillRect(0, 0, 250, 200, Qt::yellow); // left half yellow
    ASSERT_TRUE(wide.save(bmp, "BMP"));
    c.h.fake.fileAnswers = {bmp};
    c.w->chooseLogo();
    ASSERT_EQ(c.h.fake.fileDialogs.size(), 1u);
    EXPECT_EQ(c.h.fake.fileDialogs[0].title,
              QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    EXPECT_EQ(c.w->card()->logo()->image().size(), QSize(500, 200));
    c.close();
    const QImage logo(c.h.path(kLogoFileName));
    ASSERT_EQ(logo.size(), QSize(kLogoWidth, kLogoHeight));
    // Stretched, not fitted: the halves still split the picture down the middle, top to bottom.
    EXPECT_GT(qRed(logo.pixel(20, 5)), 200);
    EXPECT_LT(qRed(logo.pixel(100, 112)), 60);

    // A file that is not a picture puts the placeholder in, and that is what gets saved.
    c.open();
    c.h.fake.fileAnswers = {c.h.path(kSettingsFileName)};
    c.w->chooseLogo();
    EXPECT_EQ(c.w->card()->logo()->image(), placeholderLogo());
}

} // namespace

namespace {

TEST(Organisation, UnwritableLogoLeavesTheOldFileAndShowsThePlaceholder) {
    CardWindow c;
    // A folder stands where the logo goes: it can be neither read nor replaced.
    ASSERT_TRUE(QDir(c.h.ctx.folder).mkdir(cards::kLogoFileName));
    c.open();
    c.w->clearLogo();
    c.close();
    EXPECT_TRUE(QFileInfo(c.h.path(cards::kLogoFileName)).isDir());
    EXPECT_EQ(c.w->card()->logo()->image(), cards::placeholderLogo());
    EXPECT_TRUE(c.h.fake.messages.empty());
}

} // namespace
