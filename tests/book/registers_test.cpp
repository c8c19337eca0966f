#include "book/page_record.h"
#include "book/registers.h"
#include "book_fixture.h"
#include "core/record_file.h"
#include "files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace book;
using namespace book_test;

namespace {

// The journal an overwrite of page 1 leaves when the program is killed half-way.
void leaveJournal(const QString& registerPath, const QByteArray& oldPage) {
    QByteArray j("QVJRNL01", 8);
    const qint64 offset = 0;
    const qint32 length = qint32(oldPage.size());
    j.append(reinterpret_cast<const char*>(&offset), 8);
    j.append(reinterpret_cast<const char*>(&length), 4);
    j.append(oldPage);
    quint32 h = 2166136261u;
    for (char c : j)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    j.append(reinterpret_cast<const char*>(&h), 4);
    testing_support::writeFile(core::RecordFile::journalPath(registerPath), j);
}

} // namespace

TEST(RegisterNames, RefusesEmptyEscapingAndUsedNames) {
    QTemporaryDir root;
    const QString folder = root.path() + u"/Quorvix"_qs;
    ASSERT_TRUE(QDir().mkpath(folder + u"/Documenti_Allegati"_qs));
    testing_support::writeFile(folder + u"/Soci 2025.lib"_qs, "x");
    struct Case {
        const char* typed;
        QString message;
    };
    const Case cases[] = {
        {"", emptyNameMessage()},
        {" \t ", emptyNameMessage()},
        {"../fuori", unsafeNameMessage()},
        {"Documenti_Allegati/x", unsafeNameMessage()},
        {"..\\fuori", unsafeNameMessage()},
        {"..", unsafeNameMessage()},
        {" . ", unsafeNameMessage()},
        {"Soci\n2026", unsafeNameMessage()},
        {"Soci 2025", nameUsedMessage()},
        {"  Soci 2025  ", nameUsedMessage()},
        {"Soci 2026", {}},
        // Names another system could not hold, should the folder be copied there.
        {"a:b", unsafeNameMessage()},
        {"Soci | 2026", unsafeNameMessage()},
        {"Soci?*<>\"", unsafeNameMessage()},
        {"Soci.", unsafeNameMessage()},
        {"CON", unsafeNameMessage()},
        {"con.txt", unsafeNameMessage()},
        {"Nul ", unsafeNameMessage()},
        {"PRN", unsafeNameMessage()},
        {"aux", unsafeNameMessage()},
        {"COM1", unsafeNameMessage()},
        {"lpt9", unsafeNameMessage()},
        {"COM0", {}},
        {"COM10", {}},
        {"Console", {}},
        {"Soci.2026", {}},
    };
    for (const Case& c : cases) {
        const platform::Check problem = registerNameProblem(folder, QString::fromUtf8(c.typed));
        EXPECT_EQ(problem ? problem->text : QString(), c.message) << c.typed;
        if (problem) {
            EXPECT_EQ(problem->kind, platform::MsgKind::Warning);
        }
    }
    // Nothing was created by checking, inside the folder or beside it.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{u"Soci 2025.lib"_qs});
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files), QStringList());
}

TEST(RegisterFiles, CreatesAnEmptyFileOnceAndNeverTruncates) {
    QTemporaryDir dir;
    EXPECT_EQ(createRegister(dir.path(), u"  Soci 2026 "_qs), CreateResult::Created);
    const QString path = dir.filePath(u"Soci 2026.lib"_qs);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
    testing_support::writeFile(path, "page");
    EXPECT_EQ(createRegister(dir.path(), u"Soci 2026"_qs), CreateResult::AlreadyExists);
    EXPECT_EQ(testing_support::fileBytes(path), "page");
    EXPECT_EQ(listRegisters(dir.path()), QStringList{u"Soci 2026.lib"_qs});
    EXPECT_EQ(registerDisplayName(u"Soci 2026.lib"_qs), "Soci 2026");
    EXPECT_EQ(registerCountLine(1), "Sono stati creati 1 Libri Soci.");
}

TEST(RegisterFiles, ListAndDeleteKeepTheExactFileName) {
    QTemporaryDir dir;
    testing_support::writeFile(dir.filePath(u" Soci.lib"_qs), "made elsewhere");
    testing_support::writeFile(dir.filePath(u"Soci.lib"_qs), "ours");
    testing_support::writeFile(dir.filePath(u"Note.txt"_qs), "");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Vecchi.lib"_qs)); // a folder is no register
    QStringList names = listRegisters(dir.path());
    names.sort();
    EXPECT_EQ(names, (QStringList{u" Soci.lib"_qs, u"Soci.lib"_qs}));

    EXPECT_TRUE(deleteRegister(dir.path(), u" Soci.lib"_qs));
    EXPECT_FALSE(QFile::exists(dir.filePath(u" Soci.lib"_qs)));
    EXPECT_EQ(testing_support::fileBytes(dir.filePath(u"Soci.lib"_qs)), "ours");
    EXPECT_EQ(listRegisters(dir.path()), QStringList{u"Soci.lib"_qs});
}

TEST(RegisterFiles, ADeletedRegisterStaysDeletedAfterACrashedOverwrite) {
    QTemporaryDir dir;
    const QString path =
        writeRegister(dir.path(), u"Soci.lib"_qs, {page({{A(Socio), u"Rossi"_qs}})});
    leaveJournal(path, testing_support::fileBytes(path));

    ASSERT_TRUE(deleteRegister(dir.path(), u"Soci.lib"_qs));
    EXPECT_FALSE(QFile::exists(core::RecordFile::journalPath(path)));
    ASSERT_EQ(createRegister(dir.path(), u"Soci"_qs), CreateResult::Created);
    EXPECT_EQ(pageArchive(path).count(), 0); // the first open finds nothing to roll back
    EXPECT_EQ(QFile(path).size(), 0);
}

TEST(RegisterFiles, AJournalWithoutItsRegisterDoesNotReachANewOne) {
    QTemporaryDir dir;
    const QString path =
        writeRegister(dir.path(), u"Soci.lib"_qs, {page({{A(Socio), u"Rossi"_qs}})});
    leaveJournal(path, testing_support::fileBytes(path));
    QFile::remove(path); // deleted outside the program
    ASSERT_EQ(createRegister(dir.path(), u"Soci"_qs), CreateResult::Created);
    EXPECT_EQ(pageArchive(path).count(), 0);
}
