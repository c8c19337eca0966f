#include "core/ini_file.h"
#include "core/scramble.h"
#include "files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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
