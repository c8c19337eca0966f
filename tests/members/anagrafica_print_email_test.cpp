#include "member_window_fixture.h"

#include "pdf_text.h"

#include "platform/shell_open.h"

#include <gtest/gtest.h>

using members_test::MemberWindow;
using platform::MsgKind;
using testing_support::pdfText;

TEST(MemberSheetCommands, PreviewAndPrintTheUnsavedSheetOnA4Portrait) {
    for (bool preview : {true, false}) {
        MemberWindow m;
        m.w->show(); // a new sheet: today's issue date, nothing saved
        m.set(QStringLiteral("txtTesserato"), QStringLiteral("  Bianchi Luca "));
        m.set(QStringLiteral("txtComuneNasc"), QStringLiteral("Roma"));
        m.set(QStringLiteral("txtTitoli"), QStringLiteral("30,00"));
        m.h.fake.pdfPath = m.h.path(QStringLiteral("scheda.pdf"));
        preview ? m.w->preview() : m.w->print();

        ASSERT_EQ(m.h.fake.printCalls.size(), 1u);
        EXPECT_EQ(m.h.fake.printCalls[0].preview, preview);
        const QPageLayout layout = m.h.fake.printCalls[0].layout;
        EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
        EXPECT_NEAR(layout.fullRect(QPageLayout::Millimeter).width(), 210, 0.5);
        EXPECT_TRUE(m.h.fake.messages.empty());
        EXPECT_FALSE(QFileInfo::exists(m.h.path(QStringLiteral("Tesserati.pro"))));

        const QString text = pdfText(m.h.fake.pdfPath);
        if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
        for (const char* s : {"SCHEDA ANAGRAFICA SOCIO", "Bianchi Luca", "15/03/2026", "Roma",
                              "€ 30,00", "Stampa eseguita in data 15/03/2026 alle ore 10:30:00"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
        EXPECT_FALSE(text.contains(QLatin1String("Campo"))); // design texts never reach the paper
    }
}

TEST(MemberEmailCommands, PlainEmailNeedsAnAddress) {
    MemberWindow m;
    m.w->show();
    m.w->activateWindow();
    m.w->email();
    ASSERT_EQ(m.h.fake.messages.size(), 1u);
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(m.lastText(),
              QStringLiteral("Attenzione: indicare l'indirizzo e-mail del tesserato."));
    EXPECT_EQ(m.w->focusWidget(), m.edit(QStringLiteral("txtEmail")));
    EXPECT_TRUE(m.h.fake.opened.isEmpty());

    m.set(QStringLiteral("txtEmail"), QStringLiteral("luca@example.it"));
    m.w->email();
    EXPECT_EQ(m.h.fake.opened, QStringList{QStringLiteral("\"mailto:luca@example.it\"")});
    EXPECT_EQ(m.h.fake.messages.size(), 1u);
}

// With no program to take the link, both mail commands say so.
TEST(MemberEmailCommands, ARefusedLinkIsReported) {
    MemberWindow m;
    m.h.fake.openAccepted = false;
    m.set(QStringLiteral("txtTesserato"), QStringLiteral("Bianchi Luca"));
    m.set(QStringLiteral("txtNumTessera"), QStringLiteral("17"));
    m.set(QStringLiteral("txtDataScade"), QStringLiteral("31/12/2026"));
    m.set(QStringLiteral("txtEmail"), QStringLiteral("luca@example.it"));
    for (void (members::TfrmAnagrafica::*send)() :
         {&members::TfrmAnagrafica::email, &members::TfrmAnagrafica::renewalEmail}) {
        m.h.fake.messages.clear();
        (m.w.get()->*send)();
        ASSERT_EQ(m.h.fake.messages.size(), 1u);
        EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Error);
        EXPECT_EQ(m.lastText(), platform::mailRefusedMessage());
    }
    EXPECT_EQ(m.h.fake.opened.size(), 2);
}

TEST(MemberEmailCommands, RenewalNoticeStopsAtCardNumberBeforeAddress) {
    MemberWindow m;
    m.w->show();
    m.w->activateWindow();
    m.set(QStringLiteral("txtTesserato"), QStringLiteral("Bianchi Luca"));
    m.set(QStringLiteral("txtDataScade"), QStringLiteral("31/12/2026"));
    m.w->renewalEmail();
    ASSERT_EQ(m.h.fake.messages.size(), 1u);
    EXPECT_EQ(
        m.lastText(),
        QStringLiteral(
            "Attenzione: per inviare l'avviso è necessario indicare il numero della tessera."));
    EXPECT_EQ(m.w->focusWidget(), m.edit(QStringLiteral("txtNumTessera")));
    EXPECT_TRUE(m.h.fake.opened.isEmpty());

    m.set(QStringLiteral("txtNumTessera"), QStringLiteral(" 17 "));
    m.set(QStringLiteral("txtEmail"), QStringLiteral("luca@example.it"));
    m.w->renewalEmail();
    ASSERT_EQ(m.h.fake.opened.size(), 1);
    EXPECT_TRUE(m.h.fake.opened[0].startsWith(QStringLiteral(
        "\"mailto:luca@example.it?subject=Rinnovo tessera&body=Gentilissimo Sig. Bianchi Luca, "
        "con la presente le ricordiamo che la sua tessera n. 17, rilasciata in data 15/03/2026 e "
        "con scadenza in data 31/12/2026, ha bisogno")));
    EXPECT_TRUE(m.h.fake.opened[0].endsWith(QStringLiteral("cordiali saluti.\"")));
}
