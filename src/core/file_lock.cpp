#include "core/file_lock.h"

#include "core/file_faults.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#include <optional>

namespace core {

namespace {

constexpr int kWaitMs = 10000;
constexpr qint64 kForeignStaleSecs = 600;

// This machine and its current start: a lock file from before a restart is stale.
QByteArray machine() {
    static const QByteArray id = [] {
        QByteArray boot;
        QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        if (f.open(QIODevice::ReadOnly)) boot = f.readAll().trimmed();
        return QSysInfo::machineHostName().toUtf8() + ' ' + boot;
    }();
    return id;
}

// "<machine> <start>\n<pid>\n<seconds since 1970>\n"
QByteArray ownerLine(FileSystem& fs) {
    return machine() + '\n' + QByteArray::number(fs.processId()) + '\n' +
           QByteArray::number(QDateTime::currentSecsSinceEpoch()) + '\n';
}

// Whether the lock file's owner is gone; nullopt when it does not say who it is (being written
// this instant, or left empty by a power cut).
std::optional<bool> isStale(FileSystem& fs, const QByteArray& content) {
    const QList<QByteArray> parts = content.split('\n');
    if (parts.size() < 4) return std::nullopt;
    bool ok = false;
    const qint64 pid = parts[1].toLongLong(&ok);
    const qint64 since = parts[2].toLongLong();
    const QByteArray host = parts[0].left(parts[0].lastIndexOf(' '));
    const QByteArray ownHost = machine().left(machine().lastIndexOf(' '));
    if (host != ownHost) return QDateTime::currentSecsSinceEpoch() - since > kForeignStaleSecs;
    // Our own process holds a lock only inside a FileLock; one found here was left behind.
    return parts[0] != machine() || !ok || pid == fs.processId() || !fs.processAlive(pid);
}

std::optional<QByteArray> contentOf(const QString& path) {
    QByteArray bytes;
    if (!readWholeFile(path, bytes)) return std::nullopt;
    return bytes;
}

} // namespace

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    const faults::Undoing tidying;
    if (!lockFile_.isEmpty()) fileSystem().remove(lockFile_);
    lockFile_.clear();
}

FileLock::Result FileLock::acquire(File& target, const QString& lockPath, bool exclusive) {
    switch (target.lock(exclusive)) {
    case LockResult::Locked:
        return Result::Locked;
    case LockResult::Failed:
        return Result::Busy;
    case LockResult::Unsupported:
        break;
    }
    FileSystem& fs = fileSystem();
    const QByteArray mine = ownerLine(fs);
    std::optional<QByteArray> unsigned_; // a lock file seen without its owner
    int unsignedSince = 0;
    int refusedInARow = 0;
    for (int waited = 0; waited < kWaitMs;) {
        if (auto f = fs.open(lockPath, FileSystem::Open::CreateNew)) {
            if (!f->write(0, mine.constData(), mine.size())) {
                f.reset();
                fs.remove(lockPath);
                return Result::Busy;
            }
            lockFile_ = lockPath;
            return Result::Locked;
        }
        if (fs.kind(lockPath) == FileSystem::Kind::Missing) {
            // Not made, yet not there: the folder takes no new files, or its holder let it go
            // between the two looks. Only a folder that keeps refusing is one without locks.
            if (++refusedInARow < 5) continue;
            return Result::Unavailable;
        }
        refusedInARow = 0;
        const auto held = contentOf(lockPath);
        std::optional<bool> stale = held ? isStale(fs, *held) : std::optional<bool>(false);
        if (stale) {
            // Signed or gone: an unsigned file seen later is a new one, to be timed afresh. Left
            // running, the clock took a live copy's lock file, in the instant before it signs
            // it, for one left by a power cut.
            unsigned_.reset();
        } else {
            // Its owner writes who it is right after making it: one that stays unsigned for a
            // second was left so by a power cut.
            if (held != unsigned_) {
                unsigned_ = held;
                unsignedSince = waited;
            }
            stale = waited - unsignedSince >= 1000;
        }
        if (*stale) {
            // Taken aside under a name of our own first, so that of two copies taking over
            // at once only one removes it; one that turns out live is put back.
            const QString aside = lockPath + u'.' + QString::number(fs.processId());
            if (fs.rename(lockPath, aside)) {
                const auto moved = contentOf(aside);
                if (moved == held || (moved && isStale(fs, *moved).value_or(false)))
                    fs.remove(aside);
                else
                    fs.rename(aside, lockPath);
            }
            continue;
        }
        const int pause = waited < 200 ? 5 : 50;
        QThread::msleep(pause);
        waited += pause;
    }
    return Result::Busy;
}

} // namespace core
