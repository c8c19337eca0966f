#include "member_window_fixture.h"

#include "members/member_archive.h"
#include "members/member_save.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using members_test::MemberWindow;
using platform::MsgKind;

TEST(MemberWindow, HasEveryNamedControl) {
    MemberWindow m;
    EXPECT_EQ(m.w->objectName(), QStringLiteral("TfrmAnagrafica"));
    EXPECT_EQ(m.w->windowTitle(), QStringLiteral(" Quorvix 5.0 - Archivio Soci"));
    const char* names[] = {
        "cmdNuovo",     "cmdSalva",     "cmdTrova",    "cmdAllega",  "cmdAnteprima",  "cmdStampa",
        "cmdScadute",   "cmdPrimo",     "cmdIndietro", "cmdAvanti",  "cmdUltimo",     "cmdExcel",
        "cmdGuida",     "cmdEsci",      "btnSfoglia",  "btnWebcam",  "btnSalvaFoto",  "btnZoom",
        "btnCancFoto",  "cmdEmail",     "btnEmail",    "cmdCodFisc", "cmdPartitaIva", "cmdCarta",
        "cmdIban",      "chkAnnullata", "imgFoto",     "imgBianco",  "lblPosizione",  "panInfo",
        "lblFile01",    "lblFile02",    "lblFile03",   "lblDesc01",  "lblDesc02",     "lblDesc03",
        "effTesserato", "effNote",      "effProvNasc", "effDataRil"};
    for (const char* n : names)
        EXPECT_TRUE(testing_support::child<QWidget>(m.w.get(), QLatin1String(n))) << n;
}

TEST(MemberWindow, NewSheetDefaults) {
    MemberWindow m;
    m.set(QStringLiteral("txtTesserato"), QStringLiteral("Rossi Mario"));
    m.set(QStringLiteral("txtPreavviso"), QStringLiteral(""));
    m.label(QStringLiteral("lblFile01"))->setText(QStringLiteral("doc.pdf"));
    m.label(QStringLiteral("lblPosizione"))->setText(QStringLiteral("4"));
    testing_support::child<QCheckBox>(m.w.get(), QStringLiteral("chkAnnullata"))->setChecked(true);
    testing_support::child<QToolButton>(m.w.get(), QStringLiteral("cmdNuovo"))->click();

    EXPECT_EQ(m.edit(QStringLiteral("txtTesserato"))->text(), QString());
    EXPECT_EQ(m.edit(QStringLiteral("txtDataRil"))->text(), QStringLiteral("15/03/2026"));
    EXPECT_EQ(m.edit(QStringLiteral("txtPreavviso"))->text(), QStringLiteral("0"));
    EXPECT_EQ(m.label(QStringLiteral("lblFile01"))->text(), QString());
    EXPECT_EQ(m.position(), QString());
    EXPECT_FALSE(
        testing_support::child<QCheckBox>(m.w.get(), QStringLiteral("chkAnnullata"))->isChecked());
}

} // namespace

namespace {

// Each case breaks one rule on an otherwise valid sheet; earlier rules win over later ones.
struct SaveCheck {
    std::vector<std::pair<members::MemberField, const char*>> setup;
    MsgKind kind;
    const char* message;
    const char* focus;
};

// A valid member as the window trims it, with `setup` typed over it.
QStringList memberValues(const std::vector<std::pair<members::MemberField, const char*>>& setup) {
    QStringList v(members::MemberFieldCount, QString());
    v[members::Tesserato] = QStringLiteral("Rossi Mario");
    v[members::DataRil] = QStringLiteral("01/01/2026");
    v[members::DataScade] = QStringLiteral("31/12/2026");
    v[members::Preavviso] = QStringLiteral("0");
    for (const auto& [field, text] : setup)
        v[field] = QString::fromUtf8(text).trimmed();
    return v;
}

TEST(MemberSaveChecks, FirstProblemInOrder) {
    using namespace members;
    const QString invalidTail =
        QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                       "data valida nel formato gg/mm/aaaa.");
    const SaveCheck cases[] = {
        {{{Tesserato, "   "}, {DataRil, ""}, {Preavviso, ""}},
         MsgKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare il nome del tesserato.",
         "txtTesserato"},
        {{{DataRil, " "}, {DataScade, ""}},
         MsgKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare la data di rilascio del "
         "tesserino.",
         "txtDataRil"},
        {{{DataScade, ""}, {DataRil, "31/04/2024"}},
         MsgKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del "
         "tesserino.",
         "txtDataScade"},
        {{{DataRil, "31/04/2024 "}, {DataScade, "xx"}},
         MsgKind::Plain,
         "Attenzione: la data di rilascio della tessera 31/04/2024",
         "txtDataRil"},
        {{{DataScade, "29/02/2027"}, {Preavviso, ""}},
         MsgKind::Plain,
         "Attenzione: la data di scadenza della tessera 29/02/2027",
         "txtDataScade"},
        {{{DataRil, "02/01/2026"}, {DataScade, "1/1/26"}, {Preavviso, ""}},
         MsgKind::Plain,
         "Attenzione: la data di scadenza (1/1/26) non può essere anteriore a quella di rilascio "
         "della tessera (02/01/2026).",
         "txtDataScade"},
        {{{Preavviso, "  "}},
         MsgKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso.",
         "txtPreavviso"},
    };
    const QDate today(2026, 3, 15);
    for (const SaveCheck& c : cases) {
        const auto problem = memberSaveProblem(memberValues(c.setup), today);
        ASSERT_TRUE(problem) << c.focus;
        QString expected = QString::fromUtf8(c.message);
        if (c.kind == MsgKind::Plain && !expected.endsWith(QStringLiteral(").")))
            expected += invalidTail;
        EXPECT_EQ(problem->kind, c.kind) << c.focus;
        EXPECT_EQ(problem->text, expected);
        EXPECT_EQ(problem->control, QLatin1String(c.focus));
    }
    // Same day and zero notice pass.
    EXPECT_FALSE(memberSaveProblem(memberValues({{DataScade, "01/01/2026"}}), today));
}

TEST(MemberWindow, SaveProblemShownWithFocusAndNothingWritten) {
    MemberWindow m;
    m.w->show();
    m.fillValid(QStringLiteral("Rossi Mario"));
    m.set(QStringLiteral("txtDataScade"), QStringLiteral("29/02/2027"));
    m.w->activateWindow();
    m.save();
    ASSERT_EQ(m.h.fake.messages.size(), 1u);
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_TRUE(m.lastText().startsWith(
        QStringLiteral("Attenzione: la data di scadenza della tessera 29/02/2027")));
    EXPECT_EQ(m.w->focusWidget(), m.edit(QStringLiteral("txtDataScade")));
    EXPECT_FALSE(QFileInfo::exists(m.h.path(QStringLiteral("Tesserati.pro"))));
    EXPECT_EQ(m.position(), QString());
}

TEST(MemberWindow, SameDayAndZeroNoticeAreAccepted) {
    MemberWindow m;
    m.fillValid(QStringLiteral("Rossi Mario"));
    m.set(QStringLiteral("txtDataScade"), QStringLiteral("01/01/2026"));
    m.save();
    EXPECT_EQ(m.lastText(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
}

TEST(MemberWindow, AppendThenOverwrite) {
    MemberWindow m;
    members::MemberArchive archive(m.h.ctx.folder);
    QStringList other(members::MemberFieldCount, QString());
    other[members::Tesserato] = QStringLiteral("Primo");
    ASSERT_TRUE(archive.save(0, other));
    ASSERT_TRUE(archive.save(0, other));

    m.fillValid(QStringLiteral("Bianchi Anna"));
    m.save();
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(m.lastText(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(m.position(), QStringLiteral("3"));
    EXPECT_TRUE(QFileInfo::exists(m.h.path(QStringLiteral("3.jpg"))));

    m.set(QStringLiteral("txtCarica"), QStringLiteral("Presidente"));
    m.save();
    EXPECT_EQ(m.lastText(),
              QStringLiteral(
                  "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    EXPECT_EQ(m.position(), QStringLiteral("3"));
    EXPECT_EQ(*archive.count(), 3);
    EXPECT_EQ(archive.read(3)->values[members::Carica], QStringLiteral("Presidente"));
    EXPECT_EQ(archive.read(1)->values[members::Tesserato], QStringLiteral("Primo"));
}

TEST(MemberWindow, NavigationAtBothEndsAndFromNewSheet) {
    MemberWindow m;
    const QString empty = QStringLiteral("L'archivio non contiene nessuna scheda.");
    // An empty (missing) archive: created by the first look, each command says it is empty.
    m.w->first();
    EXPECT_TRUE(QFileInfo::exists(m.h.path(QStringLiteral("Tesserati.pro"))));
    m.w->last();
    m.w->next();
    m.w->previous();
    EXPECT_EQ(m.h.fake.texts(), QStringList(4, empty));

    members::MemberArchive archive(m.h.ctx.folder);
    for (const char* name : {"Uno", "Due", "Tre"}) {
        QStringList v(members::MemberFieldCount, QString());
        v[members::Tesserato] = QLatin1String(name);
        archive.save(0, v);
    }
    m.h.fake.messages.clear();
    const auto name = [&] { return m.edit(QStringLiteral("txtTesserato"))->text(); };

    m.w->newSheet();
    m.w->previous();
    EXPECT_EQ(name(), QStringLiteral("Uno"));
    EXPECT_EQ(m.position(), QStringLiteral("1"));
    m.w->previous(); // at the start: nothing happens
    EXPECT_EQ(m.position(), QStringLiteral("1"));
    m.w->newSheet();
    m.w->next();
    EXPECT_EQ(name(), QStringLiteral("Uno"));
    m.w->next();
    EXPECT_EQ(name(), QStringLiteral("Due"));
    m.w->last();
    EXPECT_EQ(name(), QStringLiteral("Tre"));
    m.set(QStringLiteral("txtTesserato"), QStringLiteral("edited"));
    m.w->next(); // at the end: nothing happens, the edit stays
    EXPECT_EQ(name(), QStringLiteral("edited"));
    EXPECT_EQ(m.position(), QStringLiteral("3"));
    m.w->first(); // the edit is asked about first
    EXPECT_EQ(name(), QStringLiteral("Uno"));
    ASSERT_EQ(m.h.fake.messages.size(), 1u);
    EXPECT_EQ(m.h.fake.lastMessage().kind, platform::MsgKind::SaveQuestion);
}

} // namespace

TEST(MemberWindow, GuidaShowsTheArchiveTopic) {
    MemberWindow m;
    testing_support::child<QToolButton>(m.w.get(), QStringLiteral("cmdGuida"))->click();
    ASSERT_EQ(m.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(m.h.fake.helpTopics[0].title, QStringLiteral("Archivio Soci."));
    EXPECT_EQ(m.h.fake.helpTopics[0].paragraphs.size(), 8);
}
