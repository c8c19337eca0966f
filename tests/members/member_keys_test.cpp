#include "member_window_fixture.h"

#include "platform/toolbar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using members_test::MemberWindow;
using testing_support::child;

// A member window on screen and active, over three saved members, showing the first.
struct KeyedWindow : MemberWindow {
    KeyedWindow() {
        for (const char* name : {"Rossi Mario", "Bianchi Anna", "Verdi Luca"}) {
            w->newSheet();
            fillValid(QString::fromLatin1(name));
            save();
        }
        w->first();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));

        h.fake.messages.clear();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(w.get(), key, mods);
    }
};

TEST(MemberWindowKeys, ToolbarShortcutsRunTheirCommands) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* position; // after the key, starting from record 1
    } cases[] = {
        {Qt::Key_End, Qt::ControlModifier, "3"},
        {Qt::Key_PageDown, Qt::NoModifier, "2"},
        {Qt::Key_Home, Qt::ControlModifier, "1"},
        {Qt::Key_N, Qt::ControlModifier, ""},
    };
    KeyedWindow m;
    for (const Case& c : cases) {
        m.w->first();
        if (c.key == Qt::Key_Home) m.w->last();
        m.key(c.key, c.mods);
        EXPECT_EQ(m.position(), QString::fromLatin1(c.position)) << int(c.key);
    }
    m.w->last();
    m.key(Qt::Key_PageUp);
    EXPECT_EQ(m.position(), u"2"_qs);

    m.edit(u"txtTesserato"_qs)->setText(u"Bianchi Anna Maria"_qs);
    m.key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(m.h.fake.messages.empty());
    EXPECT_EQ(m.h.fake.lastMessage().kind, platform::MsgKind::Information);
    m.w->first();
    m.w->next();
    EXPECT_EQ(m.edit(u"txtTesserato"_qs)->text(), u"Bianchi Anna Maria"_qs);

    m.key(Qt::Key_F1);
    EXPECT_EQ(m.h.fake.helpTopics.size(), 1u);
}

TEST(MemberWindowKeys, ToolbarButtonsTakeTheTabAndShowTheirKeys) {
    KeyedWindow m;
    auto* save = child<QToolButton>(m.w.get(), u"cmdSalva"_qs);
    EXPECT_TRUE(save->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(save->toolTip(), u"Salva la scheda corrente in archivio. (Ctrl+S)"_qs);
    EXPECT_TRUE(platform::shortcutHelp(m.w.get()).startsWith(
        u"Tasti rapidi: Ctrl+S salva la scheda, Ctrl+N nuova scheda, "_qs));
}

TEST(MemberWindowKeys, GoToARecordByItsNumber) {
    KeyedWindow m;
    QStringList typed{u"7"_qs, u"3"_qs};
    int opened = 0;
    m.h.fake.onModal = [&](QDialog& d) {
        ++opened;
        EXPECT_EQ(d.objectName(), u"TfrmVaiAScheda"_qs);
        for (const QString& n : typed) { // a number outside the archive is refused, then 3
            child<QLineEdit>(&d, u"txtNumero"_qs)->setText(n);
            child<QPushButton>(&d, u"btnVai"_qs)->click();
        }
        return d.result();
    };
    m.key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(m.position(), u"3"_qs);
    ASSERT_EQ(m.h.fake.messages.size(), 1u); // the refusal; the load itself says nothing
    EXPECT_EQ(m.h.fake.messages[0].text, u"Attenzione: indicare un numero di scheda da 1 a 3."_qs);

    // A click on the number opens the same window; Annulla leaves the record shown.
    m.h.fake.onModal = [&](QDialog& d) {
        child<QPushButton>(&d, u"btnAnnulla"_qs)->click();
        return d.result();
    };
    QTest::mouseClick(m.label(u"lblPosizione"_qs), Qt::LeftButton);
    EXPECT_EQ(m.position(), u"3"_qs);
}

} // namespace
