// A batch of records appended as one step: a failure at any step, or a process killed at any
// moment, leaves the file with every record of the batch or none of it.
#include "core/file_faults.h"
#include "core/record_file.h"
#include "files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using core::RecordFile;
using testing_support::fileBytes;

namespace {

// Record i of batch b: the pair repeated, so a torn or misplaced record shows.
void fillRecord(char* r, int length, quint32 batch, quint32 i) {
    for (int k = 0; k + 8 <= length; k += 8) {
        std::memcpy(r + k, &batch, 4);
        std::memcpy(r + k + 4, &i, 4);
    }
}

} // namespace

TEST(RecordFileBatch, AFailureAtAnyStepLeavesTheFileAsItWas) {
    // Records of 1 MiB: four to a block, so six records take two blocks.
    constexpr int L = 1 << 20;
    constexpr qint64 kBatch = 6;
    for (const bool persistent : {false, true}) {
        bool completed = false;
        for (int step = 1; step < 40 && !completed; ++step) {
            SCOPED_TRACE(testing::Message()
                         << (persistent ? "for good" : "once") << ", step " << step);
            QTemporaryDir dir;
            const QString path = dir.filePath("a.pro");
            {
                RecordFile f(path, L);
                ASSERT_TRUE(f.open());
                std::vector<char> r(L);
                for (quint32 i = 0; i < 2; ++i) {
                    fillRecord(r.data(), L, 0, i);
                    ASSERT_TRUE(f.append(r.data()));
                }
                // An incomplete tail left by other software: the batch starts over it.
                QFile raw(path);
                raw.open(QIODevice::Append);
                raw.write(QByteArray(100, 'T'));
            }
            const QByteArray wholeBefore = fileBytes(path).left(2 * L);

            std::optional<qint64> first;
            qint64 reported = 0;
            core::faults::arm(step, persistent);
            {
                RecordFile f(path, L);
                if (f.open())
                    first = f.appendAll(
                        kBatch, [](qint64 i, char* r) { fillRecord(r, L, 1, quint32(i)); },
                        [&](qint64 done) { reported = done; });
            }
            completed = core::faults::steps() < step;
            core::faults::disarm();

            RecordFile check(path, L); // recovers a journal left behind
            ASSERT_TRUE(check.open(RecordFile::Access::Read));
            check.close();
            EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
            const QByteArray after = fileBytes(path);
            if (first) {
                EXPECT_EQ(*first, 3);
                EXPECT_EQ(reported, kBatch);
                ASSERT_EQ(after.size(), (2 + kBatch) * L);
                EXPECT_EQ(after.left(2 * L), wholeBefore);
                std::vector<char> r(L);
                for (qint64 i = 0; i < kBatch; ++i) {
                    fillRecord(r.data(), L, 1, quint32(i));
                    EXPECT_EQ(std::memcmp(after.constData() + (2 + i) * L, r.data(), L), 0)
                        << "record " << 3 + i;
                }
            } else {
                EXPECT_EQ(after.left(2 * L), wholeBefore);
                EXPECT_LE(after.size(), 2 * L + 100) << "records of a failed batch remain";
            }
        }
        EXPECT_TRUE(completed) << "the batch never completed";
    }
}

TEST(RecordFileBatch, AJournalLeftBehindCutsTheFileBackAtTheNextOpen) {
    constexpr int L = 64;
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pro");
    std::vector<char> r(L);
    {
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
        for (quint32 i = 0; i < 3; ++i) {
            fillRecord(r.data(), L, 0, i);
            ASSERT_TRUE(f.append(r.data()));
        }
    }
    const QByteArray before = fileBytes(path);
    // A process killed half-way through a batch: the journal of the old length, then part of
    // the batch after the old records.
    QByteArray journal("QVJRNA01", 8);
    const qint64 oldLength = 3 * L;
    journal.append(reinterpret_cast<const char*>(&oldLength), 8);
    quint32 h = 2166136261u;
    for (char c : journal)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    journal.append(reinterpret_cast<const char*>(&h), 4);
    QFile j(RecordFile::journalPath(path));
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(journal);
    j.close();
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::Append));
    raw.write(QByteArray(2 * L + 10, 'B'));
    raw.close();

    RecordFile f(path, L);
    ASSERT_TRUE(f.open(RecordFile::Access::Read));
    EXPECT_EQ(f.count(), 3);
    f.close();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));

    // A journal cut short was written before any record: it is dropped, the file kept.
    ASSERT_TRUE(j.open(QIODevice::WriteOnly));
    j.write(journal.left(12));
    j.close();
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.count(), 3);
    f.close();
    EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
}

TEST(RecordFileBatch, KilledBatchesLeaveWholeBatchesOnly) {
    // Records of 256 KiB, sixteen to a block: a batch of forty is written in three pieces.
    constexpr int L = 1 << 18;
    constexpr quint32 kBatch = 40;
    QTemporaryDir dir;
    const QString path = dir.filePath("Tesserati.pro");
    const int kills = testing_support::roundsFromEnv("QUORVIX_KILL_ROUNDS", 30);
    quint64 batchesDone = 0;
    for (int k = 0; k < kills; ++k) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            for (quint32 b = 1;; ++b) {
                RecordFile f(path, L);
                if (!f.open()) ::_exit(2);
                const quint32 batch = quint32(k) << 16 | b;
                const bool ok = f.appendAll(kBatch, [&](qint64 i, char* r) {
                                     fillRecord(r, L, batch, quint32(i));
                                 }).has_value();
                f.close();
                if (ok && ::write(fds[1], &batch, sizeof batch) != sizeof batch) ::_exit(3);
            }
        }
        ::close(fds[1]);
        // One batch done first, however loaded the machine, then a kill at a random moment.
        quint32 batch;
        ASSERT_EQ(::read(fds[0], &batch, sizeof batch), ssize_t(sizeof batch));
        ++batchesDone;
        ::usleep(QRandomGenerator::global()->bounded(200, 30000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (::read(fds[0], &batch, sizeof batch) == sizeof batch)
            ++batchesDone;
        ::close(fds[0]);

        RecordFile check(path, L);
        ASSERT_TRUE(check.open(RecordFile::Access::Read));
        EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
        ASSERT_EQ(check.count() % kBatch, 0) << "a batch cut in two after kill " << k;
        EXPECT_GE(quint64(check.count()), batchesDone * kBatch) << "a reported batch was lost";
        std::vector<char> r(L), want(L);
        for (qint64 n = 1; n <= check.count(); n += kBatch) {
            ASSERT_TRUE(check.read(n, r.data()));
            quint32 batch0;
            std::memcpy(&batch0, r.data(), 4);
            for (quint32 i = 0; i < kBatch; ++i) {
                ASSERT_TRUE(check.read(n + i, r.data()));
                fillRecord(want.data(), L, batch0, i);
                ASSERT_EQ(std::memcmp(r.data(), want.data(), L), 0)
                    << "record " << n + i << " after kill " << k;
            }
        }
    }
}
