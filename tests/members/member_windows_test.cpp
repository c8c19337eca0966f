#include "core/record_file.h"
#include "members/frm_importa_soci.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_pick.h"
#include "platform/ui.h"

#include "fake_platform.h"
#include "member_fixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace members;
using namespace member_fixture;
using testing_support::child;
using testing_support::Harness;

namespace {

QString nameOf(const QString& line) {
    return line.left(30).trimmed();
}

struct MemberWindows : ::testing::Test {
    Harness h;
    void SetUp() override {
        addMember(
            h.dir.path(),
            {{Tesserato, u"Verdi Anna"_qs}, {Recapito, u"06 1234"_qs}, {ComuneRes, u"Roma"_qs}});
        addMember(h.dir.path(),
                  {{Tesserato, u"Rossi Carlo"_qs}, {ComuneRes, u"Milano"_qs}, {Annullata, kYes}});
        addMember(h.dir.path(), {{Tesserato, u"bianchi Ugo"_qs},
                                 {ComuneRes, u"Roma"_qs},
                                 {IndirizzoRes, u"Via Roma 1"_qs},
                                 {CapRes, u"00100"_qs},
                                 {ProvRes, u"RM"_qs},
                                 {NumTessera, u"T-3"_qs},
                                 {DataRil, u"01/02/2026"_qs},
                                 {DataScade, u"31/12/2026"_qs}});
        addMember(h.dir.path(), {{Tesserato, u"Neri Rossi"_qs}, {ComuneRes, u"Roma"_qs}});
    }
};

} // namespace

TEST_F(MemberWindows, SearchFiltersThenListsWithCountAndFocusInFind) {
    TfrmTrovaAnagrafica w(h.ctx, nullptr, u"anagrafica"_qs);
    EXPECT_EQ(w.windowTitle(), u" Trova Soci in archivio"_qs);
    EXPECT_EQ(child<QLabel>(&w, u"lblMemory"_qs)->text(), u"anagrafica"_qs);
    auto* filterPanel = child<QWidget>(&w, u"panFiltri"_qs);
    auto* listPanel = child<QWidget>(&w, u"panElenco"_qs);
    EXPECT_FALSE(filterPanel->isHidden());
    EXPECT_TRUE(listPanel->isHidden());
    EXPECT_EQ(listOf(&w)->count(), 0);

    child<QLineEdit>(&w, u"txtComuneRes"_qs)->setText(u"ROMA"_qs);
    child<QLineEdit>(&w, u"txtNote"_qs)->setText(u"   "_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    EXPECT_EQ(child<QLabel>(&w, u"lblConta"_qs)->text(), u"1"_qs);
    EXPECT_TRUE(filterPanel->isHidden());
    EXPECT_FALSE(listPanel->isHidden());
    QStringList names;
    for (const QString& l : listOf(&w)->lines())
        names << nameOf(l);
    EXPECT_EQ(names, (QStringList{u"bianchi Ugo"_qs, u"Neri Rossi"_qs, u"Verdi Anna"_qs}));
    EXPECT_EQ(child<QLabel>(&w, u"lblTrovate"_qs)->text(),
              u"Il presente riepilogo contiene 3 schede."_qs);
    EXPECT_TRUE(child<QLabel>(&w, u"lblAttendere"_qs)->isHidden());
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST_F(MemberWindows, FindInListWrapsAndTellsWhenTheListIsEmpty) {
    TfrmTrovaAnagrafica w(h.ctx, nullptr, u"anagrafica"_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    auto* txt = child<QLineEdit>(&w, u"txtTrova"_qs);
    auto* btn = child<QPushButton>(&w, u"btnTrova"_qs);
    auto* list = listOf(&w);
    txt->setText(u"ROSSI"_qs);
    btn->click();
    EXPECT_EQ(nameOf(list->selectedLine()), u"Neri Rossi"_qs);
    txt->setText(u"AN"_qs);
    btn->click();
    EXPECT_EQ(list->selectedRow(), 0); // new key: from the top
    btn->click();
    EXPECT_EQ(list->selectedRow(), 2); // "Neri Rossi" has no "an": skipped
    btn->click();
    EXPECT_EQ(list->selectedRow(), 0); // wrapped

    TfrmTrovaAnagrafica empty(h.ctx, nullptr, u"anagrafica"_qs);
    child<QLineEdit>(&empty, u"txtTesserato"_qs)->setText(u"nessuno"_qs);
    child<QPushButton>(&empty, u"btnCerca"_qs)->click();
    EXPECT_EQ(child<QLabel>(&empty, u"lblTrovate"_qs)->text(),
              u"Il presente riepilogo contiene 0 schede."_qs);
    child<QPushButton>(&empty, u"btnTrova"_qs)->click();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Plain);
    EXPECT_EQ(h.fake.lastMessage().text,
              u"Ricerca non applicabile: la lista non contiene nessuna voce."_qs);
}

TEST_F(MemberWindows, SearchFailureShowsTheAccessMessageAndKeepsTheFilters) {
    Harness broken;
    QDir(broken.dir.path()).mkdir(kMemberFileName);
    TfrmTrovaAnagrafica w(broken.ctx, nullptr, u"tessera"_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    ASSERT_EQ(broken.fake.messages.size(), 1u);
    EXPECT_EQ(broken.fake.lastMessage().kind, platform::MsgKind::Plain);
    EXPECT_EQ(broken.fake.lastMessage().text, core::archiveAccessMessage());
    EXPECT_FALSE(child<QWidget>(&w, u"panFiltri"_qs)->isHidden());
    EXPECT_TRUE(child<QWidget>(&w, u"panElenco"_qs)->isHidden());
}

TEST_F(MemberWindows, SearchPickHandsOverInTheOpenersMode) {
    // A stand-in card window with the controls the "tessera" mode writes.
    QWidget card;
    card.setObjectName(u"TfrmTessera"_qs);
    for (const char16_t* n :
         {u"txtTesserato", u"txtCarica", u"txtNumTessera", u"txtDataRil", u"txtDataScade"})
        platform::makeEdit(&card, QString::fromUtf16(n), 0);
    auto* position = platform::makeLabel(&card, {}, u"lblPosizione"_qs);
    auto* photo = platform::makeLabel(&card, {}, u"imgFoto"_qs);
    photo->resize(80, 100);
    h.windows.add(&card);
    QImage jpeg(40, 50, QImage::Format_RGB32);
    jpeg.fill(Qt::red);
    jpeg.save(h.path(u"3.jpg"_qs));

    h.fake.onModal = [](QDialog& d) {
        child<QLineEdit>(&d, u"txtTesserato"_qs)->setText(u"bianchi"_qs);
        child<QPushButton>(&d, u"btnCerca"_qs)->click();
        doubleClick(listOf(&d), 0);
        return d.result();
    };
    EXPECT_TRUE(searchMember(h.ctx, nullptr, u"tessera"_qs));
    EXPECT_EQ(h.fake.modalDialogs, QStringList{u"TfrmTrovaAnagrafica"_qs});
    EXPECT_EQ(child<QLineEdit>(&card, u"txtTesserato"_qs)->text(), u"bianchi Ugo"_qs);
    EXPECT_EQ(child<QLineEdit>(&card, u"txtNumTessera"_qs)->text(), u"T-3"_qs);
    EXPECT_EQ(child<QLineEdit>(&card, u"txtDataScade"_qs)->text(), u"31/12/2026"_qs);
    EXPECT_EQ(position->text(), u"3"_qs);
    const QColor shown = photo->pixmap().toImage().pixelColor(40, 50);
    EXPECT_TRUE(shown.red() > 200 && shown.green() < 60) << shown.name().toStdString();

    // Closing writes nothing.
    h.fake.onModal = [](QDialog& d) {
        child<QPushButton>(&d, u"btnAnnulla"_qs)->click();
        return d.result();
    };
    child<QLineEdit>(&card, u"txtTesserato"_qs)->clear();
    EXPECT_FALSE(searchMember(h.ctx, nullptr, u"tessera"_qs));
    EXPECT_TRUE(child<QLineEdit>(&card, u"txtTesserato"_qs)->text().isEmpty());
}

TEST_F(MemberWindows, PickerListsAllNamedAndFillsARegisterRow) {
    QWidget page;
    page.setObjectName(u"TfrmRegistro"_qs);
    for (const char16_t* n :
         {u"txtSocio_B", u"txtIndirizzo_B", u"txtTessera_B", u"txtDataAmm_B", u"txtSocio_A"})
        platform::makeEdit(&page, QString::fromUtf16(n), 0);
    h.windows.add(&page);

    QStringList listed;
    h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), u" Importazione dati socio da archivio anagrafico"_qs);
        for (const QString& l : listOf(&d)->lines())
            listed << nameOf(l);
        doubleClick(listOf(&d), 0);
        return d.result();
    };
    EXPECT_TRUE(pickBookMember(h.ctx, nullptr, u"socio_b"_qs));
    EXPECT_EQ(listed, (QStringList{u"bianchi Ugo"_qs, u"Neri Rossi"_qs, u"Rossi Carlo"_qs,
                                   u"Verdi Anna"_qs}));
    EXPECT_EQ(child<QLineEdit>(&page, u"txtSocio_B"_qs)->text(), u"bianchi Ugo"_qs);
    EXPECT_EQ(child<QLineEdit>(&page, u"txtIndirizzo_B"_qs)->text(),
              u"Via Roma 1 00100 Roma RM"_qs);
    EXPECT_EQ(child<QLineEdit>(&page, u"txtTessera_B"_qs)->text(), u"T-3"_qs);
    EXPECT_EQ(child<QLineEdit>(&page, u"txtDataAmm_B"_qs)->text(), u"01/02/2026"_qs);
    EXPECT_TRUE(child<QLineEdit>(&page, u"txtSocio_A"_qs)->text().isEmpty());

    EXPECT_FALSE(applyMemberPick(h.ctx, u"socio_e"_qs, 1));  // no such row: nothing written
    EXPECT_FALSE(applyMemberPick(h.ctx, u"socio_a"_qs, 99)); // no such record
    EXPECT_TRUE(child<QLineEdit>(&page, u"txtSocio_A"_qs)->text().isEmpty());
}

TEST(MemberPickModes, EveryModeWordHasOneRow) {
    QStringList modes;
    for (const MemberPickMode& m : memberPickModes())
        modes << m.mode;
    QStringList expected{u"anagrafica"_qs, u"tessera"_qs};
    for (int i = 1; i <= 9; ++i)
        expected << u"tessere_0"_qs + QString::number(i);
    expected << u"scadenzario"_qs << u"movimenti_pagatore"_qs << u"movimenti_beneficiario"_qs
             << u"socio_a"_qs << u"socio_b"_qs << u"socio_c"_qs << u"socio_d"_qs;
    EXPECT_EQ(modes, expected);
    const MemberPickMode* card = findMemberPickMode(u"tessere_09"_qs);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->fields.front().control, u"txtTesserato_I"_qs);
    EXPECT_EQ(card->photoBox, u"imgFoto_I"_qs);
    EXPECT_EQ(card->positionLabel, u"lblPosizione"_qs);
}
