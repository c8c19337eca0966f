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

// Stored values longer than the typing limit are shown and written back whole; a character the
// file cannot hold keeps the window open on its field, and nothing is written.
TEST(TitlePageWindow, NeverChangesAText) {
    testing_support::Harness h;
    QWidget list;
    const QString ini = h.path(kTitleIniFileName);
    const QString signature = QString(70, u'F');
    testing_support::writeFile(
        ini, "[Frontespizio Registro]\r\nFirma Presidente=" + signature.toLatin1() + "\r\n");
    {
        TfrmFrontespizioReg w(h.ctx, &list);
        EXPECT_EQ(field(&w, 8)->text(), signature);
        w.done(QDialog::Accepted);
    }
    EXPECT_EQ(readTitlePage(ini)[8], signature);

    const QByteArray before = testing_support::fileBytes(ini);
    TfrmFrontespizioReg w(h.ctx, &list);
    field(&w, 1)->setText(u"\u0141\u00f3d\u017a"_qs);
    w.done(QDialog::Accepted);
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_TRUE(h.fake.lastMessage().text.contains(u"\"\u0141\" del campo Sede Legale"_qs));
    EXPECT_EQ(w.focusWidget(), field(&w, 1));
    EXPECT_EQ(testing_support::fileBytes(ini), before);
    field(&w, 1)->setText(u"Lodz"_qs);
    w.done(QDialog::Accepted);
    EXPECT_EQ(readTitlePage(ini)[1], u"Lodz"_qs);
}
