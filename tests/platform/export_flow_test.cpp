#include "platform/export_flow.h"
#include "platform/export_window.h"
#include "platform/workbook_flow.h"

#include "fake_platform.h"
#include "files.h"
#include "workbook_check.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace platform;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::Harness;
using testing_support::writeFile;

namespace {

const core::SheetColumn kColumns[] = {{u"Nome"_qs, 250}};

SpreadsheetExport exportOf(const QStringList& names) {
    return {u"Prova.xls"_qs, u"Foglio"_qs, kColumns, names.size(),
            [names](qsizetype r, qsizetype) { return names[r]; }};
}

} // namespace

TEST(ExportFlow, AsksWritesAsksAndOpensTheQuotedPath) {
    Harness h;
    ASSERT_TRUE(runSpreadsheetExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    ASSERT_EQ(h.fake.messages.size(), 2u);
    EXPECT_EQ(h.fake.messages[0].kind, MsgKind::Question);
    EXPECT_EQ(h.fake.messages[0].text, exportConfirmQuestion());
    EXPECT_EQ(h.fake.messages[1].text, exportDoneQuestion());
    EXPECT_EQ(h.fake.opened,
              QStringList{u'"' + QDir::toNativeSeparators(h.path(u"Prova.xls"_qs)) + u'"'});
    EXPECT_TRUE(
        fileBytes(h.path(u"Prova.xls"_qs)).contains("<td style=\"text-align: left;\">Rossi</td>"));
}

TEST(ExportFlow, AnswersNoStopBeforeWritingOrBeforeOpening) {
    Harness h;
    h.fake.answers = {Answer::No};
    EXPECT_FALSE(runSpreadsheetExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    EXPECT_FALSE(QFile::exists(h.path(u"Prova.xls"_qs)));
    EXPECT_EQ(h.fake.messages.size(), 1u);

    h.fake.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(runSpreadsheetExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    EXPECT_TRUE(QFile::exists(h.path(u"Prova.xls"_qs)));
    EXPECT_TRUE(h.fake.opened.isEmpty());
}

TEST(ExportFlow, ReplacesAnEarlierFileWhole) {
    Harness h;
    h.fake.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::No};
    runSpreadsheetExport(h.ctx, nullptr,
                         exportOf({u"Primo con un nome molto lungo"_qs, u"Secondo"_qs}));
    runSpreadsheetExport(h.ctx, nullptr, exportOf({}));
    const QByteArray bytes = fileBytes(h.path(u"Prova.xls"_qs));
    EXPECT_FALSE(bytes.contains("Primo"));
    EXPECT_TRUE(bytes.endsWith("width=250>Nome</td></tr></table></body></html>"));
}

TEST(ExportFlow, TargetThatCannotBeWrittenShowsThePlainMessage) {
    Harness h;
    // A folder of that name stands where the file should go: nothing can be written.
    ASSERT_TRUE(QDir(h.dir.path()).mkdir(u"Prova.xls"_qs));
    EXPECT_FALSE(runSpreadsheetExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    ASSERT_EQ(h.fake.messages.size(), 2u);
    EXPECT_EQ(h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(h.fake.lastMessage().text, exportFailedMessage());
    EXPECT_TRUE(h.fake.opened.isEmpty());
    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(ExportFlow, FailureInTheMiddleOfWritingLeavesNoHalfFile) {
    Harness h;
    writeFile(h.path(u"Prova.xls"_qs), "vecchio");
    // Files may grow to 64 KB only: the export of a big grid fails part-way through.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QStringList names;
    for (int i = 0; i < 20000; ++i)
        names << u"Socio numero "_qs + QString::number(i);
    const bool written = runSpreadsheetExport(h.ctx, nullptr, exportOf(names));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(h.fake.lastMessage().text, exportFailedMessage());
    EXPECT_EQ(fileBytes(h.path(u"Prova.xls"_qs)), QByteArray("vecchio"));
    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"Prova.xls"_qs});
}

TEST(ExportWindow, ExportsGridColumnsOneToNButNotTheRunningNumber) {
    Harness h;
    ExportWindow w(h.ctx, nullptr, u"TfrmExpProva"_qs, u" Prova"_qs,
                   {{u"N."_qs, 60}, {u"Nome"_qs, 200}, {u"Note"_qs, 200}},
                   {u"Prova.xls"_qs, u"Foglio"_qs, {{u"Nome"_qs, 250}, {u"Note"_qs, 350}}});
    w.setRows({{u"71"_qs, u"Rossi"_qs, u" a "_qs}, {u"72"_qs, u"Verdi"_qs}});
    h.fake.answers = {Answer::Yes, Answer::No};
    child<QToolButton>(&w, u"cmdEsporta"_qs)->click();
    const QByteArray bytes = fileBytes(h.path(u"Prova.xls"_qs));
    EXPECT_TRUE(bytes.contains(
        "width=350>Note</td></tr><tr><td style=\"text-align: left;\">Rossi</td>"
        "<td style=\"text-align: left;\">a</td></tr><tr><td style=\"text-align: left;\">"
        "Verdi</td><td style=\"text-align: left;\"></td></tr></table>"));
    EXPECT_FALSE(bytes.contains("71"));
}

TEST(ExportWindow, GuidaOpensTheHelpTopicThroughTheSeam) {
    Harness h;
    ExportWindow w(h.ctx, nullptr, u"TfrmExpProva"_qs, u" Prova"_qs, {{u"N."_qs, 60}},
                   {u"Prova.xls"_qs, u"F"_qs, {}});
    w.setHelp({u"Titolo."_qs, {u"Uno."_qs, u"Due."_qs}});
    child<QToolButton>(&w, u"cmdGuida"_qs)->click();
    ASSERT_EQ(h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(h.fake.helpTopics[0].title, u"Titolo."_qs);
    EXPECT_EQ(h.fake.helpTopics[0].paragraphs, (QStringList{u"Uno."_qs, u"Due."_qs}));
}

TEST(WorkbookFlow, AsksChoosesWritesAsksAndOpensTheChosenFile) {
    Harness h;
    const QString chosen = h.path(u"Copia.xlsx"_qs);
    h.fake.fileAnswers = {chosen};
    ASSERT_TRUE(runWorkbookExport(h.ctx, nullptr, exportOf({u"Rossi"_qs, u"00100"_qs})));
    EXPECT_EQ(h.fake.texts(), (QStringList{exportConfirmQuestion(), exportDoneQuestion()}));
    ASSERT_EQ(h.fake.fileDialogs.size(), 1u);
    EXPECT_EQ(h.fake.fileDialogs[0].proposedName, u"Prova.xlsx"_qs);
    EXPECT_EQ(h.fake.fileDialogs[0].defaultSuffix, u"xlsx"_qs);
    EXPECT_EQ(h.fake.opened, QStringList{u'"' + QDir::toNativeSeparators(chosen) + u'"'});
    EXPECT_EQ(testing_support::workbookCellKinds(chosen).size(), 3u);
    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"Copia.xlsx"_qs});
}

TEST(WorkbookFlow, NoOrACancelledDialogWritesNothing) {
    Harness h;
    h.fake.answers = {Answer::No};
    h.fake.fileAnswers = {h.path(u"Prova.xlsx"_qs)};
    EXPECT_FALSE(runWorkbookExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    EXPECT_TRUE(h.fake.fileDialogs.empty());

    h.fake.fileAnswers = {QString()};
    EXPECT_FALSE(runWorkbookExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    EXPECT_EQ(h.fake.messages.size(), 2u); // the first question of each try, nothing after
    EXPECT_TRUE(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(WorkbookFlow, AFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Harness h;
    const QString path = h.path(u"Prova.xlsx"_qs);
    writeFile(path, "vecchio");
    // Files may grow to 64 KB only: the workbook of a big grid fails part-way through.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QStringList names;
    for (int i = 0; i < 50000; ++i)
        names << u"Socio numero "_qs + QString::number(i * 7919);
    h.fake.fileAnswers = {path};
    const bool written = runWorkbookExport(h.ctx, nullptr, exportOf(names));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(h.fake.lastMessage().text, exportFailedMessage());
    EXPECT_EQ(fileBytes(path), QByteArray("vecchio"));

    // A folder where the file should go.
    h.fake.fileAnswers = {h.path(u"Cartella"_qs)};
    ASSERT_TRUE(QDir(h.dir.path()).mkdir(u"Cartella"_qs));
    EXPECT_FALSE(runWorkbookExport(h.ctx, nullptr, exportOf({u"Rossi"_qs})));
    EXPECT_EQ(h.fake.lastMessage().text, exportFailedMessage());
    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"Prova.xlsx"_qs});
}

TEST(ExportWindow, BothExportButtonsHaveTheirHints) {
    Harness h;
    ExportWindow w(h.ctx, nullptr, u"TfrmExpProva"_qs, u" Prova"_qs, {{u"N."_qs, 60}},
                   {u"Prova.xls"_qs, u"F"_qs, {}});
    const struct {
        const char16_t* button;
        const char16_t* hint;
    } cases[] = {{u"cmdEsporta", u"Esporta l'archivio in formato Microsoft Excel."},
                 {u"cmdEsportaXlsx", u"Esporta in una cartella di lavoro di Excel (.xlsx)."}};
    for (const auto& c : cases) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child<QToolButton>(&w, QString::fromUtf16(c.button)), &enter);
        EXPECT_EQ(child<QLabel>(&w, u"panInfo"_qs)->text(), QString::fromUtf16(c.hint));
    }
}
