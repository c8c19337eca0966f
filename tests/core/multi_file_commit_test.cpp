// One write over two record files: whatever stops it (a failed step, a killed process, a power
// cut), both files come back old, or both new, never one of each.
#include "core/file_faults.h"
#include "core/multi_file_commit.h"
#include "core/record_file.h"
#include "files.h"
#include "sim_disk.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <sys/wait.h>
#include <unistd.h>

using core::MultiFileCommit;
using core::RecordFile;
using testing_support::fileBytes;
using testing_support::SimDisk;
using testing_support::writeFile;

namespace {

// Two files with different record lengths, like the member file and a cash book year.
constexpr int LA = 96;
constexpr int LB = 40;

// Record n of a file at a version: the version in a few bytes in the middle (an overwrite
// changes only those, as a renewal changes two dates), a fixed pattern elsewhere.
QByteArray record(int length, quint32 n, quint32 version) {
    QByteArray r(length, '\0');
    for (int i = 0; i < length; ++i)
        r[i] = char('a' + (n * 7 + i) % 26);
    std::memcpy(r.data() + 20, &version, 4);
    std::memcpy(r.data() + 30, &version, 4);
    return r;
}

quint32 versionOf(const QByteArray& r) {
    quint32 v = 0;
    std::memcpy(&v, r.constData() + 20, 4);
    return v;
}

// Old: A holds records 1-3, B records 1-2, all at version 0.
QByteArray oldA() {
    return record(LA, 1, 0) + record(LA, 2, 0) + record(LA, 3, 0);
}
QByteArray oldB() {
    return record(LB, 1, 0) + record(LB, 2, 0);
}
// New: records 1 and 3 of A at version 1; B's record 2 at version 1 and two records appended.
QByteArray newA() {
    return record(LA, 1, 1) + record(LA, 2, 0) + record(LA, 3, 1);
}
QByteArray newB() {
    return record(LB, 1, 0) + record(LB, 2, 1) + record(LB, 3, 1) + record(LB, 4, 1);
}

bool step(const QString& a, const QString& b) {
    RecordFile fa(a, LA), fb(b, LB); // opened in path order, held to the end
    if (!fa.open() || !fb.open()) return false;
    MultiFileCommit c;
    c.overwrite(fa, 1, record(LA, 1, 1).constData());
    c.overwrite(fa, 3, record(LA, 3, 1).constData());
    c.overwrite(fb, 2, record(LB, 2, 1).constData());
    c.append(fb, record(LB, 3, 1).constData());
    c.append(fb, record(LB, 4, 1).constData());
    return c.commit();
}

enum class Outcome { Old, New, Mixed };

const char* name(Outcome o) {
    return o == Outcome::Old ? "old" : o == Outcome::New ? "new" : "one of each, or neither";
}

// Opens both (recovering what was left), `bFirst` choosing which one recovers first.
Outcome reopen(const QString& a, const QString& b, bool bFirst,
               const std::function<QByteArray(const QString&)>& bytes) {
    {
        RecordFile first(bFirst ? b : a, bFirst ? LB : LA);
        EXPECT_TRUE(first.open(RecordFile::Access::Read));
    }
    {
        RecordFile second(bFirst ? a : b, bFirst ? LA : LB);
        EXPECT_TRUE(second.open(RecordFile::Access::Read));
    }
    const QByteArray nowA = bytes(a), nowB = bytes(b);
    if (nowA == oldA() && nowB == oldB()) return Outcome::Old;
    if (nowA == newA() && nowB == newB()) return Outcome::New;
    return Outcome::Mixed;
}

// A group left behind (a step stopped before any journal named it, or its removal failed)
// goes with the next step over the same files.
testing::AssertionResult nextStepTidies(const QString& a, const QString& b,
                                        const std::function<size_t()>& files) {
    if (!step(a, b)) return testing::AssertionFailure() << "the next step failed";
    if (files() != 2) return testing::AssertionFailure() << files() << " files are left";
    return testing::AssertionSuccess();
}

} // namespace

TEST(MultiFileCommit, WritesBothFilesAndLeavesNothingBehind) {
    QTemporaryDir dir;
    const QString a = dir.filePath("2026.eur"), b = dir.filePath("Tesserati.pro");
    writeFile(a, oldA());
    writeFile(b, oldB() + "tail"); // an incomplete tail: the appends go over it
    ASSERT_TRUE(step(a, b));
    EXPECT_EQ(fileBytes(a), newA());
    EXPECT_EQ(fileBytes(b), newB());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "a journal or group is left";

    // A record that has gone is refused before anything is written.
    RecordFile fa(a, LA), fb(b, LB);
    ASSERT_TRUE(fa.open() && fb.open());
    MultiFileCommit c;
    c.overwrite(fa, 1, record(LA, 1, 7).constData());
    c.overwrite(fb, 5, record(LB, 5, 7).constData());
    EXPECT_FALSE(c.commit());
    fa.close();
    fb.close();
    EXPECT_EQ(fileBytes(a), newA());
    EXPECT_EQ(fileBytes(b), newB());
}

TEST(MultiFileCommit, AFailureAtAnyStepLeavesBothOldOrBothNew) {
    for (const bool persistent : {false, true}) {
        for (const bool bFirst : {false, true}) {
            bool completed = false;
            for (int at = 1; at < 80 && !completed; ++at) {
                SCOPED_TRACE(testing::Message()
                             << (persistent ? "for good" : "once") << ", step " << at
                             << (bFirst ? ", B reopened first" : ", A reopened first"));
                QTemporaryDir dir;
                const QString a = dir.filePath("a.pro"), b = dir.filePath("b.eur");
                writeFile(a, oldA());
                writeFile(b, oldB());
                core::faults::arm(at, persistent);
                const bool ok = step(a, b);
                completed = core::faults::steps() < at;
                core::faults::disarm();

                const Outcome o = reopen(a, b, bFirst, fileBytes);
                EXPECT_EQ(o, ok ? Outcome::New : Outcome::Old)
                    << "reported " << (ok ? "done" : "failed") << ", found " << name(o);
                EXPECT_TRUE(nextStepTidies(
                    a, b, [&] { return size_t(QDir(dir.path()).entryList(QDir::Files).size()); }));
            }
            EXPECT_TRUE(completed) << "the step never completed";
        }
    }
}

TEST(MultiFileCommit, APowerCutAfterAnyOperationLeavesBothOldOrBothNew) {
    const QString a = u"/disk/a.pro"_qs, b = u"/disk/b.eur"_qs;
    SimDisk live;
    live.addFolder(u"/disk"_qs);
    live.put(a, oldA());
    live.put(b, oldB());
    bool ok = false;
    {
        const core::UseFileSystem use(live);
        live.record();
        ok = step(a, b);
    }
    ASSERT_TRUE(ok);
    int newSeen = 0;
    for (int op = 0; op <= live.operations(); ++op) {
        int variant = 0;
        for (SimDisk& disk : SimDisk::crashes(live.stateAfter(op), 48, unsigned(op))) {
            SCOPED_TRACE(testing::Message() << "cut after operation " << op << ", state "
                                            << variant);
            const core::UseFileSystem use(disk);
            const auto bytes = [&](const QString& p) {
                return disk.contents(p).value_or(testing_support::kMissingFile);
            };
            const Outcome o = reopen(a, b, variant++ % 2 == 1, bytes);
            EXPECT_NE(o, Outcome::Mixed) << name(o);
            if (op == live.operations()) {
                EXPECT_EQ(o, Outcome::New) << "the reported step is lost";
            }
            newSeen += o == Outcome::New;
            for (const auto& [path, content] : disk.allFiles())
                EXPECT_FALSE(path.endsWith(u".jrn"_qs)) << "a journal outlived the opens";
            const auto afterFirst = disk.allFiles();
            reopen(a, b, false, bytes);
            EXPECT_EQ(disk.allFiles(), afterFirst) << "a second open changed the disk";
            EXPECT_TRUE(nextStepTidies(a, b, [&] { return disk.allFiles().size(); }));
        }
    }
    EXPECT_GT(newSeen, 0);
}

// A child commits steps over and over, each moving every record of A and B's first record to
// a new version and appending that version to B; it is killed at a random moment. Reopened,
// the two files always agree, and no reported step is lost.
TEST(MultiFileCommit, AKilledProcessLeavesBothFilesAtTheSameStep) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.pro"), b = dir.filePath("b.eur");
    writeFile(a, oldA());
    writeFile(b, record(LB, 1, 0));
    const int kills = testing_support::roundsFromEnv("QUORVIX_KILL_ROUNDS", 20);
    quint32 reported = 0, version = 0;
    int stepsSeen = 0;
    for (int k = 0; k < kills; ++k) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            for (quint32 v = version + 1;; ++v) {
                RecordFile fa(a, LA), fb(b, LB);
                if (!fa.open() || !fb.open()) ::_exit(2);
                MultiFileCommit c;
                for (quint32 n = 1; n <= 3; ++n)
                    c.overwrite(fa, n, record(LA, n, v).constData());
                c.overwrite(fb, 1, record(LB, 1, v).constData());
                c.append(fb, record(LB, quint32(fb.count() + 1), v).constData());
                if (!c.commit()) ::_exit(3);
                fa.close();
                fb.close();
                if (::write(fds[1], &v, sizeof v) != sizeof v) ::_exit(4);
            }
        }
        ::close(fds[1]);
        quint32 v = 0;
        if (k % 2 == 1 && ::read(fds[0], &v, sizeof v) == sizeof v) reported = v;
        ::usleep(QRandomGenerator::global()->bounded(1000, 60000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself";
        while (::read(fds[0], &v, sizeof v) == sizeof v)
            reported = v;
        ::close(fds[0]);

        {
            RecordFile first(k % 2 ? b : a, k % 2 ? LB : LA);
            ASSERT_TRUE(first.open());
        }
        RecordFile fa(a, LA), fb(b, LB);
        ASSERT_TRUE(fa.open(RecordFile::Access::Read) && fb.open(RecordFile::Access::Read));
        QByteArray r(LA, '\0');
        ASSERT_TRUE(fa.read(1, r.data()));
        const quint32 now = versionOf(r);
        for (qint64 n = 1; n <= 3; ++n) {
            ASSERT_TRUE(fa.read(n, r.data()));
            EXPECT_EQ(r, record(LA, quint32(n), now)) << "A record " << n << ", kill " << k;
        }
        QByteArray rb(LB, '\0');
        ASSERT_TRUE(fb.read(1, rb.data()));
        EXPECT_EQ(rb, record(LB, 1, now)) << "B's overwrite disagrees with A, kill " << k;
        ASSERT_TRUE(fb.read(fb.count(), rb.data()));
        EXPECT_EQ(versionOf(rb), now) << "B's last append disagrees with A, kill " << k;
        EXPECT_GE(now, reported) << "a reported step is lost, kill " << k;
        stepsSeen += now > version;
        version = std::max(now, reported) + 1000; // the next child's versions are all new
        fa.close();
        fb.close();
        for (const QString& left : QDir(dir.path()).entryList(QDir::Files))
            EXPECT_FALSE(left.endsWith(u".jrn"_qs)) << "kill " << k;
    }
    EXPECT_GT(stepsSeen, 0) << "no step ever completed: the kills proved nothing";
}
