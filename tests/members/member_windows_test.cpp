#include "core/record_file.h"
#include "members/frm_importa_soci.h"
#include "members/frm_sospesi.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_pick.h"
#include "platform/ui.h"

#include "fake_platform.h"
#include "golden.h"
#include "member_fixture.h"
#include "member_window_fixture.h"
#include "pdf_text.h"
#include "reports/list_report.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
    Harness renewals; // members due for renewal, for the renewal list
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

TEST_F(MemberWindows, SearchListPrintsAsItsGoldenReference) {
    // The reference is the list template over the search's own lines...
    const reports::Report report = reports::listReport(
        u"Riepilogo anagrafica Soci"_qs, searchMembers(h.dir.path(), {}).lines, h.fake.today());
    EXPECT_TRUE(testing_support::matchesGolden(u"member_list"_qs, report));

    // ...and the window's "Stampa" prints exactly that.
    TfrmTrovaAnagrafica w(h.ctx, nullptr, u"anagrafica"_qs);
    child<QPushButton>(&w, u"btnCerca"_qs)->click();
    h.fake.pdfPath = h.path(u"printed.pdf"_qs);
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    ASSERT_TRUE(report.exportPdf(h.path(u"reference.pdf"_qs)));
    const QString printed = testing_support::pdfText(h.fake.pdfPath);
    if (printed.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    EXPECT_EQ(printed, testing_support::pdfText(h.path(u"reference.pdf"_qs)));
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

TEST_F(MemberWindows, SearchReturnsThePickedMemberReadWhole) {
    h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(child<QLabel>(&d, u"lblMemory"_qs)->text(), u"tessera"_qs);
        child<QLineEdit>(&d, u"txtTesserato"_qs)->setText(u"bianchi"_qs);
        child<QPushButton>(&d, u"btnCerca"_qs)->click();
        doubleClick(listOf(&d), 0);
        return d.result();
    };
    const auto picked = searchMember(h.ctx, nullptr, u"tessera"_qs);
    ASSERT_TRUE(picked);
    EXPECT_EQ(h.fake.modalDialogs, QStringList{u"TfrmTrovaAnagrafica"_qs});
    EXPECT_EQ(picked->number, 3);
    EXPECT_EQ((*picked)[NumTessera], u"T-3"_qs);

    // The caller's own table writes the fields, with the suffix of its slot or row.
    QWidget card;
    auto* name = platform::makeEdit(&card, u"txtTesserato_C"_qs, 0);
    auto* expiry = platform::makeLabel(&card, {}, u"txtDataScade_C"_qs);
    const MemberTake table[] = {{"txtTesserato", Tesserato}, {"txtDataScade", DataScade}};
    name->setMaxLength(4); // a shorter typing limit never cuts what is handed over
    applyMember(&card, *picked, table, u"_C"_qs);
    EXPECT_EQ(name->text(), u"bianchi Ugo"_qs);
    EXPECT_EQ(expiry->text(), u"31/12/2026"_qs);

    h.fake.onModal = [](QDialog& d) {
        child<QPushButton>(&d, u"btnAnnulla"_qs)->click();
        return d.result();
    };
    EXPECT_FALSE(searchMember(h.ctx, nullptr, u"tessera"_qs));
}

TEST_F(MemberWindows, PickerListsAllNamedAndReturnsTheMember) {
    QStringList listed;
    h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), u" Importazione dati socio da archivio anagrafico"_qs);
        for (const QString& l : listOf(&d)->lines())
            listed << nameOf(l);
        doubleClick(listOf(&d), 0);
        return d.result();
    };
    const auto picked = pickBookMember(h.ctx, nullptr, u"socio_b"_qs);
    EXPECT_EQ(listed, (QStringList{u"bianchi Ugo"_qs, u"Neri Rossi"_qs, u"Rossi Carlo"_qs,
                                   u"Verdi Anna"_qs}));
    ASSERT_TRUE(picked);
    EXPECT_EQ((*picked)[Tesserato], u"bianchi Ugo"_qs);
    EXPECT_EQ(bookAddress(*picked), u"Via Roma 1 00100 Roma RM"_qs);
    // One blank between the parts even when some are empty.
    Member bare{1, QStringList(MemberFieldCount, QString())};
    bare.values[ComuneRes] = u"Roma"_qs;
    EXPECT_EQ(bookAddress(bare), u"  Roma "_qs);
}

// Enter in the find field only moves the focus to "Trova": the find runs when "Trova" is then
// pressed, never with that same Enter (the dialog's default button would take it). The same in
// every list window: the search, the members'-book picker and the renewal list.
TEST_F(MemberWindows, EnterInTheFindFieldOnlyMovesTheFocusToTrova) {
    h.fake.todayValue = QDate(2030, 1, 1);
    const std::function<std::unique_ptr<QDialog>()> windows[] = {
        [&] {
            auto d = std::make_unique<TfrmTrovaAnagrafica>(h.ctx, nullptr, u"anagrafica"_qs);
            child<QPushButton>(d.get(), u"btnCerca"_qs)->click();
            return std::unique_ptr<QDialog>(std::move(d));
        },
        [&] {
            return std::unique_ptr<QDialog>(new TfrmImportaSoci(h.ctx, nullptr, u"socio_a"_qs));
        },
        [&] {
            Harness& r = renewals;
            addMember(r.dir.path(), {{Tesserato, u"Gialli"_qs}, {DataScade, u"01/01/2026"_qs}});
            addMember(r.dir.path(), {{Tesserato, u"Viola"_qs}, {DataScade, u"01/01/2026"_qs}});
            return std::unique_ptr<QDialog>(new TfrmSospesi(r.ctx, nullptr));
        },
    };
    for (const auto& open : windows) {
        const std::unique_ptr<QDialog> d = open();
        d->show();
        QApplication::setActiveWindow(d.get());
        auto* txtTrova = child<QLineEdit>(d.get(), u"txtTrova"_qs);
        auto* btnTrova = child<QPushButton>(d.get(), u"btnTrova"_qs);
        platform::TextList* list = listOf(d.get());
        ASSERT_GT(list->count(), 1) << d->objectName().toStdString();
        txtTrova->setFocus();
        txtTrova->setText(u"i"_qs);
        members_test::press(txtTrova, Qt::Key_Return);
        EXPECT_EQ(d->focusWidget(), btnTrova) << d->objectName().toStdString();
        EXPECT_EQ(list->selectedRow(), -1) << d->objectName().toStdString();
        members_test::press(btnTrova, Qt::Key_Return); // now Enter presses "Trova"
        EXPECT_EQ(list->selectedRow(), 0) << d->objectName().toStdString();
        EXPECT_TRUE(d->isVisible()) << d->objectName().toStdString();
    }
}
