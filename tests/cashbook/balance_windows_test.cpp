#include "cashbook/frm_bilancio.h"
#include "cashbook/frm_menu_bilancio.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"
#include "golden.h"
#include "reports/list_report.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace cashbook;
using namespace cashbook_fixture;
using testing_support::child;
using testing_support::Harness;

namespace {

struct BalanceMenu : ::testing::Test {
    Harness h;
    TfrmMenuBilancio menu{h.ctx};
    // What the result window showed, captured while it is open.
    QStringList lines;
    QString totals[3], tipologia, intervallo;

    void SetUp() override {
        h.fake.onModal = [this](QDialog& d) {
            if (d.objectName() != u"TfrmBilancio"_qs) return int(QDialog::Rejected);
            lines = d.findChild<platform::TextList*>(u"lstRecords"_qs)->lines();
            const char* names[] = {"lblTotEntrate", "lblTotUscite", "lblBilancio"};
            for (int i = 0; i < 3; ++i)
                totals[i] = child<QLabel>(&d, QString::fromLatin1(names[i]))->text();
            tipologia = child<QLabel>(&d, u"titTipologia"_qs)->text();
            intervallo = child<QLabel>(&d, u"lblIntervallo"_qs)->text();
            return int(QDialog::Accepted);
        };
        menu.show();
    }
    void choose(const char* name, const QString& item) {
        auto* box = child<QComboBox>(&menu, QString::fromLatin1(name));
        box->setCurrentIndex(box->findText(item));
    }
    void interval(const QString& d1, const QString& m1, const QString& d2, const QString& m2) {
        choose("txtGiornoInizio", d1);
        choose("txtMeseInizio", m1);
        choose("txtGiornoFine", d2);
        choose("txtMeseFine", m2);
    }
    void visualizza() { child<QPushButton>(&menu, u"btnVisualizza"_qs)->click(); }
};

} // namespace

TEST_F(BalanceMenu, StartsEmptyOnTheCurrentYear) {
    EXPECT_EQ(child<QLineEdit>(&menu, u"txtAnno"_qs)->text(), u"2026"_qs);
    EXPECT_EQ(child<QLabel>(&menu, u"lblAnnoInizio"_qs)->text(), u"2026"_qs);
    EXPECT_EQ(child<QComboBox>(&menu, u"txtMeseFine"_qs)->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(&menu, u"txtGiornoInizio"_qs)->count(), 31);
    QTest::keyClicks(child<QLineEdit>(&menu, u"txtAnno"_qs), u"x"_qs);
    child<QLineEdit>(&menu, u"txtAnno"_qs)->setText(u"2025"_qs);
    EXPECT_EQ(child<QLabel>(&menu, u"lblAnnoFine"_qs)->text(), u"2025"_qs);
}

TEST_F(BalanceMenu, ShowsTheWorkedFiguresOfTheInterval) {
    const QString path = yearPath(h.dir.path());
    addMovement(path, income(u"100,00"_qs, {{Data, u"01/03/2026"_qs}}));
    addMovement(path, expense(u"40,00"_qs, {{Data, u"31/03/2026"_qs}}));
    addMovement(path, expense(u"7,00"_qs, {{Data, u"01/04/2026"_qs}}));
    interval(u"01"_qs, u"Marzo"_qs, u"31"_qs, u"Marzo"_qs);
    visualizza();
    EXPECT_TRUE(h.fake.messages.empty());
    EXPECT_EQ(lines.size(), 2);
    EXPECT_EQ(totals[0], u"100,00 \u20ac"_qs);
    EXPECT_EQ(totals[1], u"-40,00 \u20ac"_qs);
    EXPECT_EQ(totals[2], u"60,00 \u20ac"_qs);
    EXPECT_EQ(tipologia, u"- - -"_qs);
    EXPECT_EQ(intervallo, u"Dal   01/03/2026   al   31/03/2026"_qs);
    EXPECT_EQ(child<QLabel>(&menu, u"lblFile"_qs)->text(), path);
    EXPECT_TRUE(child<QLabel>(&menu, u"lblAttendere"_qs)->isHidden());
}

TEST_F(BalanceMenu, RefusesANonexistentDayWithFocus) {
    interval(u"31"_qs, u"Febbraio"_qs, u"31"_qs, u"Dicembre"_qs);
    visualizza();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Plain);
    EXPECT_TRUE(h.fake.lastMessage().text.startsWith(
        u"Attenzione: la data 31/02/2026 di inizio intervallo non esiste."_qs));
    EXPECT_TRUE(h.fake.modalDialogs.isEmpty());
    EXPECT_FALSE(QFile::exists(yearPath(h.dir.path())));
}

// A summary that cannot read the year file to the end, or a movement in it, is not shown at all.
TEST_F(BalanceMenu, AnUnreadableYearShowsItsOwnMessageAndNoSummary) {
    const std::function<void(const QString&)> spoil[] = {
        [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); },
        [](const QString& path) {
            QStringList movement = income(u"1,00"_qs);
            movement[Totale] = u"+x"_qs;
            addMovement(path, movement);
        },
    };
    for (const auto& damage : spoil) {
        SCOPED_TRACE(&damage == &spoil[0] ? "a folder in place of the year file" : "a bad total");
        Harness other;
        TfrmMenuBilancio w{other.ctx};
        damage(yearPath(other.dir.path()));
        w.show();
        auto box = [&](const char* name) { return child<QComboBox>(&w, QLatin1String(name)); };
        box("txtGiornoInizio")->setCurrentIndex(0);
        box("txtMeseInizio")->setCurrentIndex(0);
        box("txtGiornoFine")->setCurrentIndex(30);
        box("txtMeseFine")->setCurrentIndex(11);
        child<QPushButton>(&w, u"btnVisualizza"_qs)->click();
        ASSERT_EQ(other.fake.messages.size(), 1u);
        EXPECT_EQ(other.fake.lastMessage().kind, platform::MsgKind::Plain);
        EXPECT_EQ(other.fake.lastMessage().text,
                  u"Attenzione: il file di archivio non risulta accessibile."_qs);
        EXPECT_TRUE(other.fake.modalDialogs.isEmpty());
    }
}

TEST(BalanceWindow, PrintAsksFirstAndRefusesAnEmptyList) {
    Harness h;
    Balance empty;
    TfrmBilancio none(h.ctx, nullptr, empty, {}, u"Dal   01/01/2026   al   31/12/2026"_qs);
    EXPECT_EQ(child<QLabel>(&none, u"lblBilancio"_qs)->text(), u"0,00 \u20ac"_qs);
    child<QPushButton>(&none, u"btnStampa"_qs)->click();
    EXPECT_EQ(h.fake.lastMessage().text,
              u"Operazione di stampa non applicabile: la primanota non contiene nessun movimento "
              u"in entrata o in uscita."_qs);
    EXPECT_TRUE(h.fake.printCalls.empty());

    Balance one;
    one.lines = {u"ENTRATA  Quota"_qs};
    one.income = one.total = 1000;
    TfrmBilancio w(h.ctx, nullptr, one, u" Quota "_qs, u"Dal   01/01/2026   al   31/12/2026"_qs);
    h.fake.answers = {platform::Answer::No};
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    EXPECT_EQ(h.fake.lastMessage().text, u"Si vuole stampare la presente primanota?"_qs);
    EXPECT_TRUE(h.fake.printCalls.empty());
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    EXPECT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_EQ(w.printedLines().last(), u"BILANCIO ENTRATE E USCITE :   10,00 \u20ac"_qs);
}

// The last key of the balance's "Trova" is kept from one summary to the next.
TEST(BalanceWindow, FindKeyOutlivesTheWindow) {
    Harness h;
    Balance b;
    b.lines = {u"ENTRATA  Quota a"_qs, u"USCITA   Affitto"_qs, u"ENTRATA  Quota b"_qs};
    const auto findIn = [&](TfrmBilancio& w) {
        child<QLineEdit>(&w, u"txtTrova"_qs)->setText(u"quota"_qs);
        child<QPushButton>(&w, u"btnTrova"_qs)->click();
        return w.findChild<platform::TextList*>(u"lstRecords"_qs)->selectedRow();
    };
    {
        TfrmBilancio first(h.ctx, nullptr, b, {}, {});
        EXPECT_EQ(findIn(first), 0);
        EXPECT_EQ(findIn(first), 2);
    }
    TfrmBilancio second(h.ctx, nullptr, b, {}, {});
    EXPECT_EQ(findIn(second), 2); // same key: from the entry after the first, selected at start
}

// The printed balance, closing lines aligned, against its checked-in reference.
TEST(BalanceWindow, PrintMatchesItsReference) {
    Harness h;
    const QString path = yearPath(h.dir.path());
    addMovement(path, income(u"100,00"_qs, {{Causale, u"Quota sociale"_qs}}));
    addMovement(path, expense(u"40,00"_qs, {{Causale, u"Affitto sala"_qs},
                                            {Data, u"20/03/2026"_qs},
                                            {Beneficiario, u"Comune di Roma"_qs}}));
    const Balance b =
        computeBalance(yearArchive(path), {}, {2026, 1, 1}, {2026, 12, 31}, h.fake.today());
    TfrmBilancio w(h.ctx, nullptr, b, u"  "_qs, intervalText(u"01/01/2026"_qs, u"31/12/2026"_qs));
    const reports::Report printed =
        reports::listReport(w.printTitle(), w.printedLines(), h.fake.today());
    EXPECT_TRUE(testing_support::matchesGolden(u"cashbook_balance_print"_qs, printed));
}
