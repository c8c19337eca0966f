#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_lists.h"

#include "cashbook_fixture.h"
#include "fake_platform.h"

#include "members/member_archive.h"
#include "platform/text_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "platform/shell_open.h"

#include <gtest/gtest.h>

#include <memory>

using namespace cashbook;
using namespace cashbook_fixture;
using platform::MsgKind;
using testing_support::child;
using testing_support::Harness;

namespace {

struct MovementWindow {
    Harness h;
    QString path = yearPath(h.dir.path());
    std::unique_ptr<TfrmMovimenti> w = std::make_unique<TfrmMovimenti>(h.ctx);
    MovementWindow() { w->openYear(path, u"2026"_qs); }
    // Focus moves (and leaving a field) need the window shown and active.
    void activate() const {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    QLineEdit* edit(const char* name) const {
        return child<QLineEdit>(w.get(), QLatin1String(name));
    }
    QLabel* label(const char* name) const { return child<QLabel>(w.get(), QLatin1String(name)); }
    void set(const char* name, const QString& text) const { edit(name)->setText(text); }
    void click(const char* name) const {
        child<QAbstractButton>(w.get(), QLatin1String(name))->click();
    }
    QString position() const { return label("lblPosizione")->text(); }
    // A sheet that passes every save check.
    void fill() const {
        set("txtCausale", u"Quota sociale"_qs);
        set("txtDataSca", u"31/03/2026"_qs);
        set("txtPagatore", u"Rossi Carlo"_qs);
        set("txtBeneficiario", u"Circolo"_qs);
    }
    QStringList record(qint64 n) const { return *yearArchive(path).read(n); }
    qint64 count() const { return yearArchive(path).count().value_or(-1); }
};

} // namespace

TEST(MovementWindowTest, HasItsNamedControlsAndStartsANewMovement) {
    MovementWindow m;
    EXPECT_EQ(m.w->windowTitle(), u" Quorvix 5.0 - Registrazione movimenti anno 2026"_qs);
    for (const char* n :
         {"cmdNuovo",    "cmdDuplica",      "cmdSalva",    "cmdTrova",     "cmdFile",
          "cmdStampa",   "cmdPrimo",        "cmdIndietro", "lblPosizione", "cmdAvanti",
          "cmdUltimo",   "cmdEsporta",      "cmdScadenze", "cmdGuida",     "cmdEsci",
          "impPagatore", "impBeneficiario", "chkCodFisc",  "chkIva",       "sndEmail",
          "impData",     "impDataSca",      "optEntrata",  "optUscita",    "chkSaldato",
          "lblImporto",  "txtTotale",       "lblFile",     "lblFile01",    "lblDesc03",
          "panInfo",     "effCausale",      "effImporto"})
        EXPECT_TRUE(child<QWidget>(m.w.get(), QLatin1String(n))) << n;
    EXPECT_EQ(m.label("lblFile")->text(), m.path);

    m.set("txtCausale", u"x"_qs);
    m.click("optUscita");
    m.click("cmdNuovo");
    EXPECT_EQ(m.edit("txtData")->text(), u"15/03/2026"_qs);
    EXPECT_EQ(m.edit("txtCausale")->text(), QString());
    EXPECT_EQ(m.edit("txtPreavviso")->text(), u"0"_qs);
    EXPECT_EQ(m.edit("txtImporto")->text(), u"0,00"_qs);
    EXPECT_EQ(m.label("txtTotale")->text(), u"+0,00"_qs);
    EXPECT_TRUE(child<QRadioButton>(m.w.get(), u"optEntrata"_qs)->isChecked());
    EXPECT_EQ(m.label("lblImporto")->text(), u"Importo in entrata: \u20ac"_qs);
    EXPECT_EQ(m.position(), QString());
    EXPECT_EQ(m.label("panInfo")->text(), u"Pronto per archiviare una nuova scheda..."_qs);
    EXPECT_FALSE(QFile::exists(m.path));
}

TEST(MovementWindowTest, SaveAppendsThenOverwritesWithTypeAndSignedTotal) {
    MovementWindow m;
    m.fill();
    m.click("optUscita");
    EXPECT_EQ(m.label("lblImporto")->text(), u"Importo in uscita: \u20ac"_qs);
    EXPECT_TRUE(m.label("lblImporto")->styleSheet().contains(u"red"_qs));
    m.set("txtImporto", u"3,455"_qs);
    m.set("txtCodFisc", u"rsscrl80a01h501u"_qs);
    m.click("cmdSalva");
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"La scheda corrente \u00e8 stata inserita in archivio."_qs);
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(m.position(), u"1"_qs);
    QStringList r = m.record(1);
    EXPECT_EQ(r[Entrata], kNo);
    EXPECT_EQ(r[Uscita], kYes);
    EXPECT_EQ(r[Importo], u"3,46"_qs);
    EXPECT_EQ(r[Totale], u"-3,46"_qs);
    EXPECT_EQ(r[CodFisc], u"RSSCRL80A01H501U"_qs);
    EXPECT_EQ(r[Saldato], kNo);
    EXPECT_EQ(m.edit("txtImporto")->text(), u"3,46"_qs);

    m.click("optEntrata");
    child<QCheckBox>(m.w.get(), u"chkSaldato"_qs)->setChecked(true);
    m.click("cmdSalva");
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_qs);
    EXPECT_EQ(m.count(), 1);
    r = m.record(1);
    EXPECT_EQ(r[Entrata], kYes);
    EXPECT_EQ(r[Totale], u"+3,46"_qs);
    EXPECT_EQ(r[Saldato], kYes);
}

TEST(MovementWindowTest, AFailedCheckShowsItsMessageFocusesAndWritesNothing) {
    MovementWindow m;
    m.activate();
    m.fill();
    m.set("txtPagatore", u"   "_qs);
    m.click("cmdSalva");
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"Attenzione: per salvare la scheda \u00e8 necessario indicare il nome del "
              u"Pagatore."_qs);
    EXPECT_EQ(m.w->focusWidget(), m.edit("txtPagatore"));
    EXPECT_FALSE(QFile::exists(m.path));
}

// `Totale` keeps 15 characters: a longer amount is refused whole, never stored cut.
TEST(MovementWindowTest, AnAmountTooLongIsRefusedAndShownWhole) {
    MovementWindow m;
    m.fill();
    m.set("txtImporto", u"1234567890123,5"_qs);
    m.click("cmdSalva");
    EXPECT_TRUE(m.h.fake.lastMessage().text.startsWith(
        u"Attenzione: l'importo 1234567890123,50 \u00e8 troppo grande"_qs));
    EXPECT_EQ(m.edit("txtImporto")->text(), u"1234567890123,50"_qs);
    EXPECT_FALSE(QFile::exists(m.path));
}

// The balance of a year lists only that year's dates from that year's file.
TEST(MovementWindowTest, ADateOfAnotherYearAsksBeforeSaving) {
    MovementWindow m;
    m.fill();
    m.set("txtData", u"31/12/2025"_qs);
    m.h.fake.answers = {platform::Answer::No};
    m.click("cmdSalva");
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Question);
    EXPECT_TRUE(m.h.fake.lastMessage().text.contains(u"non appartiene all'anno 2026"_qs));
    EXPECT_FALSE(QFile::exists(m.path));
    EXPECT_EQ(m.position(), QString());

    m.click("cmdSalva"); // Yes
    EXPECT_EQ(m.count(), 1);
    EXPECT_EQ(m.record(1)[Data], u"31/12/2025"_qs);
}

TEST(MovementWindowTest, AmountTakesDigitsAndCommaAndIsNormalisedOnLeaving) {
    MovementWindow m;
    m.activate();
    QLineEdit* amount = m.edit("txtImporto");
    amount->setFocus();
    amount->clear();
    QTest::keyClicks(amount, u"1a2-,5.x"_qs);
    EXPECT_EQ(amount->text(), u"12,5"_qs);
    m.edit("txtPagatore")->setFocus();
    EXPECT_EQ(amount->text(), u"12,50"_qs);
    amount->setFocus();
    amount->setText(u"1,005"_qs);
    QTest::keyClick(amount, Qt::Key_Return); // Enter moves on to the payer
    EXPECT_EQ(amount->text(), u"1,01"_qs);
    EXPECT_EQ(m.w->focusWidget(), m.edit("txtPagatore"));
}

TEST(MovementWindowTest, DuplicateKeepsTheDataButStartsANewMovement) {
    MovementWindow m;
    m.click("cmdDuplica");
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"Attenzione: la duplicazione di una scheda pu\u00f2 avvenire soltanto dopo che "
              u"questa \u00e8 stata inserita in archivio."_qs);

    addMovement(m.path, expense(u"12,00"_qs, {{Data, u"01/02/2026"_qs}, {File01, u"a.pdf"_qs}}));
    m.click("cmdPrimo");
    EXPECT_TRUE(child<QRadioButton>(m.w.get(), u"optUscita"_qs)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(m.w.get(), u"chkSaldato"_qs)->isChecked());
    EXPECT_EQ(m.label("lblFile01")->text(), u"a.pdf"_qs);
    m.click("cmdDuplica");
    EXPECT_TRUE(m.h.fake.lastMessage().text.startsWith(
        u"E' ora possibile apportare le proprie modifiche alla scheda corrente."_qs));
    EXPECT_EQ(m.position(), QString());
    EXPECT_EQ(m.edit("txtData")->text(), u"15/03/2026"_qs);
    EXPECT_EQ(m.edit("txtDataSca")->text(), QString());
    EXPECT_EQ(m.label("lblFile01")->text(), QString());
    EXPECT_FALSE(child<QCheckBox>(m.w.get(), u"chkSaldato"_qs)->isChecked());
    EXPECT_EQ(m.edit("txtImporto")->text(), u"12,00"_qs);

    m.click("cmdSalva"); // the due date is asked for again
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"Attenzione: per salvare la scheda \u00e8 necessario indicare la data di scadenza "
              u"del pagamento."_qs);
    m.set("txtDataSca", u"30/04/2026"_qs);
    m.click("cmdSalva");
    EXPECT_EQ(m.count(), 2);
    EXPECT_EQ(m.record(2)[Totale], u"-12,00"_qs);
}

TEST(MovementWindowTest, NavigationFollowsTheArchiveRules) {
    MovementWindow m;
    m.click("cmdAvanti");
    EXPECT_EQ(m.h.fake.lastMessage().text, u"L'archivio non contiene nessuna scheda."_qs);
    EXPECT_TRUE(QFile::exists(m.path)); // created empty
    addMovement(m.path, income(u"1,00"_qs, {{Causale, u"Primo"_qs}}));
    addMovement(m.path, expense(u"2,00"_qs, {{Causale, u"Secondo"_qs}}));
    m.click("cmdIndietro"); // from a new movement: record 1
    EXPECT_EQ(m.position(), u"1"_qs);
    m.click("cmdIndietro");
    EXPECT_EQ(m.position(), u"1"_qs);
    m.click("cmdUltimo");
    EXPECT_EQ(m.edit("txtCausale")->text(), u"Secondo"_qs);
    EXPECT_EQ(m.label("txtTotale")->text(), u"-2,00"_qs);
    EXPECT_EQ(m.label("lblImporto")->text(), u"Importo in uscita: \u20ac"_qs);
    const auto shown = m.h.fake.messages.size();
    m.click("cmdAvanti");
    EXPECT_EQ(m.position(), u"2"_qs);
    EXPECT_EQ(m.h.fake.messages.size(), shown);
}

TEST(MovementWindowTest, PendingListLoadsTheOpenMovementNotASettledTwin) {
    MovementWindow m;
    const QStringList open = movementValues({{Saldato, kNo}, {Note, u"aperto"_qs}});
    QStringList settled = open;
    settled[Saldato] = kYes;
    settled[Note] = u"saldato"_qs;
    addMovement(m.path, open);
    addMovement(m.path, settled);
    m.h.fake.onModal = [](QDialog& d) {
        auto* list = d.findChild<platform::TextList*>(u"lstRecords"_qs);
        EXPECT_EQ(list->count(), 1);
        list->selectRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
        return d.result();
    };
    m.click("cmdScadenze");
    EXPECT_EQ(m.position(), u"1"_qs);
    EXPECT_EQ(m.edit("txtNote")->text(), u"aperto"_qs);
    EXPECT_FALSE(child<QCheckBox>(m.w.get(), u"chkSaldato"_qs)->isChecked());
}

TEST(MovementWindowTest, SearchLoadsTheChosenMovement) {
    MovementWindow m;
    addMovement(m.path, income(u"5,00"_qs, {{Causale, u"Quota"_qs}}));
    addMovement(m.path, expense(u"9,00"_qs, {{Causale, u"Affitto"_qs}}));
    QString mode;
    m.h.fake.onModal = [&](QDialog& d) {
        mode = child<QLabel>(&d, u"lblMemory"_qs)->text();
        child<QLineEdit>(&d, u"txtCausale"_qs)->setText(u"affitto"_qs);
        child<QPushButton>(&d, u"btnCerca"_qs)->click();
        auto* list = d.findChild<platform::TextList*>(u"lstRecords"_qs);
        list->selectRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
        return d.result();
    };
    m.click("cmdTrova");
    EXPECT_EQ(mode, u"movimenti"_qs);
    EXPECT_EQ(m.position(), u"2"_qs);
    EXPECT_TRUE(child<QRadioButton>(m.w.get(), u"optUscita"_qs)->isChecked());
}

TEST(MovementWindowTest, PayerAndBeneficiaryComeFromTheMemberArchive) {
    MovementWindow m;
    QStringList member;
    for (int i = 0; i < members::MemberFieldCount; ++i)
        member << QString();
    member[members::Tesserato] = u"Bianchi Anna"_qs;
    member[members::Recapito] = u"06 555"_qs;
    member[members::CodFisc] = u"BNCNNA80A41H501X"_qs;
    member[members::PartitaIva] = u"01234567890"_qs;
    member[members::NumTessera] = u"T-7"_qs;
    member[members::Email] = u"anna@example.org"_qs;
    member[members::Annullata] = members::kNo;
    members::MemberArchive(m.h.dir.path()).save(0, member);
    QStringList modes;
    m.h.fake.onModal = [&](QDialog& d) {
        modes << child<QLabel>(&d, u"lblMemory"_qs)->text();
        child<QPushButton>(&d, u"btnCerca"_qs)->click();
        auto* list = d.findChild<platform::TextList*>(u"lstRecords"_qs);
        list->selectRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
        return d.result();
    };
    m.click("impPagatore");
    m.click("impBeneficiario");
    EXPECT_EQ(modes, (QStringList{u"movimenti_pagatore"_qs, u"movimenti_beneficiario"_qs}));
    EXPECT_EQ(m.edit("txtPagatore")->text(), u"Bianchi Anna"_qs);
    EXPECT_EQ(m.edit("txtRecapitoPag")->text(), u"06 555"_qs);
    EXPECT_EQ(m.edit("txtCodFisc")->text(), u"BNCNNA80A41H501X"_qs);
    EXPECT_EQ(m.edit("txtPartitaIva")->text(), u"01234567890"_qs);
    EXPECT_EQ(m.edit("txtCategoria")->text(), u"T-7"_qs);
    EXPECT_EQ(m.edit("txtEmail")->text(), u"anna@example.org"_qs);
    EXPECT_EQ(m.edit("txtBeneficiario")->text(), u"Bianchi Anna"_qs);
    EXPECT_EQ(m.edit("txtRecapitoBen")->text(), u"06 555"_qs);
}

TEST(MovementWindowTest, SideCommandsOpenTheirWindowsAndLinks) {
    MovementWindow m;
    m.activate();
    m.click("sndEmail");
    EXPECT_EQ(m.h.fake.lastMessage().text,
              u"Attenzione: indicare l'indirizzo e-mail del tesserato."_qs);
    EXPECT_EQ(m.w->focusWidget(), m.edit("txtEmail"));
    m.set("txtEmail", u"carlo@example.org"_qs);
    m.click("sndEmail");
    EXPECT_EQ(m.h.fake.opened, QStringList{u"\"mailto:carlo@example.org\""_qs});
    m.h.fake.openAccepted = false; // no mail program takes the link
    m.click("sndEmail");
    EXPECT_EQ(m.h.fake.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(m.h.fake.lastMessage().text, platform::mailRefusedMessage());
    m.h.fake.openAccepted = true;

    m.set("txtCodFisc", u"01234567890"_qs);
    m.click("chkCodFisc"); // digits only: the VAT check
    m.set("txtCodFisc", u"RSSCRL80A01H501U"_qs);
    m.click("chkCodFisc");
    m.click("chkIva");
    EXPECT_EQ(m.h.fake.modalDialogs,
              (QStringList{u"TfrmPartitaIva"_qs, u"TfrmCodFisc"_qs, u"TfrmPartitaIva"_qs}));

    m.set("txtData", u"01/01/2026"_qs);
    m.click("impData");
    EXPECT_EQ(m.edit("txtData")->text(), QString());

    m.click("cmdGuida");
    ASSERT_EQ(m.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(m.h.fake.helpTopics[0].title, u"Applicazione Registrazione movimenti."_qs);
    EXPECT_EQ(m.h.fake.helpTopics[0].paragraphs.size(), 13);
}

TEST(MovementWindowTest, AttachmentsComeBackIntoTheLabelsAndAreSaved) {
    MovementWindow m;
    m.h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(child<QLabel>(&d, u"lblMemory"_qs)->text(), u"movimenti"_qs);
        child<QLineEdit>(&d, u"txtDesc02"_qs)->setText(u"Ricevuta firmata"_qs);
        child<QPushButton>(&d, u"btnApplica"_qs)->click();
        return d.result();
    };
    m.click("cmdFile");
    EXPECT_EQ(m.label("lblDesc02")->text(), u"Ricevuta firmata"_qs);
    m.fill();
    m.click("cmdSalva");
    EXPECT_EQ(m.record(1)[Desc02], u"Ricevuta firmata"_qs);
}
