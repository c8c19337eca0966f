#include "member_window_fixture.h"

#include "members/frm_anagrafica_fields.h"
#include "platform/input_rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using members_test::MemberWindow;
using members_test::press;
using members_test::type;
using testing_support::child;

struct Shown : MemberWindow {
    Shown() {
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
    }
    QWidget* field(const char* name) const { return child<QWidget>(w.get(), QLatin1String(name)); }
    QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST(MemberInput, DigitsOnlySwallowLettersAndTab) {
    Shown m;
    QLineEdit* vat = m.edit(QStringLiteral("txtPartitaIva"));
    vat->setFocus();
    type(vat, QStringLiteral("1a2b3"));
    press(vat, Qt::Key_Left);
    press(vat, Qt::Key_Backspace);
    press(vat, Qt::Key_Tab);
    press(vat, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    EXPECT_EQ(vat->text(), QStringLiteral("13"));
    EXPECT_EQ(m.focused(), vat);
    press(vat, Qt::Key_Return);
    EXPECT_EQ(m.focused(), m.field("txtIban"));
}

TEST(MemberInput, EnterChainSkipsThePickerDates) {
    Shown m;
    m.field("txtTesserato")->setFocus();
    for (const char* expected : {"txtCarica", "txtNumTessera", "txtDataRil"}) {
        press(m.focused(), Qt::Key_Return);
        EXPECT_EQ(m.focused(), m.field(expected)) << expected;
    }
    press(m.focused(), Qt::Key_Return); // opens the picker instead
    EXPECT_EQ(m.h.fake.modalDialogs, QStringList{QStringLiteral("TfrmCalendario")});
    EXPECT_EQ(m.focused(), m.field("txtDataRil"));

    m.field("txtDataNasc")->setFocus();
    QStringList visited;
    for (int i = 0; i < 23; ++i) {
        press(m.focused(), Qt::Key_Enter);
        visited << m.focused()->objectName();
    }
    EXPECT_EQ(visited.first(), QStringLiteral("txtComuneNasc"));
    EXPECT_EQ(visited[21], QStringLiteral("txtNote"));
    EXPECT_EQ(visited.last(), QStringLiteral("txtTesserato"));
}

TEST(MemberInput, HighlightFrameFollowsTheFocus) {
    Shown m;
    m.field("txtTesserato")->setFocus();
    QWidget* effName = m.field("effTesserato");
    QWidget* effProv = m.field("effProvNasc");
    EXPECT_TRUE(effName->isVisible());
    EXPECT_FALSE(effProv->isVisible());
    m.field("txtProvNasc")->setFocus();
    EXPECT_FALSE(effName->isVisible());
    EXPECT_TRUE(effProv->isVisible());
}

TEST(MemberInput, ProvinceFieldsTakeAnyTwoLettersAndClearTheirListSelection) {
    Shown m;
    EXPECT_EQ(platform::provinceCodes().size(), 112);
    EXPECT_EQ(platform::provinceCodes().first(), QStringLiteral("AG"));
    EXPECT_EQ(platform::provinceCodes().last(), QStringLiteral("VV"));
    QComboBox* prov = m.combo(QStringLiteral("txtProvRes"));
    EXPECT_EQ(prov->count(), 112);
    prov->setCurrentIndex(prov->findText(QStringLiteral("RM")));
    m.field("txtTesserato")->setFocus();
    prov->setFocus();
    EXPECT_EQ(prov->currentIndex(), -1);
    EXPECT_EQ(prov->currentText(), QStringLiteral("RM"));
    prov->clearEditText();
    type(prov, QStringLiteral("zzz"));
    EXPECT_EQ(prov->currentText(), QStringLiteral("ZZ"));
}

TEST(MemberInput, DateFieldsEmptyOnBackspaceAndBlockTheSave) {
    Shown m;
    m.fillValid(QStringLiteral("Rossi"));
    QLineEdit* expires = m.edit(QStringLiteral("txtDataScade"));
    EXPECT_TRUE(expires->isReadOnly());
    press(expires, Qt::Key_Backspace);
    EXPECT_EQ(expires->text(), QString());
    EXPECT_TRUE(m.h.fake.modalDialogs.isEmpty());
    m.save();
    EXPECT_EQ(m.lastText(), QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                           "indicare la data di scadenza del tesserino."));
    press(expires, Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(m.h.fake.modalDialogs, QStringList{QStringLiteral("TfrmCalendario")});
}

TEST(MemberInput, LimitsFollowTheBindingTable) {
    MemberWindow m;
    int edits = 0;
    for (const platform::Binding& b : members::kMemberBindings) {
        QWidget* w = child<QWidget>(m.w.get(), QLatin1String(b.control));
        if (b.limit == 0) continue; // the flag and the hidden labels
        ++edits;
        ASSERT_TRUE(w) << b.control;
        QLineEdit* e = qobject_cast<QLineEdit*>(w);
        if (!e) e = static_cast<QComboBox*>(w)->lineEdit();
        EXPECT_EQ(e->maxLength(), b.limit) << b.control;
        // Never more than the record field holds.
        EXPECT_LE(b.limit, members::kMemberFields[b.field].capacity) << b.control;
    }
    EXPECT_EQ(edits, 28);
}

TEST(MemberInput, StatusLineDescribesTheControlUnderThePointer) {
    MemberWindow m;
    QLabel* info = m.label(QStringLiteral("panInfo"));
    const std::pair<const char*, const char*> hints[] = {
        {"txtDataRil", "Premi un tasto qualsiasi per importare una data dal calendario."},
        {"txtDataScade", "Premi un tasto qualsiasi per importare una data dal calendario."},
        {"chkAnnullata",
         "Contrassegna la tessera come annullata per escluderla dai risultati di ricerca."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"btnSfoglia", "Carica la foto del tesserato dal tuo disco fisso."},
        {"btnEmail", "Invia e-mail con avviso scadenza."},
    };
    for (const auto& [name, text] : hints) {
        QWidget* w = child<QWidget>(m.w.get(), QLatin1String(name));
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCoreApplication::sendEvent(w, &enter);
        EXPECT_EQ(info->text(), QString::fromUtf8(text)) << name;
        QCoreApplication::sendEvent(w, &leave);
        EXPECT_EQ(info->text(), QString()) << name;
    }
}

} // namespace
