// A real ext4 file system on a loop device, shut down without writing its log the moment the
// program reports a change, then mounted again: what was reported is there. Needs root and
// loop devices; skipped with a message elsewhere.
#include "members/member_archive.h"
#include "members/member_record.h"
#include "shell/password_store.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#ifndef EXT4_IOC_SHUTDOWN
#define EXT4_IOC_SHUTDOWN _IOR('X', 125, __u32)
#endif
#ifndef EXT4_GOING_FLAGS_NOLOGFLUSH
#define EXT4_GOING_FLAGS_NOLOGFLUSH 0x2
#endif

using namespace members;

namespace {

bool run(const QString& program, const QStringList& args, QString* out = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    if (out) *out = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return true;
}

// An ext4 file system in a file, on a loop device, mounted on a temporary folder.
class LoopDisk {
public:
    LoopDisk() {
        if (::geteuid() != 0) {
            why_ = "not root";
            return;
        }
        const QString mkfs =
            QStandardPaths::findExecutable(u"mkfs.ext4"_qs, {u"/usr/sbin"_qs, u"/sbin"_qs});
        const QString losetup =
            QStandardPaths::findExecutable(u"losetup"_qs, {u"/usr/sbin"_qs, u"/sbin"_qs});
        if (mkfs.isEmpty() || losetup.isEmpty()) {
            why_ = "mkfs.ext4 or losetup missing";
            return;
        }
        image_ = QDir(dir_.path()).filePath(u"disk.img"_qs);
        mount_ = QDir(dir_.path()).filePath(u"mnt"_qs);
        QDir().mkpath(mount_);
        if (!run(u"truncate"_qs, {u"-s"_qs, u"32M"_qs, image_}) ||
            !run(mkfs, {u"-q"_qs, u"-F"_qs, image_}) ||
            !run(losetup, {u"-f"_qs, u"--show"_qs, image_}, &device_)) {
            why_ = "no loop device could be set up";
            return;
        }
        losetup_ = losetup;
        if (!mountIt()) why_ = "the loop device could not be mounted";
    }
    ~LoopDisk() {
        if (mounted_) ::umount(qPrintable(mount_));
        if (!device_.isEmpty()) run(losetup_, {u"-d"_qs, device_});
    }
    const char* unavailable() const { return why_; }
    QString folder() const { return mount_; }

    // The power goes: nothing more reaches the disk, not even the file system's own log.
    // Then it is mounted again, which replays what the log holds.
    bool cutAndRemount() {
        const int fd = ::open(qPrintable(mount_), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        __u32 flags = EXT4_GOING_FLAGS_NOLOGFLUSH;
        const bool down = ::ioctl(fd, EXT4_IOC_SHUTDOWN, &flags) == 0;
        ::close(fd);
        mounted_ = ::umount(qPrintable(mount_)) != 0;
        return down && !mounted_ && mountIt();
    }

private:
    bool mountIt() {
        mounted_ = ::mount(qPrintable(device_), qPrintable(mount_), "ext4", 0, nullptr) == 0;
        return mounted_;
    }

    QTemporaryDir dir_;
    QString image_, mount_, device_, losetup_;
    bool mounted_ = false;
    const char* why_ = nullptr;
};

QStringList member(const QString& name) {
    QStringList v(MemberFieldCount);
    v[Tesserato] = name;
    return v;
}

} // namespace

TEST(RealDisk, ReportedChangesOutliveAShutdownWithoutFlushing) {
    const struct {
        const char* what;
        std::function<void(const QString& folder)> before;
        std::function<bool(const QString& folder)> change;
        std::function<void(const QString& folder)> check;
    } cases[] = {
        {"member overwrite",
         [](const QString& f) {
             for (int i = 1; i <= 3; ++i)
                 ASSERT_TRUE(MemberArchive(f).save(0, member(u"Socio %1"_qs.arg(i))));
         },
         [](const QString& f) { return MemberArchive(f).save(2, member(u"Nuovo"_qs)) == 2; },
         [](const QString& f) {
             EXPECT_EQ(MemberArchive(f).count(), 3);
             EXPECT_EQ(MemberArchive(f).read(2)->values[Tesserato], u"Nuovo"_qs);
         }},
        {"password change",
         [](const QString& f) {
             ASSERT_TRUE(shell::writeStoredPassword(QDir(f).filePath(shell::kPasswordStoreFile),
                                                    shell::kInitialPassword));
         },
         [](const QString& f) {
             return shell::writeStoredPassword(QDir(f).filePath(shell::kPasswordStoreFile),
                                               u"NUOVA"_qs);
         },
         [](const QString& f) {
             EXPECT_EQ(shell::readStoredPassword(QDir(f).filePath(shell::kPasswordStoreFile)),
                       u"NUOVA"_qs);
         }},
        {"import",
         [](const QString& f) { ASSERT_TRUE(MemberArchive(f).save(0, member(u"Socio"_qs))); },
         [](const QString& f) {
             std::vector<QStringList> rows;
             for (int i = 1; i <= 500; ++i)
                 rows.push_back(member(u"Importato %1"_qs.arg(i)));
             return MemberArchive(f).archive().appendAll(rows) == 2;
         },
         [](const QString& f) {
             EXPECT_EQ(MemberArchive(f).count(), 501);
             EXPECT_EQ(MemberArchive(f).read(501)->values[Tesserato], u"Importato 500"_qs);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LoopDisk disk;
        if (disk.unavailable()) GTEST_SKIP() << "no real-disk check here: " << disk.unavailable();
        c.before(disk.folder());
        ::sync(); // the starting state is on disk, as after days of use
        ASSERT_TRUE(c.change(disk.folder()));
        ASSERT_TRUE(disk.cutAndRemount());
        c.check(disk.folder());
    }
}
