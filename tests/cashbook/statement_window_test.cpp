#include "cashbook/frm_menu_bilancio.h"
#include "cashbook/frm_rendiconto.h"
#include "cashbook/statement.h"
#include "cashbook/statement_report.h"

#include "cashbook_fixture.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "golden.h"
#include "pdf_text.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPieSeries>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;
using testing_support::child;
using testing_support::Harness;

namespace {

QStringList movement(QStringList v, const char* date, const char* reason, bool settled = true) {
    v[Data] = QString::fromLatin1(date);
    v[Causale] = QString::fromUtf8(reason);
    v[Saldato] = settled ? kYes : kNo;
    return v;
}

struct StatementWindow : ::testing::Test {
    Harness h;
    TfrmRendiconto w{h.ctx};

    void SetUp() override {
        const QString y2026 = yearPath(h.dir.path());
        addMovement(y2026, movement(income(u"1500,00"_qs), "10/01/2026", "Quota sociale"));
        addMovement(y2026, movement(income(u"75,00"_qs), "12/02/2026", "QUOTA SOCIALE ", false));
        addMovement(y2026, movement(expense(u"420,00"_qs), "05/02/2026", "Affitto sala"));
        addMovement(y2026, movement(expense(u"2300,00"_qs), "20/03/2026", "Affitto sala"));
        addMovement(y2026, movement(expense(u"35,90"_qs), "03/04/2026", "Cancelleria", false));
        addMovement(y2026, movement(income(u"250,00"_qs), "15/06/2026", "Contributo comune"));
        ASSERT_TRUE(core::IniFile::write(h.path(u"Tesserini.ini"_qs), u"Dati Ente"_qs,
                                         u"Denominazione"_qs, u"Circolo Culturale La Rocca"_qs));
    }
    QTableView* grid(const char* name) { return child<QTableView>(&w, QString::fromLatin1(name)); }
    QString cell(const char* name, int row, int column) {
        QAbstractItemModel* m = grid(name)->model();
        return m->data(m->index(row, column)).toString();
    }
    QLineEdit* opening() { return child<QLineEdit>(&w, u"txtSaldoIniziale"_qs); }
    QString label(const char* name) { return child<QLabel>(&w, QString::fromLatin1(name))->text(); }
};

} // namespace

TEST_F(StatementWindow, TheBalanceMenuOpensIt) {
    h.windows.add(&w);
    TfrmMenuBilancio menu(h.ctx);
    menu.show();
    child<QPushButton>(&menu, u"btnRendiconto"_qs)->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(child<QPushButton>(&menu, u"btnRendiconto"_qs)->text(), u"Rendiconto annuale"_qs);
    EXPECT_EQ(w.windowTitle(), u" Quorvix 5.0 - Rendiconto annuale anno 2026"_qs);
}

TEST_F(StatementWindow, ShowsTheTablesSortableWithNegativesInRed) {
    w.show();
    EXPECT_TRUE(h.fake.messages.empty());
    QAbstractItemModel* reasons = grid("grdCausali")->model();
    ASSERT_EQ(reasons->rowCount(), 4);
    EXPECT_EQ(reasons->headerData(4, Qt::Horizontal).toString(), u"Movimenti"_qs);
    EXPECT_EQ(cell("grdCausali", 0, 0), u"Affitto sala"_qs);
    EXPECT_EQ(cell("grdCausali", 0, 2), u"-2.720,00 €"_qs);
    EXPECT_EQ(reasons->data(reasons->index(0, 2), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0xC0, 0x00, 0x00));
    EXPECT_EQ(cell("grdCausali", 3, 0), u"Quota sociale"_qs);
    EXPECT_EQ(cell("grdCausali", 3, 4), u"2"_qs);

    // Amounts sort as numbers, not as texts: 1.575,00 above 250,00 above 0,00.
    grid("grdCausali")->sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(cell("grdCausali", 0, 0), u"Quota sociale"_qs);
    EXPECT_EQ(cell("grdCausali", 1, 0), u"Contributo comune"_qs);

    ASSERT_EQ(grid("grdMesi")->model()->rowCount(), 12);
    EXPECT_EQ(cell("grdMesi", 2, 4), u"-1.145,00 €"_qs); // running balance at the end of March
    EXPECT_EQ(cell("grdMesi", 11, 4), u"-930,90 €"_qs);
    EXPECT_EQ(label("lblTotEntrate"), u"1.825,00 €"_qs);
    EXPECT_EQ(label("lblSaldoFinale"), u"-930,90 €"_qs);
    EXPECT_EQ(label("lblNonSaldati"),
              u"Di cui non saldati:  entrate 75,00 €,  uscite -35,90 €  (2 movimenti)"_qs);

    auto* pie = qobject_cast<QPieSeries*>(
        child<QChartView>(&w, u"chrCausali"_qs)->chart()->series().value(0));
    ASSERT_TRUE(pie);
    EXPECT_EQ(pie->slices().value(0)->label(), u"Affitto sala: 2.720,00 €"_qs);
}

TEST_F(StatementWindow, OpeningBalanceTypedIsKeptAndMovesEveryBalance) {
    w.show();
    EXPECT_FALSE(opening()->isReadOnly());
    EXPECT_EQ(opening()->text(), u"0,00 €"_qs);
    opening()->setText(u"1.000"_qs);
    emit opening()->editingFinished();
    EXPECT_EQ(core::IniFile::read(h.path(kStatementIniName), kOpeningSection, u"2026"_qs),
              u"1000,00"_qs);
    EXPECT_EQ(opening()->text(), u"1.000,00 €"_qs);
    EXPECT_EQ(cell("grdMesi", 11, 4), u"69,10 €"_qs);
    EXPECT_EQ(label("lblSaldoFinale"), u"69,10 €"_qs);

    // A text that is no amount is refused with a word and nothing is kept.
    opening()->setText(u"12.50"_qs);
    emit opening()->editingFinished();
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_EQ(core::IniFile::read(h.path(kStatementIniName), kOpeningSection, u"2026"_qs),
              u"1000,00"_qs);
}

TEST_F(StatementWindow, APreviousYearFileGivesTheOpeningBalance) {
    addMovement(yearPath(h.dir.path(), u"2025"_qs),
                movement(income(u"300,00"_qs), "01/12/2025", "Quota sociale"));
    w.show();
    EXPECT_TRUE(opening()->isReadOnly());
    EXPECT_EQ(opening()->text(), u"300,00 €"_qs);
    EXPECT_EQ(label("lblSaldoFinale"), u"-630,90 €"_qs);

    // Another year: the year rule first, then that year's figures.
    child<QLineEdit>(&w, u"txtAnno"_qs)->setText(u"25"_qs);
    child<QPushButton>(&w, u"btnApri"_qs)->click();
    EXPECT_EQ(h.fake.lastMessage().text,
              u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs);
    child<QLineEdit>(&w, u"txtAnno"_qs)->setText(u"2025"_qs);
    child<QPushButton>(&w, u"btnApri"_qs)->click();
    EXPECT_EQ(w.windowTitle(), u" Quorvix 5.0 - Rendiconto annuale anno 2025"_qs);
    EXPECT_FALSE(opening()->isReadOnly());
    EXPECT_EQ(label("lblSaldoFinale"), u"300,00 €"_qs);
    EXPECT_FALSE(QFile::exists(yearPath(h.dir.path(), u"2024"_qs)));
}

TEST_F(StatementWindow, AFileThatCannotBeReadShowsTheAccessMessageAndNoFigures) {
    w.show();
    ASSERT_TRUE(h.fake.messages.empty());
    // The year file turns into something that cannot be read (a folder of that name).
    ASSERT_TRUE(QFile::remove(yearPath(h.dir.path())));
    ASSERT_TRUE(QDir().mkdir(yearPath(h.dir.path())));
    child<QPushButton>(&w, u"btnApri"_qs)->click();
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Error);
    EXPECT_EQ(h.fake.lastMessage().text, core::archiveAccessMessage());
    EXPECT_EQ(grid("grdCausali")->model()->rowCount(), 0);
    EXPECT_EQ(grid("grdMesi")->model()->rowCount(), 0);
    EXPECT_EQ(label("lblSaldoFinale"), QString());
    EXPECT_FALSE(child<QToolButton>(&w, u"cmdStampa"_qs)->isEnabled());
    EXPECT_FALSE(child<QToolButton>(&w, u"cmdEsporta"_qs)->isEnabled());
}

TEST_F(StatementWindow, PrintsTwoPagesThroughThePrompt) {
    w.show();
    EXPECT_TRUE(testing_support::matchesGolden(u"cashbook_statement"_qs, w.report()));

    QTemporaryDir out;
    h.fake.pdfPath = testing_support::reportOutputPath(out, u"statement.pdf"_qs);
    QStringList prompts;
    h.fake.onModal = [&](QDialog& d) {
        prompts << d.objectName() + u'|' + d.windowTitle();
        const char* go = d.windowTitle().contains(u"Anteprima"_qs) ? "btnAnteprima" : "btnStampa";
        child<QPushButton>(&d, QString::fromLatin1(go))->click();
        return d.result();
    };
    child<QToolButton>(&w, u"cmdAnteprima"_qs)->click();
    child<QToolButton>(&w, u"cmdStampa"_qs)->click();
    EXPECT_EQ(prompts, (QStringList{u"TfrmStampaRendiconto| Anteprima rendiconto annuale"_qs,
                                    u"TfrmStampaRendiconto| Stampa rendiconto annuale"_qs}));
    ASSERT_EQ(h.fake.printCalls.size(), 2u);
    EXPECT_TRUE(h.fake.printCalls[0].preview);
    EXPECT_FALSE(h.fake.printCalls[1].preview);
    const QString text = testing_support::collapseBlanks(testing_support::pdfText(h.fake.pdfPath));
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext missing";
    EXPECT_EQ(text.count(u'\f'), 2);
    EXPECT_TRUE(text.contains(u"Circolo Culturale La Rocca"_qs));
    EXPECT_TRUE(text.contains(u"RENDICONTO ANNUALE 2026 - GRAFICI"_qs));
    EXPECT_TRUE(text.contains(u"Stampa eseguita in data 15/03/2026 alle ore 10:30:00"_qs));
}

TEST_F(StatementWindow, ExportsTheTablesAndShowsItsHelp) {
    w.show();
    child<QToolButton>(&w, u"cmdEsporta"_qs)->click();
    QFile file(h.path(u"Rendiconto.xls"_qs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray sheet = file.readAll();
    EXPECT_TRUE(sheet.contains("<x:Name>Rendiconto annuale 2026</x:Name>"));
    EXPECT_TRUE(sheet.contains("width=250>Causale</td>"));
    EXPECT_TRUE(sheet.contains("<td style=\"text-align: left;\">Affitto sala</td>"
                               "<td style=\"text-align: left;\">0,00</td>"
                               "<td style=\"text-align: left;\">-2720,00</td>"));
    EXPECT_EQ(h.fake.opened, QStringList{u'"' + h.path(u"Rendiconto.xls"_qs) + u'"'});

    child<QToolButton>(&w, u"cmdGuida"_qs)->click();
    ASSERT_EQ(h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(h.fake.helpTopics[0].title, u"Applicazione Rendiconto annuale."_qs);
}

TEST(StatementPrint, ManyReasonsFoldIntoTheLastPrintedRow) {
    cashbook::Statement s;
    s.year = 2026;
    for (int i = 1; i <= kMaxPrintedReasons + 2; ++i) {
        ReasonFigures r{QStringLiteral("Causale %1").arg(i, 2, 10, QLatin1Char('0')), {}};
        r.figures.all = {0, -100 * i, -100 * i, 1};
        s.reasons.push_back(r);
    }
    reports::Report report = statementReport(
        {u"Ente"_qs, s, 0, QImage(), QImage(), QDateTime(QDate(2026, 3, 15), QTime(10, 30))});
    auto text = [&](int column, int row) {
        return report.object(cellName(u"Causali"_qs, column, row)).text();
    };
    const int last = kMaxPrintedReasons;
    EXPECT_EQ(text(0, last - 1), u"Causale 37"_qs);
    EXPECT_EQ(text(0, last), u"Altre causali (3)"_qs);
    EXPECT_EQ(text(2, last), u"-117,00 €"_qs); // 38 + 39 + 40
    EXPECT_EQ(text(4, last), u"3"_qs);
    EXPECT_FALSE(report.has(cellName(u"Causali"_qs, 0, last + 1)));
    EXPECT_EQ(report.pages().size(), 2u);
}
