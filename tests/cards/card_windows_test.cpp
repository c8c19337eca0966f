#include "cards/frm_stampa_tessere.h"
#include "cards/frm_tessera.h"
#include "cards/frm_tessere.h"
#include "cards_fixture.h"
#include "core/navigation.h"
#include "paint_recorder.h"

#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace cards;
using namespace cards_test;

const QStringList kPlaceholder{QStringLiteral("Cognome e nome Socio"),
                               QStringLiteral("Carica ricoperta"), QStringLiteral("Tessera n."),
                               QStringLiteral("GG/MM/AAAA"), QStringLiteral("GG/MM/AAAA")};

QStringList memberTexts(const CardContent& c) {
    return {c.tesserato, c.carica, c.numTessera, c.dataRil, c.dataScade};
}

void click(QWidget* root, const char* name) {
    if (auto* t = child<QToolButton>(root, QLatin1String(name)))
        t->click();
    else
        child<QPushButton>(root, QLatin1String(name))->click();
}

// --- single card -----------------------------------------------------------------------------

struct SingleCard {
    testing_support::Harness h;
    TfrmTessera w{h.ctx};
    SingleCard() {
        h.windows.add(&w);
        w.show();
    }
    QString name() const { return labelText(&w, QStringLiteral("txtTesserato")); }
    QString position() const { return labelText(&w, QStringLiteral("lblPosizione")); }
};

TEST(SingleCard, BrowsesTheArchiveWithTheSharedRule) {
    SingleCard c;
    addMembers(c.h, {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna"),
                     QStringLiteral("Verdi Luca")});
    members::writeJpeg(c.h.path(QStringLiteral("2.jpg")), picture(40, 60, Qt::green));
    struct Step {
        const char* button;
        const char* position;
        const char* name;
    };
    const Step steps[] = {
        {"cmdIndietro", "1", "Rossi Mario"}, // nothing shown: the first record
        {"cmdIndietro", "1", "Rossi Mario"}, // at the first: nothing happens
        {"cmdAvanti", "2", "Bianchi Anna"},  {"cmdUltimo", "3", "Verdi Luca"},
        {"cmdAvanti", "3", "Verdi Luca"}, // at the last: nothing happens
        {"cmdPrimo", "1", "Rossi Mario"},
    };
    for (const Step& s : steps) {
        click(&c.w, s.button);
        EXPECT_EQ(c.position(), QLatin1String(s.position)) << s.button;
        EXPECT_EQ(c.name(), QLatin1String(s.name)) << s.button;
    }
    EXPECT_TRUE(c.h.fake.messages.empty());
    EXPECT_EQ(c.w.card()->photo()->image(), members::placeholderPhoto()); // 1.jpg is missing
    click(&c.w, "cmdAvanti");
    EXPECT_EQ(c.w.card()->photo()->image().size(), QSize(40, 60));
    EXPECT_EQ(c.w.content().dataScade, QStringLiteral("31/12/2026"));

    click(&c.w, "cmdNuovo");
    EXPECT_EQ(memberTexts(c.w.content()), kPlaceholder);
    EXPECT_EQ(c.position(), QString());
}

TEST(SingleCard, EmptyArchiveShowsTheMessage) {
    SingleCard c;
    c.w.findChild<QLabel*>(QStringLiteral("lblPosizione"))->setText(QStringLiteral("4"));
    click(&c.w, "cmdAvanti");
    EXPECT_EQ(c.position(), QString());
    click(&c.w, "cmdPrimo");
    ASSERT_EQ(c.h.fake.messages.size(), 2u);
    EXPECT_EQ(c.h.fake.lastMessage().kind, platform::MsgKind::Information);
    EXPECT_EQ(c.h.fake.lastMessage().text, core::emptyArchiveMessage());
    EXPECT_EQ(memberTexts(c.w.content()), kPlaceholder);
}

TEST(SingleCard, SearchInModeTesseraShowsThePickedMember) {
    SingleCard c;
    addMembers(c.h, {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna")});
    members::writeJpeg(c.h.path(QStringLiteral("2.jpg")), picture(400, 600, Qt::green));
    QStringList modes;
    c.w.setMemberFinder(
        [&](platform::Context&, QWidget*, const QString& mode) -> std::optional<qint64> {
            modes << mode;
            return modes.size() == 1 ? std::optional<qint64>(2) : std::nullopt;
        });
    click(&c.w, "cmdTrova");
    EXPECT_EQ(c.name(), QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(c.position(), QStringLiteral("2"));
    EXPECT_EQ(c.w.content().carica, QStringLiteral("Socio"));
    EXPECT_EQ(c.w.content().photo.size(), QSize(400, 600)); // the whole picture prints
    click(&c.w, "cmdTrova");                                // closed without a pick: the card stays
    EXPECT_EQ(c.name(), QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(modes, (QStringList{QStringLiteral("tessera"), QStringLiteral("tessera")}));
}

TEST(SingleCard, SearchOpensTheMemberSearchInItsMode) {
    SingleCard c;
    QStringList seen;
    c.h.fake.onModal = [&](QDialog& d) {
        seen << d.objectName() + u' ' + child<QLabel>(&d, QStringLiteral("lblMemory"))->text();
        return int(QDialog::Rejected);
    };
    click(&c.w, "cmdTrova");
    EXPECT_EQ(seen, QStringList{QStringLiteral("TfrmTrovaAnagrafica tessera")});
    EXPECT_EQ(c.name(), QStringLiteral("Cognome e nome Socio"));
}

TEST(SingleCard, PhotoEraserWhitensThisCardOnly) {
    SingleCard c;
    addMembers(c.h, {QStringLiteral("Rossi Mario")});
    members::writeJpeg(c.h.path(QStringLiteral("1.jpg")), picture(40, 60, Qt::green));
    click(&c.w, "cmdPrimo");
    const QByteArray before = fileBytes(c.h.path(QStringLiteral("1.jpg")));
    click(&c.w, "btnCancFoto");
    EXPECT_EQ(c.w.card()->photo()->image(), whitePhoto());
    EXPECT_EQ(fileBytes(c.h.path(QStringLiteral("1.jpg"))), before);
}

// --- nine-card sheet -------------------------------------------------------------------------

struct Sheet {
    testing_support::Harness h;
    TfrmTessere w{h.ctx};
    QStringList modes;
    std::optional<qint64> nextPick;
    Sheet() {
        writeIni(h, "[Dati Ente]\r\nDenominazione=Circolo\r\nAnnotazioni=Nota\r\n");
        addMembers(h, {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna")});
        w.setMemberFinder([this](platform::Context&, QWidget*, const QString& mode) {
            modes << mode;
            return nextPick;
        });
        h.windows.add(&w);
        w.show();
    }
    QStringList slotTexts(int i) const { return memberTexts(w.contents()[i]); }
    void import(int slot, std::optional<qint64> record) {
        nextPick = record;
        click(&w, QStringLiteral("btnImporta%1")
                      .arg(slot, 2, 10, QLatin1Char('0'))
                      .toLatin1()
                      .constData());
    }
};

TEST(NineCards, ShownWithPlaceholdersAndTheOrganisationInEverySlot) {
    Sheet s;
    for (int i = 0; i < kSheetSlots; ++i) {
        const CardContent c = s.w.contents()[i];
        EXPECT_EQ(memberTexts(c), kPlaceholder) << i;
        EXPECT_EQ(c.organisation.name, QStringLiteral("Circolo")) << i;
        EXPECT_EQ(c.logo, placeholderLogo()) << i; // no Logo.jpg
        EXPECT_TRUE(s.w.findChild<QLabel*>(u"txtTesserato"_qs + slotSuffix(i))) << i;
    }
    EXPECT_EQ(labelText(&s.w, QStringLiteral("txtDataRil_I")), QStringLiteral("GG/MM/AAAA"));
    EXPECT_EQ(labelText(&s.w, QStringLiteral("titDataRil_A")), QStringLiteral("Ril."));
}

TEST(NineCards, ImportFillsOneSlotAndOverwritesAFilledOne) {
    Sheet s;
    members::writeJpeg(s.h.path(QStringLiteral("2.jpg")), picture(30, 50, Qt::blue));
    s.import(5, 1);
    EXPECT_EQ(s.slotTexts(4)[0], QStringLiteral("Rossi Mario"));
    EXPECT_EQ(s.w.position(), QStringLiteral("1"));
    s.import(5, 2); // the same slot again
    s.import(9, 2); // the same member twice
    EXPECT_EQ(s.slotTexts(4), (QStringList{QStringLiteral("Bianchi Anna"), QStringLiteral("Socio"),
                                           QStringLiteral("T-001"), QStringLiteral("01/01/2026"),
                                           QStringLiteral("31/12/2026")}));
    EXPECT_EQ(s.slotTexts(8), s.slotTexts(4));
    EXPECT_EQ(s.w.contents()[4].photo.size(), QSize(30, 50));
    EXPECT_EQ(s.slotTexts(0), kPlaceholder);
    EXPECT_EQ(s.modes, (QStringList{QStringLiteral("tessere_05"), QStringLiteral("tessere_05"),
                                    QStringLiteral("tessere_09")}));
    s.import(1, std::nullopt); // nothing picked
    EXPECT_EQ(s.slotTexts(0), kPlaceholder);
}

TEST(NineCards, EraserButtonsClearSlots) {
    Sheet s;
    s.import(2, 1);
    s.import(3, 2);
    click(&s.w, "cmdCancella02");
    EXPECT_EQ(s.slotTexts(1), QStringList(5, QString()));
    EXPECT_EQ(s.w.contents()[1].photo, members::placeholderPhoto());
    EXPECT_EQ(s.slotTexts(2)[0], QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(s.w.position(), QString());

    s.h.fake.answers = {platform::Answer::No};
    click(&s.w, "icoGomma");
    ASSERT_EQ(s.h.fake.messages.size(), 1u);
    EXPECT_EQ(s.h.fake.lastMessage().kind, platform::MsgKind::Question);
    EXPECT_EQ(
        s.h.fake.lastMessage().text,
        QStringLiteral("Si sta per cancellare i dati e le foto presenti nei nove tesserini.\n\r\n\r"
                       "Si conferma l'operazione?"));
    EXPECT_EQ(s.slotTexts(2)[0], QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(s.slotTexts(0), kPlaceholder);

    click(&s.w, "icoGomma"); // Yes
    for (int i = 0; i < kSheetSlots; ++i)
        EXPECT_EQ(s.slotTexts(i), QStringList(5, QString())) << i;
    EXPECT_EQ(s.w.contents()[0].organisation.name, QStringLiteral("Circolo"));
}

TEST(NineCards, HideAndShowResetsEverySlot) {
    Sheet s;
    s.import(1, 1);
    click(&s.w, "cmdCancella04");
    writeIni(s.h, "[Dati Ente]\r\nDenominazione=Nuovo nome\r\n");
    members::writeJpeg(s.h.path(kLogoFileName), picture(119, 118, Qt::red));
    click(&s.w, "imgEsci");
    EXPECT_FALSE(s.w.isVisible());
    s.w.show();
    for (int i = 0; i < kSheetSlots; ++i) {
        EXPECT_EQ(s.slotTexts(i), kPlaceholder) << i;
        EXPECT_EQ(s.w.contents()[i].organisation.name, QStringLiteral("Nuovo nome")) << i;
        EXPECT_EQ(s.w.contents()[i].logo.size(), QSize(119, 118)) << i;
    }
    EXPECT_EQ(s.w.position(), QString());
}

TEST(NineCards, PrintGivesNineCardsEvenWhenCleared) {
    Sheet s;
    s.import(1, 1);
    click(&s.w, "cmdNuovo");
    s.import(2, 2);
    s.h.fake.onModal = [](QDialog& d) {
        click(&d, "btnStampa");
        return d.result();
    };
    click(&s.w, "cmdStampa");
    ASSERT_EQ(s.h.fake.modalDialogs, QStringList{QStringLiteral("TfrmStampaTessere")});
    ASSERT_EQ(s.h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(s.h.fake.printCalls[0].preview);
    EXPECT_EQ(s.h.fake.printCalls[0].layout.orientation(), QPageLayout::Landscape);

    const reports::Report sheet = printedSheet(s.w.contents(), QDate(2026, 3, 15));
    const QStringList painted = reports::recordPages(sheet, 150)[0].lines();
    EXPECT_EQ(painted.count(QStringLiteral("Circolo")), 9);
    EXPECT_EQ(painted.count(QStringLiteral("Bianchi Anna")), 1);
    EXPECT_EQ(painted.count(QStringLiteral("Rossi Mario")), 0);
    EXPECT_EQ(painted.count(QStringLiteral("Data scadenza:")), 9);
}

} // namespace

TEST(CardWindows, GuidaShowsEachWindowsOwnTopic) {
    SingleCard one;
    click(&one.w, "imgGuida");
    Sheet nine;
    click(&nine.w, "imgGuida");
    ASSERT_EQ(one.h.fake.helpTopics.size(), 1u);
    ASSERT_EQ(nine.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(one.h.fake.helpTopics[0].title, QStringLiteral("Stampa tessera singola."));
    EXPECT_EQ(nine.h.fake.helpTopics[0].title, QStringLiteral("Stampa più tessere."));
    EXPECT_EQ(one.h.fake.helpTopics[0].paragraphs.size(), 4);
}
