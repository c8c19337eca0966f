#include "core/file_faults.h"
#include "core/ini_file.h"
#include "core/scramble.h"
#include "files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace core;
using testing_support::fileBytes;
using testing_support::writeFile;

TEST(IniFile, ReadsLikeWindowsProfiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    writeFile(path,
              "; comment\n[Dati Ente]\r\n\r\nRiga1 = Circolo\r\nriga1=dopo\n[altro]\nRiga1=no");
    EXPECT_EQ(IniFile::read(path, "dati ente", "RIGA1"), "Circolo"); // first wins, no case
    EXPECT_EQ(IniFile::read(path, "altro", "Riga1"), "no");          // no trailing newline
    EXPECT_EQ(IniFile::read(path, "Dati Ente", "Manca"), "");
    EXPECT_EQ(IniFile::read(path, "Manca", "Riga1"), "");
    EXPECT_EQ(IniFile::read(dir.filePath("none.ini"), "A", "B"), "");
}

TEST(IniFile, WritingOneKeyLeavesEveryOtherLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    writeFile(path, "[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    ASSERT_TRUE(IniFile::write(path, "a", "Y", QString::fromUtf8("città")));
    ASSERT_TRUE(IniFile::write(path, "A", "w", "4"));
    ASSERT_TRUE(IniFile::write(path, "C", "k", "v"));
    EXPECT_EQ(fileBytes(path),
              QByteArray("[A]\r\nx=1\r\nY=citt\xE0\r\nw=4\r\n\r\n[B]\r\nz=3\r\n\r\n"
                         "[C]\r\nk=v\r\n"));
    EXPECT_EQ(IniFile::read(path, "A", "y"), QString::fromUtf8("città"));
}

TEST(IniFile, CreatesMissingFileAndFailsOnADirectory) {
    QTemporaryDir dir;
    EXPECT_TRUE(IniFile::write(dir.filePath("new.ini"), "Accesso", "Valore", "AB"));
    EXPECT_EQ(fileBytes(dir.filePath("new.ini")), QByteArray("[Accesso]\r\nValore=AB\r\n"));
    QDir(dir.path()).mkdir("d.ini");
    EXPECT_FALSE(IniFile::write(dir.filePath("d.ini"), "A", "B", "C"));
}

TEST(Scramble, RoundTripsAndRejectsBadPairs) {
    for (const QString& t : {QString(), QString("QUORVIX"), QString::fromUtf8("PÀSSWORD €1"),
                             QString(255, QChar('Z'))}) {
        const QString hex = scramble(t);
        EXPECT_EQ(hex.size(), 2 * t.size());
        EXPECT_EQ(hex, hex.toUpper());
        EXPECT_EQ(unscramble(hex), t);
        EXPECT_EQ(unscramble(hex.toLower()), t);
    }
    const QString hex = scramble("ABC");
    EXPECT_EQ(unscramble(hex + "7"), "ABC"); // trailing odd digit ignored
    EXPECT_EQ(unscramble(hex.left(2) + "G1"), std::nullopt);
    EXPECT_EQ(unscramble(QString(" 1")), std::nullopt);
}

// Two copies of the program writing different keys of one INI file at once, with file locks and
// where the file system refuses them: every key each copy wrote is there at the end.
TEST(IniFile, TwoCopiesWritingDifferentKeysKeepEveryKey) {
    constexpr int kKeys = 40;
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "no file locks" : "file locks");
        faults::refuseLocks(refused);
        QTemporaryDir dir;
        const QString path = dir.filePath("Tesserini.ini");
        std::vector<pid_t> children;
        for (int copy = 0; copy < 2; ++copy) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                for (int k = 0; k < kKeys; ++k)
                    if (!IniFile::write(path, "Copia", QString("C%1K%2").arg(copy).arg(k), "v"))
                        ::_exit(3);
                ::_exit(0);
            }
            children.push_back(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        faults::refuseLocks(false);
        IniFile ini(path);
        ASSERT_TRUE(ini.load());
        for (int copy = 0; copy < 2; ++copy)
            for (int k = 0; k < kKeys; ++k)
                EXPECT_EQ(ini.value("Copia", QString("C%1K%2").arg(copy).arg(k)), "v");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tesserini.ini"});
    }
}
