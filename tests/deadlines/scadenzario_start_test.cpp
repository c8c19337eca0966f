#include "deadline_fixture.h"
#include "deadlines/deadline_record.h"
#include "deadlines/frm_scadenzario.h"
#include "fake_platform.h"
#include "files.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using deadline_tests::deadline;
using deadline_tests::yearArchive;
using testing_support::child;

struct StartPanel {
    testing_support::Harness h;
    TfrmScadenzario w{h.ctx};
    StartPanel() { h.windows.add(&w); }

    void add(int year, const QStringList& values) {
        ASSERT_TRUE(yearArchive(h.ctx.folder, year).save(0, values));
    }
    void writeSound() { testing_support::writeFile(h.path("Avviso.mp3"), "ID3"); }
    QWidget* find(const char* name) const {
        return child<QWidget>(const_cast<TfrmScadenzario*>(&w), name);
    }
    bool shown(const char* name) const { return !find(name)->isHidden(); }
    bool alertOn() const {
        EXPECT_NE(shown("imgPresenti"), shown("imgAssenti")) << "exactly one indicator";
        EXPECT_EQ(find("btnOK")->isEnabled(), shown("imgPresenti"));
        return shown("imgPresenti");
    }
    void reopen() {
        w.close();
        w.show();
    }
    QString anno() const { return child<QLineEdit>(find("panAvvio"), "txtAnno")->text(); }
};

TEST(ScadenzarioStart, AlertAndSoundOnEveryShowStoppedOnClose) {
    StartPanel s;
    s.writeSound();
    QStringList paid = deadline("17/03/2026", "5"); // today is 15/03/2026
    paid[Effettuata] = kYes;
    s.add(2026, paid);
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    EXPECT_EQ(s.h.fake.sounds, QStringList{QFileInfo(s.h.path("Avviso.mp3")).absoluteFilePath()});
    s.w.close();
    EXPECT_EQ(s.h.fake.soundStops, 1);
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    EXPECT_EQ(s.h.fake.sounds.size(), 2);
    EXPECT_TRUE(s.h.fake.messages.empty());
}

TEST(ScadenzarioStart, NoImminentDeadlineNoSound) {
    StartPanel s;
    s.writeSound();
    s.add(2026, deadline("21/03/2026", "5"));
    s.add(2026, deadline("14/03/2026", "5")); // past
    s.w.show();
    EXPECT_FALSE(s.alertOn());
    EXPECT_TRUE(s.h.fake.sounds.isEmpty());
    s.w.close();
    EXPECT_EQ(s.h.fake.soundStops, 0);
}

TEST(ScadenzarioStart, MissingSoundFilePlaysAndSaysNothing) {
    StartPanel s;
    s.add(2026, deadline("15/03/2026", "0"));
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    EXPECT_TRUE(s.h.fake.sounds.isEmpty());
    EXPECT_TRUE(s.h.fake.messages.empty());
}

TEST(ScadenzarioStart, DecemberAnnouncesEarlyJanuaryWithoutCreatingNextYears) {
    StartPanel s;
    s.h.fake.todayValue = QDate(2026, 12, 23);
    s.add(2027, deadline("02/01/2027", "10"));
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    EXPECT_TRUE(QFile::exists(s.h.path("2026.sca"))); // the current year's file, empty
    EXPECT_FALSE(QFile::exists(s.h.path("2028.sca")));
    EXPECT_FALSE(QFile::exists(s.h.path("2029.sca")));
}

TEST(ScadenzarioStart, NoFileForNextYearIsCreatedByTheAlert) {
    StartPanel s;
    s.h.fake.todayValue = QDate(2026, 12, 31);
    s.w.show();
    EXPECT_FALSE(s.alertOn());
    EXPECT_EQ(QDir(s.h.ctx.folder).entryList({"*.sca"}, QDir::Files), QStringList{"2026.sca"});
}

TEST(ScadenzarioStart, BadRecordDoesNotHideLaterDeadlines) {
    StartPanel s;
    QStringList bad = deadline("15/03/2026", "5");
    bad[Avviso] = "";
    s.add(2026, bad);
    s.add(2026, deadline("16/03/2026", "5"));
    s.w.show();
    EXPECT_TRUE(s.alertOn());
}

TEST(ScadenzarioStart, UnreadableFileKeepsTheIndicators) {
    StartPanel s;
    s.add(2026, deadline("16/03/2026", "5"));
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    s.w.close();
    ASSERT_TRUE(QFile::remove(s.h.path("2026.sca")));
    ASSERT_TRUE(QDir(s.h.ctx.folder).mkdir("2026.sca"));
    s.w.show();
    EXPECT_TRUE(s.alertOn());
    EXPECT_TRUE(s.h.fake.messages.empty());
}

TEST(ScadenzarioStart, CalendarStartsTodayAndKeepsTheChosenDay) {
    StartPanel s;
    s.w.show();
    auto* cal = child<QCalendarWidget>(&s.w, "calAppuntamenti");
    EXPECT_EQ(cal->selectedDate(), QDate(2026, 3, 15));
    cal->setSelectedDate(QDate(2026, 7, 4));
    s.reopen();
    EXPECT_EQ(s.w.selectedDate(), QDate(2026, 7, 4));
}

TEST(ScadenzarioStart, OpenYearNeedsFourCharacters) {
    StartPanel s;
    s.w.show();
    EXPECT_EQ(s.anno(), "2026");
    auto* anno = child<QLineEdit>(&s.w, "txtAnno");
    for (const char* typed : {"", "202"}) {
        anno->setText(typed);
        child<QPushButton>(&s.w, "btnApri")->click();
        ASSERT_FALSE(s.h.fake.messages.empty());
        EXPECT_EQ(s.h.fake.lastMessage().kind, platform::MsgKind::Warning);
        EXPECT_EQ(s.h.fake.lastMessage().text,
                  "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
        EXPECT_TRUE(s.shown("panAvvio"));
    }
    EXPECT_EQ(s.h.fake.messages.size(), 2u);
    EXPECT_EQ(s.w.yearFile(), "");
}

TEST(ScadenzarioStart, OpenYearShowsTheRecordPanelAndCloseComesBack) {
    StartPanel s;
    s.w.show();
    child<QLineEdit>(&s.w, "txtAnno")->setText("0000");
    child<QPushButton>(&s.w, "btnApri")->click();
    EXPECT_TRUE(s.h.fake.messages.empty());
    EXPECT_EQ(s.w.yearFile(), s.h.path("0000.sca"));
    EXPECT_EQ(s.w.year(), "0000");
    EXPECT_EQ(s.w.windowTitle(), " Quorvix 5.0 - Scadenzario pagamenti anno 0000");
    EXPECT_FALSE(s.shown("panAvvio"));
    EXPECT_TRUE(s.shown("panContainer"));
    EXPECT_FALSE(QFile::exists(s.h.path("0000.sca"))); // opening a year creates nothing

    s.reopen();
    EXPECT_EQ(s.w.windowTitle(), " Quorvix 5.0 - Scadenzario pagamenti");
    EXPECT_TRUE(s.shown("panAvvio"));
    EXPECT_FALSE(s.shown("panContainer"));
    EXPECT_EQ(s.anno(), "2026");
}

} // namespace

namespace {

TEST(ScadenzarioStart, HelpFromTheStartPanel) {
    StartPanel s;
    s.w.show();
    child<QToolButton>(&s.w, "imgGuida")->click();
    ASSERT_EQ(s.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(s.h.fake.helpTopics[0].title, "Scadenzario pagamenti.");
    EXPECT_EQ(s.h.fake.helpTopics[0].paragraphs.size(), 8);
}

} // namespace
