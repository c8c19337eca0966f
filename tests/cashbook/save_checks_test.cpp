#include "cashbook/movement_save.h"

#include "cashbook_fixture.h"

#include <gtest/gtest.h>

using namespace cashbook;
using cashbook_fixture::movementValues;
using platform::MsgKind;

namespace {
const QDate kToday(2026, 3, 15);
}

// Each row empties or spoils the fields named and expects the first check that fails; later
// rows keep the earlier fields valid, so together they show the order.
TEST(MovementSave, ChecksRunInOrderWithTheirTextsAndFocus) {
    const QString noDate = u" non esiste.\n\r\n\rPer poter salvare la scheda \u00e8 necessario "
                           u"indicare una data valida nel formato gg/mm/aaaa."_qs;
    const QString need = u"Attenzione: per salvare la scheda \u00e8 necessario indicare "_qs;
    struct Case {
        cashbook_fixture::Set set;
        MsgKind kind;
        QString text, control;
    };
    const Case cases[] = {
        {{{Causale, u"  "_qs}, {Data, {}}, {Pagatore, {}}},
         MsgKind::Warning,
         need + u"la causale del pagamento."_qs,
         u"txtCausale"_qs},
        {{{Data, {}}, {DataSca, {}}},
         MsgKind::Warning,
         need + u"la data di registrazione dell'operazione."_qs,
         u"txtData"_qs},
        {{{Data, u"31/04/2026"_qs}, {DataSca, {}}},
         MsgKind::Plain,
         u"Attenzione: la data 31/04/2026"_qs + noDate,
         u"txtData"_qs},
        {{{DataSca, {}}, {Preavviso, {}}},
         MsgKind::Warning,
         need + u"la data di scadenza del pagamento."_qs,
         u"txtDataSca"_qs},
        {{{DataSca, u"29/02/2026"_qs}, {Preavviso, {}}},
         MsgKind::Plain,
         u"Attenzione: la data 29/02/2026"_qs + noDate,
         u"txtDataSca"_qs},
        {{{Preavviso, {}}, {Pagatore, {}}},
         MsgKind::Warning,
         need + u"il numero di giorni di preavviso della scadenza del pagamento."_qs,
         u"txtPreavviso"_qs},
        {{{Pagatore, {}}, {Beneficiario, {}}},
         MsgKind::Warning,
         need + u"il nome del Pagatore."_qs,
         u"txtPagatore"_qs},
        {{{Beneficiario, {}}, {Importo, u"123456789012,00"_qs}},
         MsgKind::Warning,
         need + u"il nome del Beneficiario."_qs,
         u"txtBeneficiario"_qs},
        // A damaged record shows neither option.
        {{{Entrata, {}}, {Importo, u"123456789012,00"_qs}},
         MsgKind::Warning,
         need + u"se il movimento \u00e8 un'entrata o un'uscita."_qs,
         u"optEntrata"_qs},
    };
    for (const Case& c : cases) {
        const platform::Check p = saveProblem(movementValues(c.set), kToday);
        ASSERT_TRUE(p) << c.control.toStdString();
        EXPECT_EQ(p->kind, c.kind) << c.control.toStdString();
        EXPECT_EQ(p->text, c.text);
        EXPECT_EQ(p->control, c.control);
    }
    EXPECT_FALSE(saveProblem(movementValues({}), kToday));
}

// `Totale` holds 15 characters with the sign: a longer amount would be stored cut and summed as
// a number ten or a hundred times smaller, so the save is refused and nothing is cut.
TEST(MovementSave, AnAmountThatDoesNotFitIsRefused) {
    const struct {
        const char* amount;
        bool fits;
    } cases[] = {{"99999999999,99", true},
                 {"123456789012,00", false},
                 {"1234567890123,50", false},
                 {"123456789012345,00", false}};
    for (const auto& c : cases) {
        const platform::Check p =
            saveProblem(movementValues({{Importo, QString::fromLatin1(c.amount)}}), kToday);
        EXPECT_EQ(!p, c.fits) << c.amount;
        if (p) {
            EXPECT_EQ(p->control, u"txtImporto"_qs);
            EXPECT_TRUE(p->text.startsWith(u"Attenzione: l'importo "_qs + c.amount));
        }
    }
}

TEST(MovementSave, ADateOutsideTheOpenYearAsksFirst) {
    EXPECT_FALSE(otherYearQuestion(u"31/12/2026"_qs, u"2026"_qs, kToday));
    EXPECT_FALSE(otherYearQuestion(u"01/01/2026"_qs, u"2026"_qs, kToday));
    const std::optional<QString> q = otherYearQuestion(u"31/12/2025"_qs, u"2026"_qs, kToday);
    ASSERT_TRUE(q);
    EXPECT_TRUE(q->startsWith(u"Attenzione: la data dell'operazione 31/12/2025 non appartiene "
                              u"all'anno 2026"_qs));
    EXPECT_TRUE(q->endsWith(u"Si vuole salvare la scheda comunque?"_qs));
    EXPECT_TRUE(otherYearQuestion(u"01/01/2026"_qs, u"0000"_qs, kToday));
}

TEST(MovementSave, TotalCarriesTheSignOfTheType) {
    EXPECT_EQ(signedTotal(true, u"12,50"_qs), u"+12,50"_qs);
    EXPECT_EQ(signedTotal(false, u" 0,30 "_qs), u"-0,30"_qs);
}
