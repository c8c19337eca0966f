#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_sheet.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;
using testing_support::child;
using testing_support::Harness;

namespace {

// The twenty values as the sheet holds them, in row order.
QStringList values(reports::Report& r) {
    QStringList out;
    for (const QString& name : movementSheetValueNames())
        out << r.object(name).text();
    return out;
}

} // namespace

TEST(MovementPrint, RightAfterNewThePromptPrintsTheDefaults) {
    Harness h;
    TfrmMovimenti w(h.ctx);
    w.openYear(yearPath(h.dir.path()), u"2026"_qs);
    QString prompt;
    h.fake.onModal = [&](QDialog& d) {
        prompt = d.objectName() + u'|' + d.windowTitle();
        child<QPushButton>(&d, u"btnStampa"_qs)->click();
        return d.result();
    };
    child<QToolButton>(&w, u"cmdStampa"_qs)->click();
    EXPECT_EQ(prompt, u"TfrmStampaMovimento| Stampa scheda corrente"_qs);
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_EQ(h.fake.printCalls[0].layout.orientation(), QPageLayout::Portrait);

    reports::Report sheet = movementSheet(w.values(), h.fake.now());
    const QStringList v = values(sheet);
    EXPECT_EQ(v[0], u"Entrata"_qs);
    EXPECT_EQ(v[1], u"15/03/2026"_qs);
    EXPECT_EQ(v[6], u"0,00"_qs);
    EXPECT_EQ(v[19], u"No"_qs);
    EXPECT_EQ(sheet.object(u"txtCalce"_qs).text(),
              u"Stampa eseguita in data 15/03/2026 alle ore 10:30:00"_qs);
    EXPECT_EQ(sheet.object(u"titArcataSup"_qs).text(), u"SCHEDA INFORMATIVA MOVIMENTO"_qs);
}

TEST(MovementPrint, UnsavedEditsArePrintedAndCancelPrintsNothing) {
    Harness h;
    TfrmMovimenti w(h.ctx);
    w.openYear(yearPath(h.dir.path()), u"2026"_qs);
    child<QRadioButton>(&w, u"optUscita"_qs)->click();
    child<QLineEdit>(&w, u"txtCausale"_qs)->setText(u"  Affitto [DATE] "_qs);
    child<QLineEdit>(&w, u"txtImporto"_qs)->setText(u"12,5"_qs);
    reports::Report sheet = movementSheet(w.values(), h.fake.now());
    const QStringList v = values(sheet);
    EXPECT_EQ(v[0], u"Uscita"_qs);
    EXPECT_EQ(v[2], u"Affitto [DATE]"_qs); // no expressions in the sheet's values
    EXPECT_EQ(v[6], u"12,5"_qs);           // as it stands on screen
    EXPECT_FALSE(QFile::exists(yearPath(h.dir.path())));

    h.fake.onModal = [](QDialog& d) {
        child<QPushButton>(&d, u"btnAnnulla"_qs)->click();
        return d.result();
    };
    child<QToolButton>(&w, u"cmdStampa"_qs)->click();
    EXPECT_TRUE(h.fake.printCalls.empty());
}
