// Saves cut short by a killed process, and two processes saving into one file at once.
#include "core/file_faults.h"
#include "core/file_lock.h"
#include "core/record_file.h"
#include "files.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <map>
#include <set>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using core::RecordFile;
using testing_support::writeFile;

namespace {

constexpr int L = 2764;

// A record image that can be recognised whole: who wrote it, which version, then a pattern
// derived from both. A torn write mixes two images and fails the check.
std::vector<char> image(quint32 writer, quint32 record, quint32 version) {
    std::vector<char> r(L);
    std::memcpy(r.data(), &writer, 4);
    std::memcpy(r.data() + 4, &record, 4);
    std::memcpy(r.data() + 8, &version, 4);
    quint32 x = writer * 2654435761u ^ record * 40503u ^ version * 9973u;
    for (int i = 12; i < L; ++i) {
        x = x * 1103515245u + 12345u;
        r[i] = char(x >> 24);
    }
    return r;
}

struct Parsed {
    quint32 writer, record, version;
    bool whole;
};

Parsed parse(const char* r) {
    Parsed p{};
    std::memcpy(&p.writer, r, 4);
    std::memcpy(&p.record, r + 4, 4);
    std::memcpy(&p.version, r + 8, 4);
    p.whole = std::memcmp(r, image(p.writer, p.record, p.version).data(), L) == 0;
    return p;
}

// Every file lock refused, as on a share without them, for as long as it lives.
struct NoFileLocks {
    explicit NoFileLocks(bool refuse) { core::faults::refuseLocks(refuse); }
    ~NoFileLocks() { core::faults::refuseLocks(false); }
};

void writeAll(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t w = ::write(fd, p, size);
        if (w <= 0) return;
        p += w;
        size -= size_t(w);
    }
}

} // namespace

TEST(RecordFileCrash, KilledSavesLeaveOldOrNewRecordsAndKeepEveryReportedSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tesserati.pro");
    constexpr quint32 kRecords = 8;
    {
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
        for (quint32 i = 1; i <= kRecords; ++i)
            ASSERT_TRUE(f.append(image(0, i, 0).data()));
        f.close();
    }
    std::map<quint32, quint32> doneVersion; // record -> last version reported saved
    quint32 version = 0;
    quint64 appendsDone = 0;
    const int kills = testing_support::roundsFromEnv("QUORVIX_KILL_ROUNDS", 40);
    for (int k = 0; k < kills; ++k) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const quint32 base = version + 1;
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            quint32 v = base;
            QRandomGenerator rng(base);
            for (;;) {
                RecordFile f(path, L);
                if (!f.open()) ::_exit(2);
                const bool doAppend = rng.bounded(8) == 0;
                const quint32 n = doAppend ? quint32(f.count() + 1) : 1 + rng.bounded(kRecords);
                const auto img = image(0, n, v);
                const bool ok =
                    doAppend ? f.append(img.data()).has_value() : f.overwrite(n, img.data());
                f.close();
                if (ok) {
                    const quint32 msg[3] = {n, v, doAppend ? 1u : 0u};
                    writeAll(fds[1], msg, sizeof msg);
                }
                ++v;
            }
        }
        ::close(fds[1]);
        quint32 msg[3];
        const auto heard = [&] {
            doneVersion[msg[0]] = std::max(doneVersion[msg[0]], msg[1]);
            version = std::max(version, msg[1]);
            appendsDone += msg[2];
        };
        // Every other child is killed only after its first reported save, so the kills also
        // land on a file with fresh saves however slow the machine is; the others at any time.
        if (k % 2 == 1 && ::read(fds[0], msg, sizeof msg) == sizeof msg) heard();
        // A save waits for the disk several times: long enough for a few of them.
        ::usleep(QRandomGenerator::global()->bounded(1000, 80000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        while (::read(fds[0], msg, sizeof msg) == sizeof msg)
            heard();
        ::close(fds[0]);
        version += 100000; // versions of the next child never meet unreported ones

        RecordFile check(path, L);
        ASSERT_TRUE(check.open()); // recovers a journal left behind
        EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
        EXPECT_GE(check.count(), qint64(kRecords + appendsDone));
        std::vector<char> buf(L);
        for (qint64 n = 1; n <= check.count(); ++n) {
            ASSERT_TRUE(check.read(n, buf.data()));
            const Parsed p = parse(buf.data());
            ASSERT_TRUE(p.whole) << "record " << n << " torn after kill " << k;
            EXPECT_EQ(p.record, quint32(n));
            if (doneVersion.count(quint32(n))) {
                EXPECT_GE(p.version, doneVersion[quint32(n)]) << "record " << n << " lost a save";
            }
        }
        check.close();
    }
    EXPECT_FALSE(doneVersion.empty()) << "no save ever completed: the kills proved nothing";
}

TEST(RecordFileCrash, StaleJournalIsRolledBackAndATornJournalIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pro");
    {
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
        f.append(image(0, 1, 1).data());
        f.append(image(0, 2, 1).data());
        ASSERT_TRUE(f.overwrite(2, image(0, 2, 2).data()));
    }
    // Simulate a crash mid-overwrite: keep a journal of version 2, then tear record 2.
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadWrite));
    raw.seek(L);
    const QByteArray good = raw.read(L);
    QByteArray journal("QVJRNL01", 8);
    const qint64 offset = L;
    const qint32 len = L;
    journal.append(reinterpret_cast<const char*>(&offset), 8);
    journal.append(reinterpret_cast<const char*>(&len), 4);
    journal.append(good);
    quint32 h = 2166136261u;
    for (char c : journal)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    journal.append(reinterpret_cast<const char*>(&h), 4);
    writeFile(RecordFile::journalPath(path), journal);
    raw.seek(L + 100);
    raw.write(QByteArray(500, 'X'));
    raw.close();

    std::vector<char> buf(L);
    RecordFile f(path, L);
    ASSERT_TRUE(f.open(RecordFile::Access::Read));
    ASSERT_TRUE(f.read(2, buf.data()));
    EXPECT_TRUE(parse(buf.data()).whole);
    EXPECT_EQ(parse(buf.data()).version, 2u);
    f.close();
    EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));

    // A journal cut short never touches the file.
    writeFile(RecordFile::journalPath(path), journal.left(100));
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.read(2, buf.data()));
    EXPECT_EQ(parse(buf.data()).version, 2u);
    EXPECT_FALSE(QFile::exists(RecordFile::journalPath(path)));
}

// With file locks, and where the file system refuses them (some shares): then a lock file
// beside the archive keeps the two copies apart.
TEST(RecordFileCrash, TwoProcessesSavingAtOnceLoseNothing) {
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "no file locks" : "file locks");
        const NoFileLocks noLocks(refused);
        QTemporaryDir dir;
        const QString path = dir.filePath("Tesserati.pro");
        {
            RecordFile f(path, L);
            ASSERT_TRUE(f.open());
            f.append(image(9, 1, 0).data());
            f.close();
        }
        const int kRounds = testing_support::roundsFromEnv("QUORVIX_SHARE_ROUNDS", 150);
        std::vector<pid_t> children;
        for (quint32 writer = 1; writer <= 2; ++writer) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                QRandomGenerator rng(writer);
                for (int r = 0; r < kRounds; ++r) {
                    RecordFile f(path, L);
                    if (!f.open()) ::_exit(2);
                    if (!f.append(image(writer, quint32(f.count() + 1), quint32(r)).data()))
                        ::_exit(3);
                    const qint64 n = 1 + rng.bounded(quint32(f.count()));
                    std::vector<char> buf(L);
                    f.read(n, buf.data());
                    Parsed p = parse(buf.data());
                    if (!f.overwrite(n, image(p.writer, p.record, p.version).data())) ::_exit(4);
                    f.close();
                }
                ::_exit(0);
            }
            children.push_back(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 0);
        }
        RecordFile f(path, L);
        ASSERT_TRUE(f.open(RecordFile::Access::Read));
        ASSERT_EQ(f.count(), 1 + 2 * kRounds);
        std::set<std::pair<quint32, quint32>> seen;
        std::vector<char> buf(L);
        for (qint64 n = 1; n <= f.count(); ++n) {
            ASSERT_TRUE(f.read(n, buf.data()));
            const Parsed p = parse(buf.data());
            ASSERT_TRUE(p.whole) << n;
            EXPECT_EQ(p.record, quint32(n)) << "an append landed on another's record";
            seen.insert({p.writer, p.version});
        }
        f.close();
        EXPECT_EQ(seen.size(), size_t(1 + 2 * kRounds));
        EXPECT_FALSE(QFile::exists(core::FileLock::lockFileOf(path)));
    }
}

TEST(RecordFileCrash, ALockFileLeftBehindIsTakenOver) {
    const NoFileLocks noLocks(true);
    QByteArray boot = testing_support::fileBytes("/proc/sys/kernel/random/boot_id").trimmed();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray now = QByteArray::number(QDateTime::currentSecsSinceEpoch());
    const struct {
        const char* what;
        QByteArray content;
    } cases[] = {
        {"a process that is gone", host + ' ' + boot + "\n999999999\n" + now + "\n"},
        {"before the machine restarted", host + " another-start\n1\n" + now + "\n"},
        {"another machine, long ago", "elsewhere x\n1\n1000\n"},
        {"left empty by a power cut", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.pro");
        writeFile(core::FileLock::lockFileOf(path), c.content);
        RecordFile f(path, L);
        ASSERT_TRUE(f.open());
        ASSERT_TRUE(f.append(image(0, 1, 1).data()));
        EXPECT_TRUE(QFile::exists(core::FileLock::lockFileOf(path)));
        f.close();
        EXPECT_FALSE(QFile::exists(core::FileLock::lockFileOf(path)));
    }
}
