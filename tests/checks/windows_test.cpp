#include "checks/check_dialog.h"
#include "checks/openers.h"
#include "fake_platform.h"
#include "keys.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

using namespace checks;
using platform::MsgKind;
using testing_support::child;
using testing_support::Harness;
using testing_support::press;
using testing_support::type;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

const char* windowName(CheckWindow w) {
    switch (w) {
    case CheckWindow::CodFisc:
        return "TfrmCodFisc";
    case CheckWindow::PartitaIva:
        return "TfrmPartitaIva";
    case CheckWindow::Iban:
        return "TfrmIban";
    case CheckWindow::Carta:
        return "TfrmCarta";
    }
    return "";
}

struct Outcome {
    QString field; // the field's text as opened
    bool stillOpen = false;
    bool focusInField = false;
};

// Opens `window` with `value`, presses Enter in its field and then "Controlla".
Outcome controlla(Harness& h, CheckWindow window, const QString& value) {
    Outcome out;
    h.fake.onModal = [&](QDialog& d) {
        d.show();
        auto* dialog = static_cast<CheckDialog*>(&d);
        QLineEdit* field = dialog->field();
        out.field = field->text();
        press(field, Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), child<QPushButton>(&d, "btnControlla")); // Enter -> Controlla
        child<QPushButton>(&d, "btnControlla")->click();
        out.stillOpen = d.isVisible();
        out.focusInField = d.focusWidget() == field;
        return d.result();
    };
    openCheck(window, h.ctx, nullptr, value);
    EXPECT_EQ(h.fake.modalDialogs, QStringList{windowName(window)});
    return out;
}

const char* const kCfLength =
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
const char* const kCfValid = "Il codice fiscale digitato è VALIDO.";
const char* const kCfWrong = "Attenzione: il codice fiscale digitato è ERRATO.";
const char* const kVatLength =
    "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
const char* const kVatWrong =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
    "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
const char* const kVatValid = "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                              "rilasciato dall'Ufficio IVA del Comune di ";
const char* const kIbanLength =
    "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
const char* const kIbanValid = "L'IBAN digitato è VALIDO.";
const char* const kIbanWrong = "Attenzione: l'IBAN digitato è ERRATO!";
const char* const kCardEmpty = "Attenzione: immettere il numero di carta di credito prima di "
                               "premere il pulsante di controllo.";
const char* const kCardWrong = "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                               "possibile fornire informazioni relative al tipo di carta di "
                               "credito.";
QString cardValid(const char* number, const char* type) {
    return u8("Il numero di carta di credito ") + u8(number) +
           u8(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + u8(type) + u8(".");
}

} // namespace

TEST(CheckWindows, VerdictsCloseAndRefusalsKeepTheWindowOpen) {
    using W = CheckWindow;
    const struct {
        W window;
        const char* value;
        std::optional<MsgKind> kind; // nullopt: no message at all
        QString text;
        bool stays;
    } cases[] = {
        // Fiscal code: typed in lower case, upper-cased as it arrives.
        {W::CodFisc, "rssmra85t10a562s", MsgKind::Information, u8(kCfValid), false},
        {W::CodFisc, "RSSMRA85T10A562T", MsgKind::Warning, u8(kCfWrong), false},
        {W::CodFisc, "AAAAAAAAAAAAAAAI", MsgKind::Information, u8(kCfValid), false},
        {W::CodFisc, "0000000000000000", MsgKind::Warning, u8(kCfWrong), false},
        {W::CodFisc, "RSSMRA85 10A562S", MsgKind::Warning, u8(kCfWrong), false},
        {W::CodFisc, "RSSMRA85T10A562", MsgKind::Warning, u8(kCfLength), true},
        {W::CodFisc, "", MsgKind::Warning, u8(kCfLength), true},
        // VAT number.
        {W::PartitaIva, "12345670587", MsgKind::Information, u8(kVatValid) + u8("Roma 1."), false},
        {W::PartitaIva, "76543211205", MsgKind::Information, u8(kVatValid) + u8("Bologna 2."),
         false},
        {W::PartitaIva, "00000000000", MsgKind::Information, u8(kVatValid) + u8("."), false},
        {W::PartitaIva, "12345670588", MsgKind::Warning, u8(kVatWrong), false},
        {W::PartitaIva, "1234567058A", MsgKind::Warning, u8(kVatWrong), false},
        {W::PartitaIva, "1234567058", MsgKind::Warning, u8(kVatLength), true},
        // A longer value from the opener is refused, not cut to 11 digits and judged.
        {W::PartitaIva, "123456705870", MsgKind::Warning, u8(kVatLength), true},
        // IBAN.
        {W::Iban, "it19k1234567890000000012345", MsgKind::Information, u8(kIbanValid), false},
        {W::Iban, "IT19K1234567890000000012346", MsgKind::Warning, u8(kIbanWrong), false},
        {W::Iban, "IT19K12345678900000000+2345", MsgKind::Warning, u8(kIbanWrong), false},
        {W::Iban, "IT19 K123 4567 8900 0000 0012 345", MsgKind::Warning, u8(kIbanLength), true},
        {W::Iban, "IT19K123456789000000001234", MsgKind::Warning, u8(kIbanLength), true},
        // Card.
        {W::Carta, "4000123412341002", MsgKind::Information, cardValid("4000123412341002", "Visa"),
         false},
        {W::Carta, "5123456700000008", MsgKind::Information,
         cardValid("5123456700000008", "MasterCard"), false},
        {W::Carta, "371234560000008", MsgKind::Information,
         cardValid("371234560000008", "American Express"), false},
        {W::Carta, "30569309000006", MsgKind::Information,
         cardValid("30569309000006", "Diner's Club / Carte Blanche"), false},
        {W::Carta, "3530111300000005", MsgKind::Information, cardValid("3530111300000005", "JCB"),
         false},
        {W::Carta, "6011000900000005", MsgKind::Information,
         cardValid("6011000900000005", "Discover"), false},
        {W::Carta, "4000123412341003", MsgKind::Warning, u8(kCardWrong), false},
        {W::Carta, "0", MsgKind::Warning, u8(kCardWrong), false},
        {W::Carta, "3212345600000001", std::nullopt, {}, false},
        {W::Carta, "", MsgKind::Warning, u8(kCardEmpty), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(windowName(c.window)) + " " + c.value);
        Harness h;
        const Outcome out = controlla(h, c.window, u8(c.value));
        if (c.kind) {
            ASSERT_EQ(h.fake.messages.size(), 1u);
            EXPECT_EQ(h.fake.lastMessage().kind, *c.kind);
            EXPECT_EQ(h.fake.lastMessage().text, c.text);
        } else {
            EXPECT_TRUE(h.fake.messages.empty());
        }
        EXPECT_EQ(out.stillOpen, c.stays);
        if (c.stays) {
            EXPECT_TRUE(out.focusInField);
        }
    }
}

TEST(CheckWindows, FormCaptionsAndLimits) {
    const struct {
        CheckWindow window;
        const char* caption;
        const char* instruction;
        const char* field;
        int limit;
    } cases[] = {
        {CheckWindow::CodFisc, " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc", 16},
        {CheckWindow::PartitaIva, " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", "txtPartitaIva",
         11},
        {CheckWindow::Iban, " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban", 27},
        {CheckWindow::Carta, " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.", "txtNumero",
         30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Harness h;
        h.fake.onModal = [&](QDialog& d) {
            d.show();
            EXPECT_EQ(d.windowTitle(), u8(c.caption));
            EXPECT_EQ(child<QLabel>(&d, "lblIstruzioni")->text(), u8(c.instruction));
            auto* field = child<QLineEdit>(&d, c.field);
            EXPECT_EQ(d.focusWidget(), field);
            EXPECT_EQ(field->maxLength(), c.limit);
            EXPECT_EQ(child<QPushButton>(&d, "btnChiudi")->text(), u8("Chiudi"));
            child<QPushButton>(&d, "btnChiudi")->click();
            EXPECT_FALSE(d.isVisible());
            return d.result();
        };
        openCheck(c.window, h.ctx, nullptr, {});
        EXPECT_TRUE(h.fake.messages.empty());
    }
}

TEST(CheckWindows, TypingIsFilteredAndUpperCased) {
    const struct {
        CheckWindow window;
        const char* typed;
        const char* shown;
    } cases[] = {
        {CheckWindow::CodFisc, " rss mra", "RSSMRA"}, // a blank typed at either end goes at once
        {CheckWindow::Iban, "it60x05", "IT60X05"},
        {CheckWindow::PartitaIva, "12a3 -4.", "1234"}, // digits only
        {CheckWindow::Carta, "4a0 0b0", "4000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Harness h;
        h.fake.onModal = [&](QDialog& d) {
            d.show();
            QLineEdit* field = static_cast<CheckDialog&>(d).field();
            type(field, u8(c.typed));
            EXPECT_EQ(field->text(), u8(c.shown));
            if (c.window == CheckWindow::PartitaIva || c.window == CheckWindow::Carta) {
                press(field, Qt::Key_Tab); // swallowed like every other key
                EXPECT_EQ(d.focusWidget(), field);
            }
            return d.result();
        };
        openCheck(c.window, h.ctx, nullptr, {});
    }

    // Editing inside the text keeps the caret where the user is typing.
    Harness h;
    h.fake.onModal = [&](QDialog& d) {
        d.show();
        QLineEdit* field = static_cast<CheckDialog&>(d).field();
        type(field, "abc");
        press(field, Qt::Key_Left);
        press(field, Qt::Key_Left);
        type(field, "de");
        EXPECT_EQ(field->text(), u8("ADEBC"));
        press(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), u8("ADBC"));
        return d.result();
    };
    openCheck(CheckWindow::CodFisc, h.ctx, nullptr, {});
}

TEST(CheckOpeners, DigitsOnlyFiscalCodesGoToTheVatWindow) {
    const struct {
        const char* callerField;
        const char* window;
        const char* shown;
    } cases[] = {
        {"", "TfrmCodFisc", ""},
        {"  rssmra85t10a562s ", "TfrmCodFisc", "RSSMRA85T10A562S"},
        {" 12345670587\t", "TfrmPartitaIva", "12345670587"},
        {"0123456789012345", "TfrmPartitaIva", "0123456789012345"}, // whole, for the length warning
        {"1234567058A", "TfrmCodFisc", "1234567058A"},
        {"12 345", "TfrmCodFisc", "12 345"},
        {"１２３", "TfrmCodFisc", "１２３"}, // full-width digits are not 0..9
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.callerField);
        Harness h;
        QString shown;
        h.fake.onModal = [&](QDialog& d) {
            shown = static_cast<CheckDialog&>(d).field()->text();
            return d.result();
        };
        openCodFiscCheck(h.ctx, nullptr, u8(c.callerField));
        EXPECT_EQ(h.fake.modalDialogs, QStringList{u8(c.window)});
        EXPECT_EQ(shown, u8(c.shown));
    }

    Harness h;
    openPartitaIvaCheck(h.ctx, nullptr, " 1 ");
    openIbanCheck(h.ctx, nullptr, "IT");
    openCartaCheck(h.ctx, nullptr, "4");
    EXPECT_EQ(h.fake.modalDialogs, (QStringList{"TfrmPartitaIva", "TfrmIban", "TfrmCarta"}));
}
