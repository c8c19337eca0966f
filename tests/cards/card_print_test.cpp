#include "cards/frm_stampa_tessera.h"
#include "cards/frm_stampa_tessere.h"
#include "cards/frm_tessera.h"
#include "cards_fixture.h"
#include "golden.h"
#include "paint_recorder.h"
#include "pdf_text.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using namespace cards;
using namespace cards_test;

constexpr double kDpi = 300, kDpmm = kDpi / 25.4;
const QDate kToday(2026, 3, 15);

// The card outlines painted on a page (white rectangles of card size), in mm from the paper's
// corner.
std::vector<QRectF> cardOutlines(const reports::Report& report) {
    std::vector<QRectF> out;
    const auto pages = reports::recordPages(report, kDpi);
    for (const reports::PaintedFill& f : pages.at(0).fills) {
        const QRectF mm(f.rect.left() / kDpmm, f.rect.top() / kDpmm, f.rect.width() / kDpmm,
                        f.rect.height() / kDpmm);
        if (f.colour == QColor(Qt::white) && std::abs(mm.width() - kCardWidthMm) < 1)
            out.push_back(mm);
    }
    return out;
}

void expectNear(const QRectF& got, const QRectF& want, double tolerance, const std::string& what) {
    EXPECT_NEAR(got.left(), want.left(), tolerance) << what;
    EXPECT_NEAR(got.top(), want.top(), tolerance) << what;
    EXPECT_NEAR(got.width(), want.width(), tolerance) << what;
    EXPECT_NEAR(got.height(), want.height(), tolerance) << what;
}

CardContent sampleCard() {
    CardContent c;
    c.organisation = {QStringLiteral("Circolo"), QStringLiteral("Via Roma 1"),
                      QStringLiteral("Tel. 06 1"), QStringLiteral("Valida un anno")};
    c.logo = placeholderLogo();
    c.photo = members::placeholderPhoto();
    c.tesserato = QStringLiteral("Rossi Mario");
    return c;
}

TEST(CardPrint, CardStandsTenMillimetresPlusMarginsFromThePaperCorner) {
    struct Case {
        int top, left;
        bool landscape;
    };
    const Case cases[] = {{0, 0, false}, {5, 12, false}, {-1, 0, false},
                          {0, -3, true}, {-4, -6, true}, {20, 30, true}};
    for (const Case& c : cases) {
        const reports::Report report =
            printedCard(sampleCard(), {c.top, c.left, c.landscape}, kToday);
        const std::string what =
            std::to_string(c.top) + "/" + std::to_string(c.left) + (c.landscape ? " L" : " P");
        EXPECT_EQ(report.layout().page.widthMm, c.landscape ? 297 : 210) << what;
        // The printer's own margins stay at zero: the card moves, not the page.
        EXPECT_EQ(report.pageLayout().margins(), QMarginsF()) << what;
        const auto outlines = cardOutlines(report);
        ASSERT_EQ(outlines.size(), 1u) << what;
        expectNear(outlines[0], QRectF(10 + c.left, 10 + c.top, 86, 54), 0.01, what);
    }
}

TEST(CardPrint, SheetHoldsNineCardsOnTheGrid) {
    std::array<CardContent, kSheetSlots> cards;
    cards.fill(sampleCard());
    const reports::Report report = printedSheet(cards, kToday);
    EXPECT_EQ(report.layout().page.orientation, QPageLayout::Landscape);
    EXPECT_EQ(report.layout().page.widthMm, 297);
    const auto outlines = cardOutlines(report);
    ASSERT_EQ(outlines.size(), 9u);
    const double lefts[] = {10, 105, 199}, tops[] = {10, 75, 140};
    for (int i = 0; i < 9; ++i)
        expectNear(outlines[i], QRectF(lefts[i % 3], tops[i / 3], 86, 54), 0.01,
                   "slot " + std::to_string(i));
    // Every slot's texts stay inside its own card.
    const auto pages = reports::recordPages(report, kDpi);
    for (const reports::PaintedText& t : pages.at(0).texts) {
        bool inside = false;
        for (const QRectF& o : outlines)
            inside = inside || QRectF(o.topLeft() * kDpmm, o.size() * kDpmm).contains(t.clip);
        EXPECT_TRUE(inside) << t.text.toStdString();
    }
}

// Every field filled, so each printed object is pinned.
CardContent fullCard(const QString& name, const QString& number) {
    CardContent c = sampleCard();
    c.tesserato = name;
    c.carica = QStringLiteral("Socio ordinario");
    c.numTessera = number;
    c.dataRil = QStringLiteral("01/02/2026");
    c.dataScade = QStringLiteral("31/12/2026");
    return c;
}

TEST(CardPrint, SingleCardPrintsAsItsGoldenReference) {
    EXPECT_TRUE(testing_support::matchesGolden(
        u"card"_qs, printedCard(fullCard(u"Rossi Mario"_qs, u"T-001"_qs), {}, kToday)));
}

TEST(CardPrint, NineCardSheetPrintsAsItsGoldenReference) {
    // A different member in every slot, so a slot that moves or swaps shows.
    std::array<CardContent, kSheetSlots> cards;
    for (int i = 0; i < kSheetSlots; ++i)
        cards[i] = fullCard(u"Socio "_qs + QChar(u'A' + i), u"T-00"_qs + QString::number(i + 1));
    EXPECT_TRUE(testing_support::matchesGolden(u"card_sheet"_qs, printedSheet(cards, kToday)));
}

TEST(CardPrint, LongTextsAreClippedInsideTheirBoxes) {
    CardContent c = sampleCard();
    c.organisation.name =
        QStringLiteral("Associazione Sportiva Dilettantistica Polisportiva Giovanile Roma Nord");
    c.tesserato = QStringLiteral("Bartolomei-Santangelo Massimiliano Gianfrancesco Maria");
    c.numTessera = QStringLiteral("2026/000123456789-ABCDEFGHIJ");
    const reports::Report report = printedCard(c, {}, kToday);
    const auto page = reports::recordPages(report, kDpi).at(0);
    int checked = 0;
    for (const reports::PaintedText& t : page.texts)
        for (const reports::PlacedObject& o : report.pages()[0].objects)
            if (o.object.text() == t.text) {
                const QRectF box((o.object.rect.left() + 0) * kDpmm, o.object.rect.top() * kDpmm,
                                 o.object.rect.width() * kDpmm, o.object.rect.height() * kDpmm);
                EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(t.clip)) << t.text.toStdString();
                ++checked;
            }
    EXPECT_GE(checked, 3);
}

// Rendered through the print window to a PDF and measured on the raster: the outermost ink is
// the card's outline.
QRectF inkBoundsMm(const QImage& img, int dpi) {
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
    const double px = 25.4 / dpi;
    return {ink.left() * px, ink.top() * px, ink.width() * px, ink.height() * px};
}

TEST(CardPrint, PrintWindowPutsTheCardWhereTheMarginsSay) {
    struct Case {
        const char* ini;
        int plusTop, plusLeft; // clicks on "+" (negative: on "-")
        bool landscape;
        QRectF expected;
    };
    const Case cases[] = {
        {"", 0, 0, false, {10, 10, 86, 54}},
        {"[Margini Stampa]\r\nSuperiore=2\r\nSinistro=\r\n", -3, 4, false, {14, 9, 86, 54}},
        {"[Stampa Tesserino]\r\nOrientamento=Orizzontale\r\n", 5, -2, true, {8, 15, 86, 54}},
    };
    for (const Case& c : cases) {
        testing_support::Harness h;
        writeIni(h, c.ini);
        h.fake.pdfPath = h.path(QStringLiteral("card.pdf"));
        TfrmStampaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
        auto click = [&](const char* name, int times) {
            for (int i = 0; i < times; ++i)
                child<QPushButton>(&dialog, QLatin1String(name))->click();
        };
        click(c.plusTop > 0 ? "btnPiuSuperiore" : "btnMenoSuperiore", std::abs(c.plusTop));
        click(c.plusLeft > 0 ? "btnPiuSinistro" : "btnMenoSinistro", std::abs(c.plusLeft));
        EXPECT_EQ(child<QRadioButton>(&dialog, QStringLiteral("optOrizzontale"))->isChecked(),
                  c.landscape);
        child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
        EXPECT_TRUE(h.fake.messages.empty());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const QImage page = testing_support::pdfPage(h.fake.pdfPath, 150);
        if (page.isNull()) GTEST_SKIP() << "pdftoppm not available";
        EXPECT_NEAR(page.width() * 25.4 / 150, c.landscape ? 297 : 210, 1);
        // The outline's thin pen reaches 0.1 mm outside the card on each side.
        expectNear(inkBoundsMm(page, 150), c.expected.adjusted(-0.1, -0.1, 0.1, 0.1), 0.3, c.ini);
    }
}

TEST(CardPrint, MarginsAreReadChangedAndSaved) {
    testing_support::Harness h;
    writeIni(h, "[Margini Stampa]\r\nSuperiore= 3 \r\nSinistro=\r\n[Stampa "
                "Tesserino]\r\nOrientamento=Obliquo\r\n");
    {
        TfrmStampaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
        EXPECT_EQ(child<QLineEdit>(&dialog, QStringLiteral("txtSuperiore"))->text(),
                  QStringLiteral("3"));
        EXPECT_EQ(child<QLineEdit>(&dialog, QStringLiteral("txtSinistro"))->text(),
                  QStringLiteral("0"));
        EXPECT_TRUE(child<QLineEdit>(&dialog, QStringLiteral("txtSinistro"))->isReadOnly());
        EXPECT_TRUE(child<QRadioButton>(&dialog, QStringLiteral("optVerticale"))->isChecked());
        for (int i = 0; i < 5; ++i)
            child<QPushButton>(&dialog, QStringLiteral("btnMenoSuperiore"))->click();
        child<QPushButton>(&dialog, QStringLiteral("btnPiuSinistro"))->click();
        EXPECT_EQ(child<QLineEdit>(&dialog, QStringLiteral("txtSuperiore"))->text(),
                  QStringLiteral("-2"));
        // "Annulla" keeps the file as it was.
        child<QPushButton>(&dialog, QStringLiteral("btnAnnulla"))->click();
        EXPECT_EQ(readPrintSettings(h.path(kSettingsFileName)), (CardPrintSettings{3, 0, false}));
    }
    TfrmStampaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
    child<QPushButton>(&dialog, QStringLiteral("btnMenoSuperiore"))->click();
    child<QRadioButton>(&dialog, QStringLiteral("optOrizzontale"))->setChecked(true);
    h.fake.printAccepted = false; // cancelled in the print dialog: still saved, nothing reported
    child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
    EXPECT_TRUE(h.fake.messages.empty());
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    const QString ini = QString::fromLatin1(fileBytes(h.path(kSettingsFileName)));
    EXPECT_TRUE(ini.contains(QStringLiteral("Superiore=2\r\n"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("Sinistro=0\r\n"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("Orientamento=Orizzontale\r\n"))) << ini.toStdString();
}

TEST(CardPrint, PrinterFailureShowsTheWarningAndKeepsTheSettings) {
    testing_support::Harness h;
    h.fake.pdfPath = QStringLiteral("/nonexistent-folder/card.pdf");
    TfrmStampaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
    child<QPushButton>(&dialog, QStringLiteral("btnPiuSinistro"))->click();
    child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_EQ(h.fake.lastMessage().text,
              QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi "
                             "che la stampante sia "
                             "configurata correttamente."));
    EXPECT_EQ(readPrintSettings(h.path(kSettingsFileName)).left, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(CardPrint, SettingsThatCannotBeSavedStopThePrintWithTheWarning) {
    testing_support::Harness h;
    QDir(h.dir.path()).mkdir(kSettingsFileName); // a folder in the settings file's place
    TfrmStampaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
    child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
    EXPECT_TRUE(h.fake.printCalls.empty());
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_TRUE(h.fake.lastMessage().text.startsWith(
        QStringLiteral("Attenzione: la stampa non è andata a buon fine.")));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// The four card prompts keep their names, captions and buttons, paint their wait line, and read
// the card window only when their button is pressed.
template <class Prompt, class Source>
std::unique_ptr<QDialog> open(platform::Context& ctx, const CardSource& card,
                              const SheetSource& sheet) {
    if constexpr (std::is_same_v<Source, CardSource>)
        return std::make_unique<Prompt>(ctx, nullptr, card);
    else
        return std::make_unique<Prompt>(ctx, nullptr, sheet);
}

TEST(CardPrint, EachPromptPrintsOrPreviewsWhatItsWindowHoldsAtThePress) {
    struct Case {
        decltype(&open<TfrmStampaTessera, CardSource>) make;
        const char* name;
        const char* caption;
        const char* go;
        const char* goText;
        bool preview;
        QPageLayout::Orientation orientation;
    };
    const Case cases[] = {
        {open<TfrmStampaTessera, CardSource>, "TfrmStampaTessera", " Stampa tesserino", "btnStampa",
         "Stampa", false, QPageLayout::Portrait},
        {open<TfrmAnteprimaTessera, CardSource>, "TfrmAnteprimaTessera", " Anteprima di stampa",
         "btnAnteprima", "Mostra anteprima", true, QPageLayout::Portrait},
        {open<TfrmStampaTessere, SheetSource>, "TfrmStampaTessere",
         " Stampa più tessere su foglio A4", "btnStampa", "Stampa", false, QPageLayout::Landscape},
        {open<TfrmAnteprimaTessere, SheetSource>, "TfrmAnteprimaTessere", " Anteprima di stampa",
         "btnAnteprima", "Mostra anteprima", true, QPageLayout::Landscape},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Harness h;
        int reads = 0;
        PaintCounter waitLine;
        int waitPaintsAtRead = 0; // the wait line must be on screen before the slow part
        const CardSource card = [&] {
            ++reads;
            waitPaintsAtRead = waitLine.paints;
            return sampleCard();
        };
        const SheetSource sheet = [&] {
            ++reads;
            waitPaintsAtRead = waitLine.paints;
            std::array<CardContent, kSheetSlots> cards;
            cards.fill(sampleCard());
            return cards;
        };
        const std::unique_ptr<QDialog> dialog = c.make(h.ctx, card, sheet);
        child<QLabel>(dialog.get(), QStringLiteral("lblAttendere"))->installEventFilter(&waitLine);
        dialog->show();
        EXPECT_EQ(dialog->objectName(), QString::fromUtf8(c.name));
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(child<QPushButton>(dialog.get(), QStringLiteral("btnAnnulla"))->text(),
                  QStringLiteral("Annulla"));
        auto* go = child<QPushButton>(dialog.get(), QString::fromUtf8(c.go));
        ASSERT_NE(go, nullptr);
        EXPECT_EQ(go->text(), QString::fromUtf8(c.goText));
        EXPECT_EQ(reads, 0);
        go->click();
        EXPECT_EQ(reads, 1);
        EXPECT_GE(waitPaintsAtRead, 1);
        ASSERT_EQ(h.fake.printCalls.size(), 1u);
        EXPECT_EQ(h.fake.printCalls[0].preview, c.preview);
        EXPECT_EQ(h.fake.printCalls[0].layout.orientation(), c.orientation);
        EXPECT_TRUE(h.fake.messages.empty());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
}

TEST(CardPrint, PreviewShowsThePortraitCardWithoutTheSavedMargins) {
    testing_support::Harness h;
    writeIni(h, "[Margini Stampa]\r\nSuperiore=7\r\nSinistro=7\r\n[Stampa "
                "Tesserino]\r\nOrientamento=Orizzontale\r\n");
    h.fake.pdfPath = h.path(QStringLiteral("preview.pdf"));
    TfrmAnteprimaTessera dialog(h.ctx, nullptr, [] { return sampleCard(); });
    child<QPushButton>(&dialog, QStringLiteral("btnAnteprima"))->click();
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_TRUE(h.fake.printCalls[0].preview);
    EXPECT_EQ(h.fake.printCalls[0].layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const QImage page = testing_support::pdfPage(h.fake.pdfPath, 150);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm not available";
    expectNear(inkBoundsMm(page, 150), QRectF(9.9, 9.9, 86.2, 54.2), 0.3, "preview");
}

} // namespace
