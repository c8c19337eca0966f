// A failure injected at every step of the export and of an INI write, once and for good: the
// old file stays byte for byte, no temporary file is left, the failure is reported.
#include "core/file_faults.h"
#include "core/ini_file.h"
#include "fake_platform.h"
#include "files.h"
#include "platform/export_flow.h"
#include "platform/workbook_flow.h"
#include "workbook_check.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const core::SheetColumn kColumns[] = {{QStringLiteral("Nome"), 250}};

// Runs `action` with a failure at step 1, 2, ... until it completes without meeting it;
// `check` sees whether the fault hit.
template <class Action, class Check> void atEveryStep(Action action, Check check) {
    for (const bool persistent : {false, true}) {
        bool completed = false;
        for (int step = 1; step < 30 && !completed; ++step) {
            SCOPED_TRACE(testing::Message()
                         << "step " << step << (persistent ? " for good" : " once"));
            core::faults::arm(step, persistent);
            const bool ok = action();
            completed = core::faults::steps() < step;
            core::faults::disarm();
            check(ok, completed);
        }
        EXPECT_TRUE(completed);
    }
}

} // namespace

TEST(WriteFaults, ExportKeepsTheOldFileOrWritesTheNewOneWhole) {
    Harness h;
    const QString path = h.path("Prova.xls");
    const QStringList names = {QStringLiteral("Rossi"), QStringLiteral("Bianchi")};
    const platform::SpreadsheetExport e{QStringLiteral("Prova.xls"), QStringLiteral("Foglio"),
                                        kColumns, names.size(),
                                        [&](qsizetype r, qsizetype) { return names[r]; }};
    ASSERT_TRUE(platform::saveSpreadsheet(path, e));
    const QByteArray fresh = fileBytes(path);
    writeFile(path, "vecchio file");

    atEveryStep([&] { return platform::runSpreadsheetExport(h.ctx, nullptr, e); },
                [&](bool ok, bool) {
                    const QByteArray now = fileBytes(path);
                    if (ok) {
                        EXPECT_EQ(now, fresh);
                        EXPECT_EQ(h.fake.messages.back().text, platform::exportDoneQuestion());
                    } else {
                        EXPECT_EQ(now, QByteArray("vecchio file"));
                        EXPECT_EQ(h.fake.messages.back().text, platform::exportFailedMessage());
                    }
                    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files), QStringList{"Prova.xls"});
                    writeFile(path, "vecchio file"); // the next round starts from the old file
                });
}

TEST(WriteFaults, WorkbookKeepsTheOldFileOrWritesTheNewOneWhole) {
    Harness h;
    const QString path = h.path("Prova.xlsx");
    const QStringList names = {QStringLiteral("Rossi"), QStringLiteral("Bianchi")};
    const platform::SpreadsheetExport e{QStringLiteral("Prova.xls"), QStringLiteral("Foglio"),
                                        kColumns, names.size(),
                                        [&](qsizetype r, qsizetype) { return names[r]; }};
    writeFile(path, "vecchio file");
    atEveryStep(
        [&] {
            h.fake.fileAnswers = {path};
            return platform::runWorkbookExport(h.ctx, nullptr, e);
        },
        [&](bool ok, bool) {
            if (ok) {
                EXPECT_TRUE(fileBytes(path).startsWith("PK"));
                EXPECT_EQ(h.fake.messages.back().text, platform::exportDoneQuestion());
            } else {
                // Only the folder's sync comes after the rename: the old file, or the new one
                // whole, never a part.
                const QByteArray now = fileBytes(path);
                EXPECT_TRUE(now == "vecchio file" || workbookCellKinds(path).size() == 3u);
                EXPECT_EQ(h.fake.messages.back().text, platform::exportFailedMessage());
            }
            EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{"Prova.xlsx"});
            writeFile(path, "vecchio file");
        });
}

TEST(WriteFaults, IniWriteKeepsTheOldFileOrWritesTheKey) {
    Harness h;
    const QString path = h.path("Tesserini.ini");
    const QByteArray old = "[Dati Ente]\r\nRiga1=Circolo\r\nRiga2=Via Roma\r\n";
    auto reset = [&] { writeFile(path, old); };
    reset();
    atEveryStep([&] { return core::IniFile::write(path, "Dati Ente", "Riga1", "Nuovo"); },
                [&](bool ok, bool) {
                    if (ok)
                        EXPECT_EQ(fileBytes(path),
                                  QByteArray("[Dati Ente]\r\nRiga1=Nuovo\r\nRiga2=Via Roma\r\n"));
                    else
                        EXPECT_EQ(fileBytes(path), old);
                    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files),
                              QStringList{"Tesserini.ini"});
                    reset();
                });
}
