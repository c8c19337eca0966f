// The typing rules a binding table names, on one form: what typing, Tab and pasting do to each.
#include "fake_platform.h"
#include "keys.h"
#include "platform/input_rules.h"
#include "platform/record_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using platform::Binding;
using platform::InputRule;
using testing_support::child;
using testing_support::press;
using testing_support::type;

enum Field { Cifre, Importo, Quota, QuotaTab, Codice, Scelta, Dopo, FieldCount };
constexpr core::Field kFields[] = {{"Cifre", 10},  {"Importo", 15}, {"Quota", 15}, {"QuotaTab", 15},
                                   {"Codice", 16}, {"Scelta", 10},  {"Dopo", 10}};
const core::RecordLayout& layout() {
    static const core::RecordLayout l(kFields);
    return l;
}
constexpr Binding kBindings[] = {
    {"txtCifre", Cifre, 0, InputRule::Digits, "txtDopo"},
    {"txtImporto", Importo, 0, InputRule::Amount, "txtDopo"},
    {"txtQuota", Quota, 0, InputRule::Fee, "txtDopo"},
    {"txtQuotaTab", QuotaTab, 0, InputRule::FeeTabbing, "txtDopo"},
    {"txtCodice", Codice, 0, InputRule::Code, "txtDopo"},
    {"cboScelta", Scelta, 0, InputRule::ListOnly, "txtDopo"},
    {"txtDopo", Dopo, 0, InputRule::Plain, nullptr},
};

struct Form {
    testing_support::Harness h;
    QWidget w;
    platform::RecordForm form{h.ctx, &w, layout(), kBindings};

    Form() {
        for (const Binding& b : kBindings) {
            if (b.control[0] == 'c') {
                auto* combo = new QComboBox(&w);
                combo->addItems({QStringLiteral("01"), QStringLiteral("12")});
                combo->setCurrentIndex(-1);
                combo->setObjectName(QLatin1String(b.control));
            } else {
                (new QLineEdit(&w))->setObjectName(QLatin1String(b.control));
            }
        }
        form.bind(nullptr);
        w.show();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(&w, QLatin1String(name)); }
};

TEST(InputRules, TypedKeys) {
    Form f;
    struct Case {
        const char* control;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"txtCifre", "1a2,3 ", "123"},         {"txtImporto", "1a2-,5.x", "12,5"},
        {"txtQuota", "12,50 \u20ac", "12,50"}, {"txtQuotaTab", "12.50", "1250"},
        {"txtCodice", " ab-c1 x", "ABC1X"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = f.edit(c.control);
        field->setFocus();
        type(field, QString::fromUtf8(c.typed));
        press(field, Qt::Key_5, QStringLiteral("5"), Qt::ControlModifier); // never typed
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.control;
        // Left and Backspace still edit, Home is dropped.
        press(field, Qt::Key_Home);
        press(field, Qt::Key_Left);
        press(field, Qt::Key_Backspace);
        QString edited = QString::fromUtf8(c.shown);
        edited.remove(edited.size() - 2, 1);
        EXPECT_EQ(field->text(), edited) << c.control;
    }
    auto* combo = child<QComboBox>(&f.w, QStringLiteral("cboScelta"));
    combo->setFocus();
    type(combo, QStringLiteral("1"));
    EXPECT_EQ(combo->currentIndex(), -1) << "a list-only box takes no typed characters";
    press(combo, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.edit("txtDopo")) << "Enter still moves on";
}

TEST(InputRules, TabMovesOnOnlyWhereTheRuleSaysSo) {
    Form f;
    const std::pair<const char*, bool> cases[] = {
        {"txtCifre", false},   {"txtImporto", false}, {"txtQuota", false},
        {"txtQuotaTab", true}, {"txtCodice", false},
    };
    for (const auto& [control, moves] : cases) {
        QLineEdit* field = f.edit(control);
        field->setFocus();
        press(field, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget() != field, moves) << control;
        press(field, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f.edit("txtDopo")) << control;
    }
}

// Pasting goes through the typing rule; what the field held already stays as it was.
TEST(InputRules, PastedText) {
    Form f;
    struct Case {
        const char* control;
        const char* held;
        const char* pasted;
        const char* shown;
    } cases[] = {
        {"txtCifre", "", "12ab", ""},       // refused whole
        {"txtImporto", "", "1,5 euro", ""}, // refused whole
        {"txtQuota", "", "35 euro", "35"},
        {"txtQuota", "\u20ac 1", "0,5x", "\u20ac 10,5"},
        {"txtCodice", "", " rss\tmra ", "RSSMRA"},
        {"txtDopo", "", "a\r\nb\tc\nd\re", "a b c d e"},
        {"txtDopo", "", "Ro\u0001ssi\u001b\u007f\u0085!", "Rossi!"},
        {"txtDopo", "x\u0007y", "\u00e8", "x\u0007y\u00e8"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = f.edit(c.control);
        field->setText(QString::fromUtf8(c.held));
        field->insert(QString::fromUtf8(c.pasted));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.control << " " << c.pasted;
    }
    // A paste that replaces a selection in the middle.
    QLineEdit* plain = f.edit("txtDopo");
    plain->setText(u"Mario Rossi"_qs);
    plain->setSelection(0, 5);
    plain->insert(u"Anna\nMaria"_qs);
    EXPECT_EQ(plain->text(), u"Anna Maria Rossi"_qs);
    EXPECT_EQ(plain->cursorPosition(), 10);
}

// Entering an amount field selects it, so the typed amount replaces "0,00".
TEST(InputRules, EnteringAnAmountSelectsIt) {
    Form f;
    for (const char* control : {"txtImporto", "txtQuotaTab"}) {
        QLineEdit* field = f.edit(control);
        field->setText(u"0,00"_qs);
        f.edit("txtDopo")->setFocus();
        field->setFocus();
        type(field, u"48,90"_qs);
        EXPECT_EQ(field->text(), u"48,90"_qs) << control;
    }
    QLineEdit* fee = f.edit("txtQuota"); // not an amount: the cursor goes where it goes
    fee->setText(u"0,00"_qs);
    fee->setFocus();
    EXPECT_FALSE(fee->hasSelectedText());
}

TEST(InputRules, LeavingRunsTheActionEachTime) {
    Form f;
    QLineEdit* amount = f.edit("txtImporto");
    int left = 0;
    platform::onLeave(amount, [&] { ++left; });
    for (int i = 0; i < 2; ++i) {
        amount->setFocus();
        f.edit("txtDopo")->setFocus();
    }
    EXPECT_EQ(left, 2);
}

} // namespace
