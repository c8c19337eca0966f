#include "cashbook/frm_menu_movimenti.h"
#include "cashbook/frm_menu_primanota.h"

#include "fake_platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace cashbook;
using testing_support::child;
using testing_support::Harness;

namespace {

// The windows the menus hand over to, as plain named widgets.
struct Menus : Harness {
    QWidget avvio, movimenti, bilancio, menuMovimenti;
    TfrmMenuPrimanota* primanota = new TfrmMenuPrimanota(ctx);
    TfrmMenuMovimenti* chooser = new TfrmMenuMovimenti(ctx);
    Menus() {
        avvio.setObjectName(u"TfrmAvvio"_qs);
        movimenti.setObjectName(u"TfrmMovimenti"_qs);
        bilancio.setObjectName(u"TfrmMenuBilancio"_qs);
        for (QWidget* w : {&avvio, &movimenti, &bilancio})
            windows.add(w);
        windows.add(primanota);
        windows.add(chooser);
    }
    ~Menus() {
        delete primanota;
        delete chooser;
    }
};

} // namespace

TEST(CashbookMenu, ButtonsCloseTowardsTheirWindow) {
    const struct {
        const char* control;
        const char* shown;
    } cases[] = {{"btnRegistra", "TfrmMenuMovimenti"},
                 {"btnRiepiloga", "TfrmMenuBilancio"},
                 {"imgEsci", "TfrmAvvio"}};
    for (const auto& c : cases) {
        Menus m;
        m.primanota->show();
        EXPECT_EQ(m.primanota->mode(), u"avvio"_qs);
        child<QAbstractButton>(m.primanota, QString::fromLatin1(c.control))->click();
        EXPECT_FALSE(m.primanota->isVisible());
        EXPECT_TRUE(m.windows.find(QString::fromLatin1(c.shown))->isVisible()) << c.shown;
    }
    Menus m;
    m.primanota->show();
    child<QToolButton>(m.primanota, u"imgGuida"_qs)->click();
    ASSERT_EQ(m.fake.helpTopics.size(), 1u);
    EXPECT_EQ(m.fake.helpTopics[0].title, u"Gestione di primanota e bilancio."_qs);
}

TEST(YearChooser, OpensTheYearFileWithoutCreatingIt) {
    Menus m;
    QString path, year;
    QObject::connect(m.chooser, &TfrmMenuMovimenti::yearOpened,
                     [&](const QString& p, const QString& y) { path = p, year = y; });
    m.chooser->show();
    auto* txtAnno = child<QLineEdit>(m.chooser, u"txtAnnoPreventivi"_qs);
    EXPECT_EQ(txtAnno->text(), u"2026"_qs);
    EXPECT_EQ(txtAnno->maxLength(), 4);

    txtAnno->setText(u"226"_qs);
    child<QPushButton>(m.chooser, u"btnApriPreventivi"_qs)->click();
    EXPECT_EQ(m.fake.lastMessage().text,
              u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs);
    EXPECT_EQ(m.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_TRUE(m.chooser->isVisible());
    EXPECT_TRUE(path.isEmpty());

    txtAnno->setText(u"0000"_qs);
    child<QPushButton>(m.chooser, u"btnApriPreventivi"_qs)->click();
    EXPECT_EQ(path, m.path(u"0000.eur"_qs));
    EXPECT_EQ(year, u"0000"_qs);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(m.chooser->isVisible());
    EXPECT_TRUE(m.movimenti.isVisible());

    // Shown again: the current year, not the last one opened.
    m.chooser->show();
    EXPECT_EQ(txtAnno->text(), u"2026"_qs);
    EXPECT_EQ(m.chooser->mode(), u"avvio"_qs);
    m.chooser->close();
    EXPECT_TRUE(m.avvio.isVisible());
}

TEST(YearChooser, YearFieldTakesDigitsOnly) {
    Menus m;
    m.chooser->show();
    auto* txtAnno = child<QLineEdit>(m.chooser, u"txtAnnoPreventivi"_qs);
    txtAnno->clear();
    QTest::keyClicks(txtAnno, u"2a0-2 57"_qs);
    EXPECT_EQ(txtAnno->text(), u"2025"_qs);
}
