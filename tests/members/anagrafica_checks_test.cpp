#include "checks/check_dialog.h"
#include "member_window_fixture.h"

#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using members_test::MemberWindow;
using testing_support::child;

TEST(MemberWindowChecks, EachButtonOpensItsWindowWithTheField) {
    const struct {
        const char* field;
        const char* value;
        const char* button;
        const char* window;
        const char* shown;
    } cases[] = {
        {"txtCodFisc", "rssmra85t10a562s", "cmdCodFisc", "TfrmCodFisc", "RSSMRA85T10A562S"},
        {"txtCodFisc", "", "cmdCodFisc", "TfrmCodFisc", ""},
        // The 11-digit fiscal code of an association is a VAT number.
        {"txtCodFisc", "12345670587", "cmdCodFisc", "TfrmPartitaIva", "12345670587"},
        {"txtPartitaIva", "76543211205", "cmdPartitaIva", "TfrmPartitaIva", "76543211205"},
        {"txtIban", "it19k1234567890000000012345", "cmdIban", "TfrmIban",
         "IT19K1234567890000000012345"},
        {"txtCarta", "4000123412341002", "cmdCarta", "TfrmCarta", "4000123412341002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button + std::string(" ") + c.value);
        MemberWindow m;
        m.set(c.field, QString::fromUtf8(c.value));
        QString shown;
        QWidget* over = nullptr;
        m.h.fake.onModal = [&](QDialog& d) {
            shown = static_cast<checks::CheckDialog&>(d).field()->text();
            over = d.parentWidget();
            return d.result();
        };
        child<QToolButton>(m.w.get(), c.button)->click();
        EXPECT_EQ(m.h.fake.modalDialogs, QStringList{c.window});
        EXPECT_EQ(shown, QString::fromUtf8(c.shown));
        EXPECT_EQ(over, m.w.get());
    }
}

TEST(MemberWindowChecks, NumericFiscalCodeIsJudgedAsAVatNumber) {
    MemberWindow m;
    m.set("txtCodFisc", "12345670587");
    m.h.fake.onModal = [](QDialog& d) {
        child<QPushButton>(&d, "btnControlla")->click();
        return d.result();
    };
    child<QToolButton>(m.w.get(), "cmdCodFisc")->click();
    EXPECT_EQ(m.lastText(),
              QString::fromUtf8("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                "E' stato rilasciato dall'Ufficio IVA del Comune di "
                                "Roma 1."));
    EXPECT_EQ(m.edit("txtCodFisc")->text(), "12345670587"); // nothing comes back
}
