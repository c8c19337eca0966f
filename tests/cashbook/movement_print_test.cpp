#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_sheet.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"
#include "golden.h"

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

// The sheet as painted, against its checked-in reference (QUORVIX_UPDATE_GOLDEN=1 rewrites it).
TEST(MovementPrint, SheetMatchesItsReference) {
    const QStringList v = expense(u"1234,50"_qs, {{Causale, u"Affitto sala riunioni"_qs},
                                                  {Promemoria, u"Secondo trimestre"_qs},
                                                  {DataSca, u"30/04/2026"_qs},
                                                  {Preavviso, u"10"_qs},
                                                  {Pagatore, u"Circolo culturale"_qs},
                                                  {RecapitoPag, u"06 1234567"_qs},
                                                  {CodFisc, u"RSSCRL80A01H501U"_qs},
                                                  {PartitaIva, u"01234567890"_qs},
                                                  {Categoria, u"T-12"_qs},
                                                  {Email, u"tesoriere@example.org"_qs},
                                                  {Pagamento, u"Bonifico bancario"_qs},
                                                  {Beneficiario, u"Comune di Roma"_qs},
                                                  {RecapitoBen, u"Ufficio patrimonio"_qs},
                                                  {Ricevuta, u"CRO 0042"_qs},
                                                  {Tariffa, u"Associazioni"_qs},
                                                  {Note, u"Caff\u00e8 e sala [DATE]"_qs},
                                                  {Saldato, kNo}});
    const reports::Report sheet = movementSheet(v, QDateTime(QDate(2026, 3, 15), QTime(10, 30, 0)));
    EXPECT_TRUE(testing_support::matchesGolden(u"cashbook_movement_sheet"_qs, sheet));
}
