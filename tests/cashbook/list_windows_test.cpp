#include "cashbook/frm_sospesi_mov.h"
#include "cashbook/frm_trova_movimenti.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;
using testing_support::child;
using testing_support::Harness;

namespace {

platform::TextList* listOf(QWidget* w) {
    return w->findChild<platform::TextList*>(u"lstRecords"_qs);
}

void doubleClick(platform::TextList* list, int row) {
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

struct ListWindows : ::testing::Test {
    Harness h;
    QString path = yearPath(h.dir.path());
    void SetUp() override {
        addMovement(path, income(u"10,00"_qs, {{Causale, u"Quota sociale"_qs},
                                               {Note, u"contanti"_qs},
                                               {Saldato, kNo},
                                               {DataSca, u"10/03/2026"_qs}}));
        addMovement(path, expense(u"50,00"_qs, {{Causale, u"Affitto sala"_qs},
                                                {Note, u"bonifico"_qs},
                                                {Saldato, kNo},
                                                {DataSca, u"20/03/2026"_qs},
                                                {Preavviso, u"5"_qs}}));
        addMovement(path, income(u"30,00"_qs, {{Causale, u"Quota corso"_qs}}));
    }
};

} // namespace

TEST_F(ListWindows, SearchListsMatchesAndLoadsTheChosenMovement) {
    TfrmTrovaMovimenti w(h.ctx, nullptr, path, u"movimenti"_qs);
    EXPECT_EQ(w.windowTitle(), u" Trova movimenti in archivio"_qs);
    EXPECT_FALSE(child<QWidget>(&w, u"panAvvio"_qs)->isHidden());
    EXPECT_TRUE(child<QWidget>(&w, u"panContainer"_qs)->isHidden());
    EXPECT_EQ(child<QLabel>(&w, u"lblTrovate"_qs)->text(),
              u"Il presente elenco contiene 0 schede."_qs);

    child<QLineEdit>(&w, u"txtCausale"_qs)->setText(u"quota"_qs);
    child<QLineEdit>(&w, u"txtNote"_qs)->setText(u" "_qs); // a stray blank is no filter
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    EXPECT_TRUE(child<QWidget>(&w, u"panAvvio"_qs)->isHidden());
    ASSERT_EQ(listOf(&w)->count(), 2);
    EXPECT_TRUE(listOf(&w)->lines()[0].startsWith(u"Quota corso"_qs));
    EXPECT_EQ(child<QLabel>(&w, u"lblTrovate"_qs)->text(),
              u"Il presente riepilogo contiene 2 schede."_qs);

    doubleClick(listOf(&w), 1);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_TRUE(w.chosen());
    EXPECT_EQ(w.chosen()->number, 1);
    EXPECT_EQ((*w.chosen())[Note], u"contanti"_qs);
}

TEST_F(ListWindows, SearchInAnotherModeLoadsNothing) {
    TfrmTrovaMovimenti w(h.ctx, nullptr, path, u"altro"_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    doubleClick(listOf(&w), 0);
    EXPECT_FALSE(w.chosen());
}

TEST_F(ListWindows, SearchFailureShowsTheAccessMessageAndKeepsTheFilters) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    TfrmTrovaMovimenti w(h.ctx, nullptr, path, u"movimenti"_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Plain);
    EXPECT_TRUE(h.fake.lastMessage().text.startsWith(
        u"Attenzione: il sistema non permette di accedere all'archivio."_qs));
    EXPECT_FALSE(child<QWidget>(&w, u"panAvvio"_qs)->isHidden());
}

TEST_F(ListWindows, PendingListsOpenPaymentsDueAndPrints) {
    h.fake.todayValue = QDate(2026, 3, 15);
    TfrmSospesiMov w(h.ctx, nullptr, path);
    EXPECT_EQ(w.windowTitle(), u" Riepilogo pagamenti in scadenza o scaduti"_qs);
    ASSERT_EQ(listOf(&w)->count(), 2); // overdue, and inside its five days of notice
    EXPECT_TRUE(listOf(&w)->lines()[0].startsWith(u"Affitto sala"_qs));

    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    EXPECT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_TRUE(h.fake.messages.empty());

    doubleClick(listOf(&w), 0);
    ASSERT_TRUE(w.chosen());
    EXPECT_EQ(w.chosen()->number, 2);
}

TEST_F(ListWindows, FindInListWrapsAndAnEmptyKeyFindsNothing) {
    TfrmSospesiMov w(h.ctx, nullptr, yearPath(h.dir.path()));
    auto* txt = child<QLineEdit>(&w, u"txtTrova"_qs);
    auto* btn = child<QPushButton>(&w, u"btnTrova"_qs);
    auto* list = listOf(&w);
    txt->setText(u"IMPORTO"_qs);
    btn->click();
    EXPECT_EQ(list->selectedRow(), 0);
    btn->click();
    EXPECT_EQ(list->selectedRow(), 1);
    btn->click();
    EXPECT_EQ(list->selectedRow(), 0); // wrapped
    txt->clear();
    btn->click();
    btn->click();
    EXPECT_EQ(list->selectedRow(), 0);

    TfrmSospesiMov none(h.ctx, nullptr, h.path(u"1999.eur"_qs));
    child<QPushButton>(&none, u"btnTrova"_qs)->click();
    EXPECT_EQ(h.fake.lastMessage().text,
              u"Ricerca non applicabile: la lista non contiene nessuna voce."_qs);
}

TEST_F(ListWindows, EnterInTheFindFieldOnlyMovesTheFocusToTrova) {
    TfrmSospesiMov w(h.ctx, nullptr, yearPath(h.dir.path()));
    w.show();
    QApplication::setActiveWindow(&w);
    auto* txt = child<QLineEdit>(&w, u"txtTrova"_qs);
    auto* btn = child<QPushButton>(&w, u"btnTrova"_qs);
    txt->setFocus();
    txt->setText(u"IMPORTO"_qs);
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), btn);
    EXPECT_EQ(listOf(&w)->selectedRow(), -1); // nothing found with that Enter
    QTest::keyClick(btn, Qt::Key_Return);
    EXPECT_EQ(listOf(&w)->selectedRow(), 0);
}
