#include "core/record_file.h"
#include "deadline_window_fixture.h"
#include "deadlines/deadline_lists.h"
#include "pdf_text.h"
#include "platform/text_list.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using namespace deadline_tests;
using platform::MsgKind;
using platform::TextList;
using testing_support::pdfText;

const QString kEmptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

TextList* listOf(QDialog& d) {
    return child<TextList>(&d, QStringLiteral("lstRecords"));
}

void doubleClick(QDialog& d, int row) {
    TextList* list = listOf(d);
    list->selectRow(row);
    emit list->doubleClicked(list->model()->index(row, 0));
}

void find(QDialog& d, const QString& text) {
    child<QLineEdit>(&d, QStringLiteral("txtTrova"))->setText(text);
    child<QPushButton>(&d, QStringLiteral("btnTrova"))->click();
}

// Three sheets of 2026: one to confirm and to pay, one paid, one to pay.
void addThree(DeadlineWindow& d) {
    QStringList toConfirm = sheet("05/03/2026", "Visita sede");
    toConfirm[DaConfermare] = kYes;
    QStringList paid = sheet("01/02/2026", "Quota annuale", "VERDI LUCA");
    paid[Effettuata] = kYes;
    d.add(toConfirm);
    d.add(paid);
    d.add(sheet("10/01/2026", "Affitto sala", "Bianchi Carla"));
}

} // namespace

TEST(DeadlineSummaries, EachListsItsSheetsAndLoadsOneByDoubleClick) {
    struct Case {
        const char* command;
        const char* window;
        const char* caption;
        QStringList reasons; // in list order
        qint64 loaded;       // the record a double click on the first line loads
    };
    const Case cases[] = {
        {"cmdDaConfermare",
         "TfrmDaConfermare",
         " Riepilogo appuntamenti da confermare",
         {"Visita sede"},
         1},
        {"cmdDaEffettuare",
         "TfrmConfermati",
         " Riepilogo pagamenti da effettuare",
         {"Affitto sala", "Visita sede"},
         3},
        {"cmdEffettuate",
         "TfrmNonConfermati",
         " Riepilogo pagamenti effettuati",
         {"Quota annuale"},
         2},
    };
    for (const Case& c : cases) {
        DeadlineWindow d;
        addThree(d);
        d.open();
        QStringList reasons;
        QString caption;
        d.onDialog([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            for (const QString& line : listOf(dialog)->lines())
                reasons << line.left(35).trimmed();
            EXPECT_EQ(dialog.focusWidget(), child<QWidget>(&dialog, QStringLiteral("txtTrova")));
            doubleClick(dialog, 0);
        });
        d.click(c.command);
        EXPECT_EQ(d.h.fake.modalDialogs, QStringList{QLatin1String(c.window)});
        EXPECT_EQ(caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(reasons, c.reasons) << c.window;
        EXPECT_EQ(d.text("lblPosizione"), QString::number(c.loaded)) << c.window;
        EXPECT_EQ(d.text("txtDettagli"), c.reasons[0]);
        EXPECT_TRUE(d.h.fake.messages.empty());
    }
}

TEST(DeadlineSummaries, LongReasonAndPayerAreCutInTheLineAndWholeWhenLoaded) {
    DeadlineWindow d;
    const QString reason = QStringLiteral("Rinnovo della convenzione con il Comune per la sala");
    const QString payer = QStringLiteral("Associazione Culturale Amici del Teatro");
    QStringList v = sheet("05/03/2026", reason, payer);
    v[DaConfermare] = kYes;
    v[Note] = QStringLiteral("note");
    d.add(v);
    d.open();
    QString line;
    d.onDialog([&](QDialog& dialog) {
        line = listOf(dialog)->lines().value(0);
        doubleClick(dialog, 0);
    });
    d.click("cmdDaConfermare");
    EXPECT_EQ(line, summaryLine(reason, "05/03/2026", "09:30", payer, "Circolo Aurora", "12,50"));
    EXPECT_TRUE(line.startsWith(reason.left(35) + "  Data: "));
    EXPECT_EQ(d.text("txtDettagli"), reason);
    EXPECT_EQ(d.text("txtPagatore"), payer);
    EXPECT_EQ(d.text("txtNote"), "note");
    EXPECT_EQ(d.text("lblData"), "05/03/2026");
    EXPECT_TRUE(child<QCheckBox>(&d.w, QStringLiteral("chkDaConfermare"))->isChecked());
    EXPECT_EQ(child<QComboBox>(&d.w, QStringLiteral("txtMese"))->currentText(), "Marzo");
}

TEST(DeadlineSummaries, IdenticalLineOfAPaidDeadlineIsNotLoadedAsOneToPay) {
    DeadlineWindow d;
    QStringList open = sheet("05/03/2026", "Quota annuale");
    open[Note] = QStringLiteral("still to pay");
    QStringList paid = sheet("05/03/2026", "Quota annuale");
    paid[Note] = QStringLiteral("already paid");
    paid[Effettuata] = kYes;
    d.add(open);
    d.add(paid); // later in the file, same line
    d.open();
    d.onDialog([&](QDialog& dialog) {
        ASSERT_EQ(listOf(dialog)->count(), 1);
        doubleClick(dialog, 0);
    });
    d.click("cmdDaEffettuare");
    EXPECT_EQ(d.text("lblPosizione"), "1");
    EXPECT_EQ(d.text("txtNote"), "still to pay");
    EXPECT_FALSE(child<QCheckBox>(&d.w, QStringLiteral("chkEffettuata"))->isChecked());
}

TEST(DeadlineSummaries, IdenticalLinesLoadTheRecordClicked) {
    DeadlineWindow d;
    QStringList first = sheet("05/03/2026", "Quota annuale");
    first[Note] = QStringLiteral("first");
    QStringList second = first;
    second[Note] = QStringLiteral("second");
    d.add(first);
    d.add(second);
    d.open();
    d.onDialog([&](QDialog& dialog) {
        ASSERT_EQ(listOf(dialog)->count(), 2);
        doubleClick(dialog, 0);
    });
    d.click("cmdDaEffettuare");
    EXPECT_EQ(d.text("lblPosizione"), "1");
    EXPECT_EQ(d.text("txtNote"), "first");
}

TEST(DeadlineSummaries, FailedLoadLeavesTheShownSheetWhole) {
    DeadlineWindow d;
    QStringList shown = sheet("05/03/2026", "Affitto sala");
    shown[Note] = QStringLiteral("on screen");
    d.add(shown);
    d.add(sheet("06/03/2026", "Quota annuale"));
    d.open();
    d.click("cmdPrimo");
    ASSERT_EQ(d.text("lblPosizione"), "1");
    int result = -1;
    d.onDialog([&](QDialog& dialog) {
        d.breakYearFile(); // the file goes away between the list and the double click
        doubleClick(dialog, 1);
        result = dialog.result();
    });
    d.click("cmdDaEffettuare");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(d.h.fake.texts(), QStringList{core::archiveAccessMessage()});
    EXPECT_EQ(d.text("lblPosizione"), "1");
    EXPECT_EQ(d.text("txtDettagli"), "Affitto sala");
    EXPECT_EQ(d.text("txtNote"), "on screen");
    EXPECT_EQ(d.text("lblData"), "05/03/2026");
}

// The selected row of the summary to pay after each find key, on three sheets.
QList<int> selectionsAfter(std::initializer_list<const char*> keys, DeadlineWindow& d) {
    d.add(sheet("01/03/2026", "Alfa", "ROSSI ANNA"));
    d.add(sheet("01/03/2026", "Beta", "Bianchi"));
    d.add(sheet("01/03/2026", "Gamma", "Rossi Mario"));
    d.open();
    QList<int> selected;
    d.onDialog([&](QDialog& dialog) {
        for (const char* text : keys) {
            find(dialog, QLatin1String(text));
            selected << listOf(dialog)->selectedRow();
        }
    });
    d.click("cmdDaEffettuare");
    return selected;
}

TEST(DeadlineSummaries, FindMovesThroughTheLinesAndWraps) {
    DeadlineWindow d;
    // New key from the top, repeated key from the next line round to the top, new key again.
    EXPECT_EQ(selectionsAfter({"rossi", "rossi", "rossi", "beta", "rossi", "nessuno"}, d),
              QList<int>({0, 2, 0, 1, 0, 0}));
    EXPECT_TRUE(d.h.fake.messages.empty());
}

// An empty find key finds nothing: the selection stays where it is, pressed once or again.
TEST(DeadlineSummaries, AnEmptyFindKeyLeavesTheSelection) {
    DeadlineWindow d;
    EXPECT_EQ(selectionsAfter({"", "beta", "", "", "rossi"}, d), QList<int>({0, 1, 1, 1, 0}));
}

TEST(DeadlineSummaries, EmptyListAnswersFindAndPrintsTitleOnly) {
    DeadlineWindow d;
    d.add(sheet("01/03/2026", "Alfa")); // nothing to confirm
    d.open();
    d.h.fake.pdfPath = d.h.path("riepilogo.pdf");
    d.onDialog([&](QDialog& dialog) {
        EXPECT_EQ(listOf(dialog)->count(), 0);
        find(dialog, "alfa");
        child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
    });
    d.click("cmdDaConfermare");
    ASSERT_EQ(d.h.fake.messages.size(), 1u);
    EXPECT_EQ(d.h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(d.h.fake.lastMessage().text, kEmptyList);
    ASSERT_EQ(d.h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(d.h.fake.printCalls[0].preview);
    const QString text = pdfText(d.h.fake.pdfPath);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    EXPECT_TRUE(text.contains("Riepilogo appuntamenti da confermare"));
    EXPECT_FALSE(text.contains("Alfa"));
}

TEST(DeadlineSummaries, PrintsTheLinesInTheirOrderUnderTheTitle) {
    DeadlineWindow d;
    QStringList paid = sheet("01/03/2026", "Zeta");
    paid[Effettuata] = kYes;
    d.add(paid);
    QStringList other = sheet("02/03/2026", "Alfa");
    other[Effettuata] = kYes;
    d.add(other);
    d.open();
    d.h.fake.pdfPath = d.h.path("riepilogo.pdf");
    d.onDialog([&](QDialog& dialog) {
        child<QPushButton>(&dialog, QStringLiteral("btnStampa"))->click();
    });
    d.click("cmdEffettuate");
    ASSERT_EQ(d.h.fake.printCalls.size(), 1u);
    const QString text = pdfText(d.h.fake.pdfPath);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    EXPECT_TRUE(text.contains("Riepilogo pagamenti effettuati"));
    const qsizetype alfa = text.indexOf("Alfa"), zeta = text.indexOf("Zeta");
    EXPECT_TRUE(alfa >= 0 && zeta > alfa) << text.toStdString();
    for (const char* piece : {"Data: 02/03/2026", "Ora: 09:30", "Da: Rossi Anna",
                              "A:", "Circolo Aurora", "\u20ac 12,50"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece;
}

TEST(DeadlineSummaries, MarkingAPaymentMadeMovesItBetweenSummaries) {
    DeadlineWindow d;
    d.add(sheet("05/03/2026", "Quota annuale"));
    d.open();
    d.onDialog([&](QDialog& dialog) { doubleClick(dialog, 0); });
    d.click("cmdDaEffettuare");
    ASSERT_EQ(d.text("lblPosizione"), "1");
    child<QCheckBox>(&d.w, QStringLiteral("chkEffettuata"))->setChecked(true);
    d.click("cmdSalva");

    QMap<QString, int> counts;
    d.onDialog([&](QDialog& dialog) { counts[dialog.objectName()] = listOf(dialog)->count(); });
    d.click("cmdDaEffettuare");
    d.click("cmdEffettuate");
    EXPECT_EQ(counts.value("TfrmConfermati"), 0);
    EXPECT_EQ(counts.value("TfrmNonConfermati"), 1);
}

TEST(DeadlineSummaries, CloseEmptiesTheList) {
    DeadlineWindow d;
    d.add(sheet("05/03/2026", "Quota annuale"));
    d.open();
    int count = -1, result = -1;
    d.onDialog([&](QDialog& dialog) {
        child<QPushButton>(&dialog, QStringLiteral("btnChiudi"))->click();
        count = listOf(dialog)->count();
        result = dialog.result();
    });
    d.click("cmdDaEffettuare");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(d.text("lblPosizione"), "");
}
