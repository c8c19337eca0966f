#include "book/frm_frontespizio_reg.h"
#include "book/title_page.h"
#include "core/ini_file.h"
#include "fake_platform.h"
#include "files.h"
#include "golden.h"
#include "paint_recorder.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace book;
using testing_support::child;

namespace {

QLineEdit* field(QWidget* w, int i) {
    return child<QLineEdit>(w, QLatin1String(kTitleKeys[i].control));
}

} // namespace

TEST(TitlePageWindow, ShowsTheStoredTextsAndWritesThemTrimmedOnClose) {
    testing_support::Harness h;
    QWidget list;
    const QString ini = h.path(kTitleIniFileName);
    testing_support::writeFile(
        ini, "[Frontespizio Registro]\r\nDenominazione Associazione=Circolo Il Faro\r\n"
             "Numero Libro=3\r\n[Altro]\r\nChiave=resta\r\n");
    {
        TfrmFrontespizioReg w(h.ctx, &list);
        EXPECT_EQ(w.objectName(), "TfrmFrontespizioReg");
        EXPECT_EQ(w.windowTitle(), " Frontespizio Libro Soci");
        EXPECT_EQ(field(&w, 0)->text(), "Circolo Il Faro");
        EXPECT_EQ(field(&w, 2)->text(), "3");
        EXPECT_EQ(field(&w, 1)->text(), "");
        for (std::size_t i = 0; i < kTitleKeyCount; ++i)
            EXPECT_EQ(field(&w, int(i))->maxLength(), kTitleKeys[i].limit);
        field(&w, 9)->setText(u"  Bianchi Anna  "_qs);
        child<QPushButton>(&w, u"btnChiudi"_qs)->click();
    }
    const TitleTexts stored = readTitlePage(ini);
    EXPECT_EQ(stored[0], "Circolo Il Faro");
    EXPECT_EQ(stored[9], "Bianchi Anna");
    EXPECT_EQ(core::IniFile::read(ini, u"Altro"_qs, u"Chiave"_qs), "resta");
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(TitlePageWindow, EnterMovesRoundTheTenFields) {
    testing_support::Harness h;
    TfrmFrontespizioReg w(h.ctx, nullptr);
    w.show();
    QApplication::setActiveWindow(&w);
    for (std::size_t i = 0; i <= kTitleKeyCount; ++i) {
        QLineEdit* current = field(&w, int(i % kTitleKeyCount));
        current->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(current, &enter);
        EXPECT_TRUE(field(&w, int((i + 1) % kTitleKeyCount))->hasFocus()) << i;
    }
    w.reject(); // closing by the frame writes too
    EXPECT_TRUE(QFile::exists(h.path(kTitleIniFileName)));
}

TEST(TitlePageWindow, PreviewAndPrintTheLandscapeCoverWithoutClosing) {
    testing_support::Harness h;
    TfrmFrontespizioReg w(h.ctx, nullptr);
    w.show();
    child<QPushButton>(&w, u"btnAnteprima"_qs)->click();
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    ASSERT_EQ(h.fake.printCalls.size(), 2u);
    EXPECT_TRUE(h.fake.printCalls[0].preview);
    EXPECT_FALSE(h.fake.printCalls[1].preview);
    for (const auto& call : h.fake.printCalls)
        EXPECT_EQ(call.layout.orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(w.isVisible());
}

TEST(TitlePageTemplate, DateIsEvaluatedOnlyInTheFourBoxes) {
    TitleTexts texts;
    texts.fill(u"al [DATE]"_qs);
    const reports::Report report = printedTitlePage(texts, QDate(2026, 3, 15));
    const QStringList painted = reports::recordPages(report).at(0).lines();
    EXPECT_EQ(painted.count(u"al 15/03/2026"_qs), 4); // activities, address, fiscal code, contacts
    EXPECT_EQ(painted.count(u"al [DATE]"_qs), 6);
    EXPECT_TRUE(painted.contains(u"IL PRESIDENTE:"_qs));
}

TEST(TitlePageTemplate, PrintedCoverMatchesItsReference) {
    const TitleTexts texts = {u"Circolo Culturale Il Faro"_qs,
                              u"Via Roma 1, 00100 Roma"_qs,
                              u"3"_qs,
                              u"128"_qs,
                              u"Attività culturali e ricreative"_qs,
                              u"Casella postale 12, 00100 Roma"_qs,
                              u"97012340583 - Registro APS n. 45"_qs,
                              u"06 1234567 - info@ilfaro.it"_qs,
                              u"Bianchi Luca"_qs,
                              u"Neri Paola"_qs};
    EXPECT_TRUE(testing_support::matchesGolden(u"book_title_page"_qs,
                                               printedTitlePage(texts, QDate(2026, 3, 15))));
}
