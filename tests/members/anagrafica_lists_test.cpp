#include "members/frm_sospesi.h"
#include "members/member_lists.h"

#include "member_fixture.h"
#include "member_window_fixture.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace members;
using namespace member_fixture;
using members_test::MemberWindow;
using testing_support::child;

namespace {

QStringList names(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        out << l.left(30).trimmed();
    return out;
}

} // namespace

TEST(MemberPick, AnagraficaModeLoadsTheWholeRecordIntoTheMemberWindow) {
    MemberWindow m;
    m.h.windows.add(m.w.get());
    addMember(m.h.dir.path(), {{Tesserato, u"Primo"_qs}});
    addMember(m.h.dir.path(), {{Tesserato, u"Secondo Socio"_qs},
                               {Carica, u"Tesoriere"_qs},
                               {Email, u"s@x.it"_qs},
                               {DataRil, u"01/01/2026"_qs},
                               {DataScade, u"31/12/2026"_qs},
                               {Annullata, kNo},
                               {File01, u"statuto.pdf"_qs},
                               {Desc01, u"Statuto firmato"_qs}});
    QImage jpeg(60, 80, QImage::Format_RGB32);
    jpeg.fill(Qt::blue);
    ASSERT_TRUE(jpeg.save(m.h.path(u"2.jpg"_qs)));
    child<QCheckBox>(m.w.get(), u"chkAnnullata"_qs)->setChecked(true);

    m.h.fake.onModal = [](QDialog& d) {
        child<QLineEdit>(&d, u"txtCarica"_qs)->setText(u"TESOR"_qs);
        child<QPushButton>(&d, u"btnCerca"_qs)->click();
        doubleClick(listOf(&d), 0);
        return d.result();
    };
    m.w->find();
    EXPECT_EQ(m.h.fake.modalDialogs, QStringList{u"TfrmTrovaAnagrafica"_qs});
    EXPECT_EQ(m.edit(u"txtTesserato"_qs)->text(), u"Secondo Socio"_qs);
    EXPECT_EQ(m.w->values()[Carica], u"Tesoriere"_qs);
    EXPECT_EQ(m.w->values()[Email], u"s@x.it"_qs);
    EXPECT_FALSE(child<QCheckBox>(m.w.get(), u"chkAnnullata"_qs)->isChecked());
    EXPECT_EQ(m.label(u"lblFile01"_qs)->text(), u"statuto.pdf"_qs);
    EXPECT_EQ(m.label(u"lblDesc01"_qs)->text(), u"Statuto firmato"_qs);
    EXPECT_EQ(m.position(), u"2"_qs);
    const QColor c = m.w->photo().pixelColor(30, 40);
    EXPECT_TRUE(c.blue() > 200 && c.red() < 60) << c.name().toStdString();
}

TEST(RenewalList, DueOnTheBoundaryDaysActiveOnlyAndSkipsADamagedRecord) {
    QTemporaryDir dir;
    const QString f = dir.path();
    const QDate today(2025, 3, 10);
    addMember(
        f, {{Tesserato, u"Dieci giorni"_qs}, {DataScade, u"20/03/2025"_qs}, {Preavviso, u"10"_qs}});
    addMember(
        f, {{Tesserato, u"Nove giorni"_qs}, {DataScade, u"20/03/2025"_qs}, {Preavviso, u"9"_qs}});
    addMember(
        f, {{Tesserato, u"anna scaduta"_qs}, {DataScade, u"01/01/2025"_qs}, {Preavviso, u"0"_qs}});
    addMember(f, {{Tesserato, u"Oggi"_qs}, {DataScade, u"10/03/2025"_qs}, {Preavviso, u"0"_qs}});
    addMember(f, {{Tesserato, u"Domani"_qs}, {DataScade, u"11/03/2025"_qs}, {Preavviso, u"0"_qs}});
    addMember(f, {{Tesserato, u"Annullato"_qs}, {DataScade, u"01/01/2025"_qs}, {Annullata, kYes}});
    EXPECT_EQ(names(renewalMembers(f, today).lines),
              (QStringList{u"anna scaduta"_qs, u"Dieci giorni"_qs, u"Oggi"_qs}));

    addMember(f, {{Tesserato, u"Data rotta"_qs}, {DataScade, u"31/02/2025"_qs}});
    addMember(f, {{Tesserato, u"Dopo il danno"_qs}, {DataScade, u"01/01/2020"_qs}});
    // A record that cannot be read is left out and counted; the list goes on past it.
    const core::ListRows past = renewalMembers(f, today);
    EXPECT_EQ(past.lines.size(), 4);
    EXPECT_EQ(past.skipped, 1);

    // Dates and notice days written other than "dd/mm/yyyy" and plain digits are read as typed.
    QTemporaryDir typed;
    addMember(typed.path(),
              {{Tesserato, u"Breve"_qs}, {DataScade, u"5/3/2025"_qs}, {Preavviso, u"+0"_qs}});
    addMember(typed.path(),
              {{Tesserato, u"Anno corto"_qs}, {DataScade, u"20/3/25"_qs}, {Preavviso, u"010"_qs}});
    addMember(
        typed.path(),
        {{Tesserato, u"Non ancora"_qs}, {DataScade, u"21/03/2025"_qs}, {Preavviso, u"10"_qs}});
    addMember(typed.path(), {{Tesserato, u"Giorno zero"_qs}, {DataScade, u"00/03/2025"_qs}});
    addMember(typed.path(), {{Tesserato, u"Mai letto"_qs}, {DataScade, u"01/01/2020"_qs}});
    // "Giorno zero" cannot be read: left out, and the members after it still listed.
    EXPECT_EQ(names(renewalMembers(typed.path(), today).lines),
              (QStringList{u"Anno corto"_qs, u"Breve"_qs, u"Mai letto"_qs}));

    QTemporaryDir other;
    addMember(other.path(), {{Tesserato, u"Alfa"_qs}, {DataScade, u"01/01/2020"_qs}});
    addMember(other.path(),
              {{Tesserato, u"Beta"_qs}, {DataScade, u"01/01/2020"_qs}, {Preavviso, u"x"_qs}});
    addMember(other.path(), {{Tesserato, u"Gamma"_qs}, {DataScade, u"01/01/2020"_qs}});
    const core::ListRows skipped = renewalMembers(other.path(), today);
    EXPECT_EQ(names(skipped.lines), (QStringList{u"Alfa"_qs, u"Gamma"_qs}));
    EXPECT_EQ(skipped.skipped, 1);
}

TEST(RenewalList, WindowListsDueMembersAndPicksIntoTheMemberWindow) {
    MemberWindow m;
    m.h.windows.add(m.w.get());
    m.h.fake.todayValue = QDate(2025, 3, 10);
    addMember(
        m.h.dir.path(),
        {{Tesserato, u"Zeta"_qs}, {DataRil, u"01/01/2024"_qs}, {DataScade, u"01/03/2025"_qs}});
    addMember(
        m.h.dir.path(),
        {{Tesserato, u"Alfa"_qs}, {DataRil, u"01/01/2024"_qs}, {DataScade, u"05/03/2025"_qs}});
    addMember(m.h.dir.path(), {{Tesserato, u"Lontano"_qs}, {DataScade, u"05/03/2026"_qs}});

    QStringList listed;
    m.h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), u" Riepilogo tessere in attesa di rinnovo"_qs);
        listed = names(listOf(&d)->lines());
        doubleClick(listOf(&d), 1);
        return d.result();
    };
    m.w->renewals();
    EXPECT_EQ(listed, (QStringList{u"Alfa"_qs, u"Zeta"_qs}));
    EXPECT_EQ(m.position(), u"1"_qs);
    EXPECT_EQ(m.edit(u"txtTesserato"_qs)->text(), u"Zeta"_qs);
}

TEST(RenewalList, PrintsTheListUnderItsTitle) {
    testing_support::Harness h;
    h.fake.todayValue = QDate(2025, 3, 10);
    addMember(h.dir.path(), {{Tesserato, u"Alfa"_qs}, {DataScade, u"05/03/2025"_qs}});
    TfrmSospesi w(h.ctx, nullptr);
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(h.fake.printCalls[0].preview);
}

TEST(MemberExportCommand, OpensTheExportWindowOverTheMemberWindow) {
    MemberWindow m;
    m.w->exportExcel();
    EXPECT_EQ(m.h.fake.modalDialogs, QStringList{u"TfrmExpAnagrafica"_qs});
}
