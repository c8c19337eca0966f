// Files that would hurt if trusted: a journal written for another copy of the file, a record
// file full of holes, names that are links to files elsewhere.
#include "core/record_file.h"
#include "files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <unistd.h>

using core::RecordFile;
using testing_support::fileBytes;
using testing_support::writeFile;

namespace {

constexpr int L = 100;

QByteArray records(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += QByteArray(L, char('a' + i));
    return out;
}

quint32 fnv(const QByteArray& bytes) {
    quint32 h = 2166136261u;
    for (char c : bytes)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

// Journals as the program writes them, checksum and all: only their fit to the file is wrong.
QByteArray overwriteJournal(qint64 offset, qint32 length) {
    QByteArray j("QVJRNL01", 8);
    j.append(reinterpret_cast<const char*>(&offset), 8);
    j.append(reinterpret_cast<const char*>(&length), 4);
    j.append(QByteArray(length, 'J'));
    const quint32 sum = fnv(j);
    j.append(reinterpret_cast<const char*>(&sum), 4);
    return j;
}

QByteArray appendJournal(qint64 oldLength) {
    QByteArray j("QVJRNA01", 8);
    j.append(reinterpret_cast<const char*>(&oldLength), 8);
    const quint32 sum = fnv(j);
    j.append(reinterpret_cast<const char*>(&sum), 4);
    return j;
}

struct Heard {
    QStringList paths;
    Heard() {
        core::setJournalNotice([this](const QString& p) { paths.append(p); });
    }
    ~Heard() { core::setJournalNotice(nullptr); }
};

} // namespace

TEST(RecordFileGuard, AJournalThatDoesNotFitTheFileIsSetAsideAndReportedOnce) {
    struct Case {
        const char* name;
        QByteArray journal;
    };
    const Case cases[] = {
        {"past the end", overwriteJournal(3 * L, L)},
        {"reaching past the end", overwriteJournal(3 * L - L / 2, L)},
        {"off a record boundary", overwriteJournal(L / 2, L)},
        {"1 TiB offset", overwriteJournal(qint64(1) << 40, L)},
        {"length not one record", overwriteJournal(0, 2 * L)},
        {"batch started past the end", appendJournal(5 * L)},
        {"batch off a record boundary", appendJournal(L + 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tesserati.pro"_qs);
        writeFile(path, records(3));
        writeFile(RecordFile::journalPath(path), c.journal);
        Heard heard;
        for (int open = 0; open < 2; ++open) {
            RecordFile f(path, L);
            ASSERT_TRUE(f.open(open == 0 ? RecordFile::Access::Read : RecordFile::Access::ReadWrite));
            EXPECT_EQ(f.count(), 3);
        }
        EXPECT_EQ(fileBytes(path), records(3));
        EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
        EXPECT_EQ(fileBytes(RecordFile::setAsidePath(path)), c.journal) << "never applied, kept";
        EXPECT_EQ(heard.paths, QStringList{path}) << "reported once";
    }
}

TEST(RecordFileGuard, JournalsThatFitAreStillApplied) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Tesserati.pro"_qs);
    Heard heard;
    // The last record, and a batch cut short after two whole records and a torn one.
    writeFile(path, records(3));
    writeFile(RecordFile::journalPath(path), overwriteJournal(2 * L, L));
    {
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
    }
    EXPECT_EQ(fileBytes(path), records(2) + QByteArray(L, 'J'));
    writeFile(path, records(5) + "torn");
    writeFile(RecordFile::journalPath(path), appendJournal(2 * L));
    {
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
    }
    EXPECT_EQ(fileBytes(path), records(2));
    EXPECT_TRUE(heard.paths.isEmpty());
    EXPECT_FALSE(QFile::exists(RecordFile::setAsidePath(path)));
}

// Sizes no archive of ours ever had: windows must get a refusal at once, not count and scan
// millions of empty records.
TEST(RecordFileGuard, ASparseOrHugeFileIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Tesserati.pro"_qs);
    const struct {
        const char* name;
        qint64 size;
    } cases[] = {{"a hole at the end", 4 * L + (qint64(1) << 20)},
                 {"a size of 1 TiB", qint64(1) << 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, records(4));
        if (::truncate(QFile::encodeName(path).constData(), c.size) != 0)
            GTEST_SKIP() << "this file system takes no file of " << c.size << " bytes";
        QElapsedTimer clock;
        clock.start();
        RecordFile f(path, L);
        EXPECT_FALSE(f.open(RecordFile::Access::Read));
        EXPECT_FALSE(f.open());
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(QFileInfo(path).size(), c.size) << "the file is left for the user to look at";
    }
    // A file written in full opens as ever.
    writeFile(path, records(4));
    RecordFile f(path, L);
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.count(), 4);
}

// A name in the folder that is a link to a file elsewhere leads no write there; a link to the
// folder itself works as the folder.
TEST(RecordFileGuard, LinksToFilesAreNeverFollowed) {
    QTemporaryDir dir;
    const QString outside = dir.filePath(u"altrove/dati.pro"_qs);
    const QString folder = dir.filePath(u"Quorvix"_qs);
    writeFile(outside, records(2));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + u"/Tesserati.pro"_qs;

    const struct {
        const char* name;
        QString link; // the name made a link to `outside`
    } cases[] = {{"the record file", path}, {"its journal", RecordFile::journalPath(path)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        QFile::remove(RecordFile::journalPath(path));
        QFile::remove(RecordFile::setAsidePath(path));
        if (c.link != path) writeFile(path, records(1));
        ASSERT_TRUE(QFile::link(outside, c.link));
        RecordFile f(path, L);
        if (f.open()) {
            EXPECT_NE(c.link, path) << "a linked record file was opened";
            // A linked journal is no journal of this file: set aside, nothing read from it.
            f.append(records(1).constData());
            f.close();
            EXPECT_EQ(fileBytes(path), records(1) + records(1));
            EXPECT_TRUE(QFileInfo(RecordFile::setAsidePath(path)).isSymLink());
        } else {
            EXPECT_EQ(c.link, path);
            EXPECT_TRUE(QFileInfo(path).isSymLink());
        }
        EXPECT_EQ(fileBytes(outside), records(2));
    }

    // The program folder reached through a link.
    const QString linkedFolder = dir.filePath(u"collegamento"_qs);
    ASSERT_TRUE(QFile::link(folder, linkedFolder));
    RecordFile f(linkedFolder + u"/Nuovo.pro"_qs, L);
    ASSERT_TRUE(f.open());
    EXPECT_TRUE(f.append(records(1).constData()));
    f.close();
    EXPECT_EQ(fileBytes(folder + u"/Nuovo.pro"_qs), records(1));
}
