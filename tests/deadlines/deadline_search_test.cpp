#include "core/record_file.h"
#include "deadline_window_fixture.h"
#include "deadlines/frm_trova_scadenzario.h"
#include "platform/text_list.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using namespace deadline_tests;
using platform::MsgKind;
using platform::TextList;

TextList* listOf(QDialog& d) {
    return child<TextList>(&d, QStringLiteral("lstRecords"));
}

void set(QDialog& d, const char* field, const QString& text) {
    child<QLineEdit>(&d, QLatin1String(field))->setText(text);
}

void cerca(QDialog& d) {
    child<QPushButton>(&d, QStringLiteral("btnCerca"))->click();
}

QString label(QDialog& d, const char* name) {
    return child<QLabel>(&d, QLatin1String(name))->text();
}

bool shown(QDialog& d, const char* panel) {
    return !child<QWidget>(&d, QLatin1String(panel))->isHidden();
}

void doubleClick(QDialog& d, int row) {
    TextList* list = listOf(d);
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

void addFour(DeadlineWindow& d) {
    d.add(sheet("05/03/2026", "Quota annuale", "ROSSI ANNA"));
    d.add(sheet("12/04/2026", "Affitto sala", "Bianchi Rossella"));
    d.add(sheet("20/03/2026", "Quota annuale", "Verdi Luca"));
    QStringList paid = sheet("21/03/2026", "Quota annuale", "Neri Paolo");
    paid[Effettuata] = kYes;
    d.add(paid);
}

} // namespace

TEST(DeadlineSearch, EmptyCriteriaListEverySheetAndADoubleClickLoadsIt) {
    DeadlineWindow d;
    addFour(d);
    d.open();
    QString caption, mode, conta, trovate, focusBefore;
    QStringList payers;
    d.onDialog([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        mode = label(dialog, "lblMemory");
        focusBefore = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        EXPECT_TRUE(shown(dialog, "panAvvio"));
        EXPECT_FALSE(shown(dialog, "panContainer"));
        EXPECT_EQ(label(dialog, "lblTrovate"), "Il presente elenco contiene 0 schede.");
        set(dialog, "txtPagatore", "   "); // blanks only: no criterion
        cerca(dialog);
        EXPECT_FALSE(shown(dialog, "panAvvio"));
        EXPECT_TRUE(shown(dialog, "panContainer"));
        EXPECT_TRUE(child<QLabel>(&dialog, QStringLiteral("lblAttendere"))->isHidden());
        conta = label(dialog, "lblConta");
        trovate = label(dialog, "lblTrovate");
        for (const QString& line : listOf(dialog)->lines())
            payers << line.mid(71, 30).trimmed();
        doubleClick(dialog, 3);
    });
    d.click("cmdTrova");
    EXPECT_EQ(d.h.fake.modalDialogs, QStringList{"TfrmTrovaScadenzario"});
    EXPECT_EQ(caption, " Trova scadenze pagamenti in archivio");
    EXPECT_EQ(mode, "Scadenzario");
    EXPECT_EQ(focusBefore, "txtData");
    EXPECT_EQ(conta, "0");
    EXPECT_EQ(trovate, "Il presente elenco contiene 4 schede.");
    // By reason, then by the date's text; the search looks at no flag.
    EXPECT_EQ(payers, QStringList({"Bianchi Rossella", "ROSSI ANNA", "Verdi Luca", "Neri Paolo"}));
    EXPECT_EQ(d.text("lblPosizione"), "4");
    EXPECT_EQ(d.text("txtPagatore"), "Neri Paolo");
    EXPECT_TRUE(d.h.fake.messages.empty());
}

TEST(DeadlineSearch, CriteriaNarrowTheListAndTheLoadKeepsToThem) {
    DeadlineWindow d;
    QStringList found = sheet("05/03/2026", "Quota annuale", "Rossi Anna");
    found[Note] = QStringLiteral("trovata");
    QStringList sameLine = found; // the same line, but not found by the note
    sameLine[Note] = QStringLiteral("altro");
    d.add(found);
    d.add(sameLine);
    d.add(sheet("05/03/2026", "Affitto", "Rossi Anna"));
    d.open();
    QString conta, trovate;
    d.onDialog([&](QDialog& dialog) {
        set(dialog, "txtPagatore", "ROSSI");
        set(dialog, "txtDettagli", "quota");
        set(dialog, "txtNote", "trov");
        cerca(dialog);
        conta = label(dialog, "lblConta");
        trovate = label(dialog, "lblTrovate");
        doubleClick(dialog, 0);
    });
    d.click("cmdTrova");
    EXPECT_EQ(conta, "3");
    EXPECT_EQ(trovate, "Il presente elenco contiene 1 schede.");
    EXPECT_EQ(d.text("lblPosizione"), "1");
    EXPECT_EQ(d.text("txtNote"), "trovata");
}

TEST(DeadlineSearch, OtherModesCompareButLoadNothing) {
    DeadlineWindow d;
    addFour(d);
    d.open();
    TfrmTrovaScadenzario search(d.h.ctx, &d.w, d.w.archive(), QStringLiteral("anagrafica"));
    search.search();
    doubleClick(search, 0);
    EXPECT_FALSE(search.pickedRecord());
    EXPECT_EQ(search.result(), QDialog::Rejected);
    EXPECT_EQ(d.text("lblPosizione"), "");
}

TEST(DeadlineSearch, EmptyResultCountsZeroAndFindSaysSo) {
    DeadlineWindow d;
    addFour(d);
    d.open();
    QString trovate;
    d.onDialog([&](QDialog& dialog) {
        set(dialog, "txtPagatore", "Nessuno");
        cerca(dialog);
        trovate = label(dialog, "lblTrovate");
        child<QLineEdit>(&dialog, QStringLiteral("txtTrova"))->setText("x");
        child<QPushButton>(&dialog, QStringLiteral("btnTrova"))->click();
    });
    d.click("cmdTrova");
    EXPECT_EQ(trovate, "Il presente elenco contiene 0 schede.");
    ASSERT_EQ(d.h.fake.messages.size(), 1u);
    EXPECT_EQ(d.h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(d.h.fake.lastMessage().text,
              "Ricerca non applicabile: la lista non contiene nessuna voce.");
}

TEST(DeadlineSearch, UnreadableYearFileStaysOnTheSearchPanel) {
    DeadlineWindow d;
    d.open();
    d.breakYearFile();
    bool searchPanel = false;
    QString conta;
    d.onDialog([&](QDialog& dialog) {
        set(dialog, "txtData", "03/2026");
        set(dialog, "txtOra", "09");
        cerca(dialog);
        searchPanel = shown(dialog, "panAvvio") && !shown(dialog, "panContainer");
        conta = label(dialog, "lblConta");
    });
    d.click("cmdTrova");
    EXPECT_TRUE(searchPanel);
    EXPECT_EQ(conta, "2");
    ASSERT_EQ(d.h.fake.messages.size(), 1u);
    EXPECT_EQ(d.h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(d.h.fake.lastMessage().text, core::archiveAccessMessage());
}

TEST(DeadlineSearch, EnterWalksTheTenFieldsRoundWithTheirFrames) {
    DeadlineWindow d;
    d.open();
    TfrmTrovaScadenzario search(d.h.ctx, &d.w, d.w.archive(), QStringLiteral("Scadenzario"));
    search.show();
    search.activateWindow();
    QApplication::setActiveWindow(&search);
    const char* order[] = {"txtData",       "txtOra",    "txtPagatore", "txtCodFisc",
                           "txtNumTessera", "txtCarica", "txtContatto", "txtBeneficiario",
                           "txtDettagli",   "txtNote",   "txtData"};
    QWidget* field = child<QWidget>(&search, QStringLiteral("txtData"));
    field->setFocus();
    for (size_t i = 1; i < std::size(order); ++i) {
        const QString frame = QStringLiteral("eff") + QLatin1String(order[i - 1]).mid(3);
        EXPECT_FALSE(child<QWidget>(&search, frame)->isHidden()) << frame.toStdString();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(field, &enter);
        field = search.focusWidget();
        ASSERT_TRUE(field);
        EXPECT_EQ(field->objectName(), QLatin1String(order[i]));
    }
}
