// Backups and restores on the real disk and the simulated one: what goes in, what comes back,
// and a restore that is all old or all restored whatever stops it.
#include "backup_fixture.h"
#include "core/file_faults.h"
#include "core/file_system.h"
#include "core/record_file.h"
#include "files.h"
#include "shell/backup.h"
#include "shell/backup_restore.h"
#include "sim_disk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <sys/wait.h>
#include <unistd.h>

using namespace backup_fixture;
using namespace shell;
using testing_support::fileBytes;
using testing_support::SimDisk;

namespace {

const QDateTime kWhen({2026, 3, 15}, {10, 30});

QString inside(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

Manifest verified(const QString& zipPath) {
    auto checked = verifyBackup(zipPath);
    if (const QString* problem = std::get_if<QString>(&checked)) {
        ADD_FAILURE() << "refused: " << problem->toStdString();
        return {};
    }
    return std::get<Manifest>(checked);
}

QStringList namesOf(const Manifest& m) {
    QStringList out;
    for (const ManifestEntry& e : m.files)
        out << e.name;
    return out;
}

QStringList namesOf(const std::map<QString, QByteArray>& files) {
    QStringList out;
    for (const auto& f : files)
        out << f.first;
    return out;
}

// Files a restore leaves only while it runs.
QStringList leftoversIn(const QString& folder) {
    QStringList out;
    for (const auto& [name, bytes] : treeOf(folder))
        if (name.endsWith(kRestoreSuffix) || name.startsWith(kRestoreJournal)) out << name;
    return out;
}

// A backup of every kind of data with content `v`, written into `target`.
QString backupOf(char v, const QString& target) {
    QTemporaryDir source;
    put(source.path(), everyKind(v));
    const BackupResult b = backupIntoFolder(source.path(), target, kWhen, {}, 0);
    EXPECT_TRUE(b.ok) << b.reason.toStdString();
    return b.path;
}

} // namespace

TEST(Backup, HoldsEveryDataFileAndARestoreIntoAnEmptiedFolderGivesThemByteForByte) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    put(folder, everyKind('a'));
    put(folder, noData());
    const BackupResult b = backupIntoFolder(folder, inside(folder, kBackupFolder), kWhen, {}, 10);
    ASSERT_TRUE(b.ok) << b.reason.toStdString();
    EXPECT_EQ(namesOf(b.manifest), namesOf(everyKind('a'))) << "a data file left out, or no data in";
    EXPECT_EQ(b.path, inside(folder, u"Backup/Quorvix-2026-03-15-1030.zip"_qs));

    for (const auto& [name, bytes] : everyKind('a'))
        ASSERT_TRUE(QFile::remove(inside(folder, name)));
    ASSERT_TRUE(dataOf(folder).empty());
    const RestoreResult r = restoreBackup(folder, b.path, verified(b.path), kWhen.addSecs(60));
    ASSERT_EQ(r.outcome, RestoreResult::Outcome::Done) << r.reason.toStdString();

    EXPECT_EQ(dataOf(folder), everyKind('a'));
    for (const auto& [name, bytes] : noData())
        EXPECT_EQ(fileBytes(inside(folder, name)), bytes) << name.toStdString();
    EXPECT_TRUE(leftoversIn(folder).isEmpty()) << leftoversIn(folder).join(u' ').toStdString();
    // The emptied folder was saved first, noted as such.
    const Manifest safety = verified(r.safetyCopy);
    EXPECT_EQ(safety.note, kRestoreNote);
    EXPECT_TRUE(safety.files.empty());
}

// Entries of several megabytes that do not compress, stored and deflated: their data runs over
// every block boundary the reading and writing go by.
TEST(Backup, FilesOfSeveralMegabytesGoInReadBackAndComeBackByteForByte) {
    QTemporaryDir dir, stick;
    const QString folder = dir.path();
    QRandomGenerator rng(7);
    const auto noise = [&](qint64 size) {
        std::vector<quint32> words(size_t(size / 4 + 1));
        rng.fillRange(words.data(), qsizetype(words.size()));
        return QByteArray(reinterpret_cast<const char*>(words.data()), size);
    };
    const std::map<QString, QByteArray> large = {
        {u"2026.eur"_qs, noise(3414 * 1500)},
        {u"1.jpg"_qs, noise((5 << 20) + 12345)},
        {u"Tesserini.ini"_qs, "[Dati Ente]\r\nRiga1=Circolo\r\n"},
    };
    put(folder, large);
    const BackupResult b = backupIntoFolder(folder, stick.path(), kWhen, {}, 0);
    ASSERT_TRUE(b.ok) << b.reason.toStdString();
    for (const auto& [name, bytes] : large)
        ASSERT_TRUE(QFile::remove(inside(folder, name)));
    const RestoreResult r = restoreBackup(folder, b.path, verified(b.path), kWhen.addSecs(60));
    ASSERT_EQ(r.outcome, RestoreResult::Outcome::Done) << r.reason.toStdString();
    EXPECT_TRUE(dataOf(folder) == large) << "a large file came back different";
}

TEST(Backup, ARestoreReplacesEveryFileRemovesWhatTheBackupLacksAndKeepsTheOldInTheSafetyCopy) {
    QTemporaryDir dir, stick;
    const QString folder = dir.path();
    const QString zip = backupOf('a', stick.path());
    put(folder, everyKind('b'));
    put(folder, {{u"2027.eur"_qs, records(3414, 1, 'n')},
                 {u"Documenti_Allegati/nuovo.pdf"_qs, "%PDF nuovo"},
                 {u"2.jpg"_qs, "\xff\xd8 nuova foto"}});
    const auto before = dataOf(folder);

    const RestoreResult r = restoreBackup(folder, zip, verified(zip), kWhen);
    ASSERT_EQ(r.outcome, RestoreResult::Outcome::Done) << r.reason.toStdString();
    EXPECT_EQ(dataOf(folder), everyKind('a'));
    EXPECT_EQ(verified(r.safetyCopy).files, manifestOf(before).files);
}

TEST(Backup, ABackupWithoutThePasswordStoreNeverRemovesIt) {
    QTemporaryDir dir, stick;
    auto files = everyKind('a');
    files.erase(u"unins000.dll"_qs);
    QTemporaryDir source;
    put(source.path(), files);
    const BackupResult b = writeBackup(source.path(), inside(stick.path(), u"c.zip"_qs), kWhen, {});
    ASSERT_TRUE(b.ok);
    put(dir.path(), everyKind('b'));
    ASSERT_EQ(restoreBackup(dir.path(), b.path, verified(b.path), kWhen).outcome,
              RestoreResult::Outcome::Done);
    EXPECT_EQ(fileBytes(inside(dir.path(), u"unins000.dll"_qs)), everyKind('b')[u"unins000.dll"_qs]);
}

namespace {

constexpr int L = 2764;

QByteArray image(quint32 record, quint32 version) {
    return testing_support::recordImage(record, version, L);
}

bool whole(const char* r) {
    return testing_support::isWholeImage(r, L);
}

} // namespace

TEST(Backup, TakenWhileAnotherProcessKeepsSavingHoldsWholeRecordsOnly) {
    QTemporaryDir dir, out;
    const QString archive = inside(dir.path(), u"Tesserati.pro"_qs);
    {
        core::RecordFile f(archive, L);
        ASSERT_TRUE(f.open());
        for (quint32 n = 1; n <= 40; ++n)
            ASSERT_TRUE(f.append(image(n, 0).constData()));
    }
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        QRandomGenerator rng(7);
        for (quint32 v = 1;; ++v) {
            core::RecordFile f(archive, L);
            if (!f.open()) ::_exit(2);
            const bool append = rng.bounded(4) == 0;
            const quint32 n = append ? quint32(f.count() + 1) : 1 + rng.bounded(quint32(f.count()));
            const QByteArray r = image(n, v);
            append ? void(f.append(r.constData())) : void(f.overwrite(n, r.constData()));
        }
    }
    QSet<qsizetype> sizes;
    for (int i = 0; i < 8; ++i) {
        const QString zip = inside(out.path(), QString::number(i) + u".zip"_qs);
        const BackupResult b = writeBackup(dir.path(), zip, kWhen, {});
        ASSERT_TRUE(b.ok) << b.reason.toStdString();
        const QByteArray held = entryOf(zip, u"Tesserati.pro"_qs);
        ASSERT_EQ(held.size() % L, 0);
        sizes << held.size();
        for (qsizetype at = 0; at < held.size(); at += L)
            ASSERT_TRUE(whole(held.constData() + at)) << "record " << at / L + 1 << " torn";
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_GT(sizes.size(), 1) << "the other process never saved while the backups were taken";
}

TEST(Backup, RotationKeepsTheNewestAndDueFollowsTheDatesInTheNames) {
    QTemporaryDir dir;
    const QString folder = inside(dir.path(), kBackupFolder);
    // Thirteen backups over eleven days, two of them in one minute, and other files.
    QStringList names;
    for (int day = 1; day <= 11; ++day)
        names << u"Quorvix-2026-03-%1-0900.zip"_qs.arg(day, 2, 10, QLatin1Char('0'));
    names << u"Quorvix-2026-03-11-0900-2.zip"_qs << u"Quorvix-2026-02-28-2359.zip"_qs;
    for (const QString& n : names)
        testing_support::writeFile(inside(folder, n), "zip");
    testing_support::writeFile(inside(folder, u"note.txt"_qs), "mie note");
    testing_support::writeFile(inside(folder, u"Quorvix-2026-03-12-0900.zip.999999.qvtmp"_qs), "x");

    ASSERT_TRUE(rotateBackups(folder, 10));
    QStringList kept = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(kept, (QStringList{u"Quorvix-2026-03-03-0900.zip"_qs, u"Quorvix-2026-03-04-0900.zip"_qs,
                                 u"Quorvix-2026-03-05-0900.zip"_qs, u"Quorvix-2026-03-06-0900.zip"_qs,
                                 u"Quorvix-2026-03-07-0900.zip"_qs, u"Quorvix-2026-03-08-0900.zip"_qs,
                                 u"Quorvix-2026-03-09-0900.zip"_qs, u"Quorvix-2026-03-10-0900.zip"_qs,
                                 u"Quorvix-2026-03-11-0900-2.zip"_qs,
                                 u"Quorvix-2026-03-11-0900.zip"_qs, u"note.txt"_qs}));
    EXPECT_EQ(backupsIn(folder).first(), inside(folder, u"Quorvix-2026-03-11-0900-2.zip"_qs));
    EXPECT_EQ(backupFileName(folder, QDateTime({2026, 3, 11}, {9, 0})),
              u"Quorvix-2026-03-11-0900-3.zip"_qs);

    const struct {
        int days;
        QDate today;
        bool due;
    } cases[] = {
        {1, {2026, 3, 11}, false}, {1, {2026, 3, 12}, true}, {3, {2026, 3, 13}, false},
        {3, {2026, 3, 14}, true},  {1, {2026, 3, 10}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(backupDue(dir.path(), c.days, c.today), c.due)
            << c.days << " days, " << c.today.toString().toStdString();
    QTemporaryDir none;
    EXPECT_TRUE(backupDue(none.path(), 1, {2026, 3, 11}));
}

namespace {

const QString kSimFolder = u"/disk"_qs, kSimZip = u"/stick/copia.zip"_qs;

// A simulated disk holding the program folder with `data` and, on a stick, the zip.
SimDisk simulated(const std::map<QString, QByteArray>& data, const QByteArray& zip) {
    SimDisk d;
    d.addFolder(kSimFolder);
    d.addFolder(u"/stick"_qs);
    d.addFolder(kSimFolder + u"/Documenti_Allegati"_qs);
    d.put(kSimZip, zip);
    for (const auto& [name, bytes] : data)
        d.put(kSimFolder + u'/' + name, bytes);
    return d;
}

// The data files on the disk installed now.
std::map<QString, QByteArray> simulatedData(SimDisk& disk) {
    std::map<QString, QByteArray> out;
    for (const QString& name : dataFiles(kSimFolder))
        out[name] = *disk.contents(kSimFolder + u'/' + name);
    return out;
}

QStringList simulatedLeftovers(SimDisk& disk) {
    QStringList out;
    for (const auto& [path, bytes] : disk.allFiles())
        if (path.endsWith(kRestoreSuffix) || path.contains(kRestoreJournal)) out << path;
    return out;
}

// What the restores below start from and end with.
struct OldAndNew {
    std::map<QString, QByteArray> old = [] {
        auto o = everyKind('o');
        o[u"2027.eur"_qs] = records(3414, 2, 'x'); // removed by the restore
        o.erase(u"Logo.jpg"_qs);                   // added by it
        return o;
    }();
    std::map<QString, QByteArray> restored = everyKind('n');
    QByteArray zip = [] {
        QTemporaryDir stick;
        return fileBytes(backupOf('n', stick.path()));
    }();
};

} // namespace

TEST(Restore, AFaultAtEveryStepLeavesAllOldOrAllRestored) {
    const OldAndNew state;
    Manifest m;
    {
        SimDisk disk = simulated(state.old, state.zip);
        const core::UseFileSystem use(disk);
        m = verified(kSimZip);
    }
    int seen[5] = {};
    using Outcome = RestoreResult::Outcome;
    for (const bool persistent : {false, true}) {
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << "fault at step " << step
                                            << (persistent ? " and after" : " once"));
            SimDisk disk = simulated(state.old, state.zip);
            const core::UseFileSystem use(disk);
            core::faults::arm(step, persistent);
            const RestoreResult r = restoreBackup(kSimFolder, kSimZip, m, kWhen);
            const int steps = core::faults::steps();
            core::faults::disarm();
            ++seen[int(r.outcome)];
            if (r.outcome == Outcome::Done) {
                EXPECT_EQ(simulatedData(disk), state.restored);
            } else if (r.outcome != Outcome::Pending) {
                EXPECT_EQ(simulatedData(disk), state.old);
                EXPECT_TRUE(simulatedLeftovers(disk).isEmpty()) << "left for the next start";
            }
            if (r.outcome == Outcome::Failed || r.outcome == Outcome::NotSaved) {
                EXPECT_FALSE(r.reason.isEmpty()) << "a failure the message cannot explain";
            }
            // The next start.
            EXPECT_NE(finishRestore(kSimFolder), FinishOutcome::Failed);
            EXPECT_EQ(simulatedData(disk), r.outcome == Outcome::Pending || r.outcome == Outcome::Done
                                                ? state.restored
                                                : state.old);
            EXPECT_TRUE(simulatedLeftovers(disk).isEmpty())
                << simulatedLeftovers(disk).join(u' ').toStdString();
            if (steps < step) break; // ran to the end without meeting the fault
            ASSERT_LT(step, 100000) << "a restore that never ends";
        }
    }
    // Every way out was met: refused locks, no safety copy, failed writes, past the journal.
    for (const Outcome outcome :
         {Outcome::Done, Outcome::Busy, Outcome::NotSaved, Outcome::Failed, Outcome::Pending})
        EXPECT_GT(seen[int(outcome)], 0) << int(outcome);
}

TEST(Restore, AKillAnywhereLeavesAllOldOrAllRestoredAfterTheNextStart) {
    QTemporaryDir stick;
    auto big = everyKind('n');
    big[u"Tesserati.pro"_qs] = records(2764, 800, 'n');
    big[u"2026.eur"_qs] = records(3414, 800, 'm');
    QTemporaryDir source;
    put(source.path(), big);
    const BackupResult b = writeBackup(source.path(), inside(stick.path(), u"c.zip"_qs), kWhen, {});
    ASSERT_TRUE(b.ok);
    const Manifest m = verified(b.path);
    const auto old = everyKind('o');
    // How long one restore takes here, so that the kills spread over all of it.
    QElapsedTimer timer;
    {
        QTemporaryDir scratch;
        put(scratch.path(), old);
        timer.start();
        ASSERT_EQ(restoreBackup(scratch.path(), b.path, m, kWhen).outcome,
                  RestoreResult::Outcome::Done);
    }
    const qint64 takesUs = timer.nsecsElapsed() / 1000;
    int asOld = 0, asNew = 0;
    constexpr int kRounds = 16;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        put(dir.path(), old);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            restoreBackup(dir.path(), b.path, m, kWhen);
            ::_exit(0);
        }
        // Spread from early on to the end, where the journal and the renames are.
        ::usleep(useconds_t(takesUs * (round + 4) / (kRounds + 4)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const FinishOutcome f = finishRestore(dir.path());
        EXPECT_NE(f, FinishOutcome::Failed);
        const auto now = dataOf(dir.path());
        EXPECT_TRUE(now == old || now == big) << "a mixed folder after a kill";
        (now == old ? asOld : asNew) += 1;
        EXPECT_TRUE(leftoversIn(dir.path()).isEmpty());
    }
    RecordProperty("killed_before_the_journal", asOld);
    RecordProperty("killed_after_it", asNew);
}

TEST(Restore, AZipChangedAfterItsCheckIsCaughtWhileWritingAndChangesNothing) {
    QTemporaryDir dir, stick;
    const QString zip = backupOf('n', stick.path());
    const Manifest m = verified(zip);
    // Another backup put in its place: same names, other content.
    QTemporaryDir other;
    put(other.path(), everyKind('z'));
    ASSERT_TRUE(writeBackup(other.path(), zip, kWhen, {}).ok);
    put(dir.path(), everyKind('o'));
    const RestoreResult r = restoreBackup(dir.path(), zip, m, kWhen);
    EXPECT_EQ(r.outcome, RestoreResult::Outcome::Failed);
    EXPECT_TRUE(r.reason.contains(u"è cambiato dopo il controllo"_qs)) << r.reason.toStdString();
    EXPECT_EQ(dataOf(dir.path()), everyKind('o'));
    EXPECT_TRUE(leftoversIn(dir.path()).isEmpty());
}

TEST(Restore, APowerCutAfterAnyOperationLeavesAllOldOrAllRestored) {
    const OldAndNew state;
    SimDisk live = simulated(state.old, state.zip);
    {
        const core::UseFileSystem use(live);
        const Manifest m = verified(kSimZip);
        live.record();
        ASSERT_EQ(restoreBackup(kSimFolder, kSimZip, m, kWhen).outcome, RestoreResult::Outcome::Done);
        EXPECT_EQ(simulatedData(live), state.restored);
    }
    int asOld = 0, asNew = 0;
    for (int op = 0; op <= live.operations(); ++op) {
        int variant = 0;
        for (SimDisk& disk : SimDisk::crashes(live.stateAfter(op), 12, unsigned(op))) {
            SCOPED_TRACE(testing::Message() << "cut after operation " << op << ", state " << variant++);
            const core::UseFileSystem use(disk);
            EXPECT_NE(finishRestore(kSimFolder), FinishOutcome::Failed);
            const auto now = simulatedData(disk);
            ASSERT_TRUE(now == state.old || now == state.restored) << "a mixed folder after a cut";
            (now == state.old ? asOld : asNew) += 1;
            EXPECT_TRUE(simulatedLeftovers(disk).isEmpty())
                << simulatedLeftovers(disk).join(u' ').toStdString();
            const auto afterFirst = disk.allFiles();
            EXPECT_EQ(finishRestore(kSimFolder), FinishOutcome::Nothing);
            EXPECT_EQ(disk.allFiles(), afterFirst) << "a second start changed the disk";
        }
    }
    EXPECT_GT(asOld, 0);
    EXPECT_GT(asNew, 0);
}
