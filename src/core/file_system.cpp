#include "core/file_system.h"

#include "core/file_faults.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

class RealFile final : public File {
public:
    explicit RealFile(int fd) : fd_(fd) {}
    ~RealFile() override { ::close(fd_); }

    qint64 size() override {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? qint64(st.st_size) : -1;
    }

    qint64 read(qint64 offset, char* data, qint64 size) override {
        if (!faults::allow()) return -1;
        qint64 done = 0;
        while (done < size) {
            const ssize_t got = ::pread(fd_, data + done, size_t(size - done), offset + done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return -1;
            if (got == 0) break;
            done += got;
        }
        return done;
    }

    bool write(qint64 offset, const char* data, qint64 size) override {
        if (!faults::allow()) return false;
        qint64 done = 0;
        while (done < size) {
            const ssize_t put = ::pwrite(fd_, data + done, size_t(size - done), offset + done);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return false;
            done += put;
        }
        return true;
    }

    bool resize(qint64 size) override {
        if (!faults::allow()) return false;
        int rc;
        do {
            rc = ::ftruncate(fd_, size);
        } while (rc != 0 && errno == EINTR);
        return rc == 0;
    }

    bool sync() override { return faults::allow() && ::fdatasync(fd_) == 0; }

    qint64 firstHole() override {
        const qint64 whole = size();
        if (whole <= 0) return whole;
        const off_t hole = ::lseek(fd_, 0, SEEK_HOLE);
        // Without SEEK_HOLE the file system reports no holes, as the fallback says.
        return hole < 0 ? (errno == EINVAL || errno == ENXIO ? whole : -1) : qint64(hole);
    }

    LockResult lock(bool exclusive) override {
        if (faults::locksRefused()) return LockResult::Unsupported;
        int rc;
        do {
            rc = ::flock(fd_, exclusive ? LOCK_EX : LOCK_SH);
        } while (rc != 0 && errno == EINTR);
        if (rc == 0) return LockResult::Locked;
        return errno == ENOLCK || errno == EOPNOTSUPP ? LockResult::Unsupported
                                                      : LockResult::Failed;
    }

private:
    int fd_;
};

class RealFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> open(const QString& path, Open mode) override {
        if (!faults::allow()) return nullptr;
        int flags = O_CLOEXEC;
        switch (mode) {
        case Open::Read:
            flags |= O_RDONLY;
            break;
        case Open::ReadWrite:
            flags |= O_RDWR | O_NOFOLLOW;
            break;
        case Open::CreateNew:
            flags |= O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW;
            break;
        case Open::Truncate:
            flags |= O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW;
            break;
        }
        int fd;
        do {
            fd = ::open(native(path).constData(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) return nullptr;
        return std::make_unique<RealFile>(fd);
    }

    Kind kind(const QString& path) override {
        struct stat st {};
        const QByteArray p = native(path);
        if (::lstat(p.constData(), &st) != 0) return Kind::Missing;
        const bool link = S_ISLNK(st.st_mode);
        if (link && ::stat(p.constData(), &st) != 0) return Kind::DanglingLink;
        if (S_ISDIR(st.st_mode)) return Kind::Folder;
        if (link) return Kind::Link;
        return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    }

    bool remove(const QString& path) override {
        return faults::allow() && ::unlink(native(path).constData()) == 0;
    }

    bool rename(const QString& from, const QString& to) override {
        return faults::allow() && ::rename(native(from).constData(), native(to).constData()) == 0;
    }

    bool link(const QString& existing, const QString& newName) override {
        return faults::allow() &&
               ::link(native(existing).constData(), native(newName).constData()) == 0;
    }

    bool syncFolder(const QString& folder) override {
        if (!faults::allow()) return false;
        const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        // Some file systems (network shares) cannot sync a folder and say so: their names are
        // written through, so there is nothing left to wait for.
        const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
        ::close(fd);
        return ok;
    }

    QStringList entries(const QString& folder) override {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    }

    bool makeFolder(const QString& path) override {
        const QString clean = QDir::cleanPath(QDir(path).absolutePath());
        const Kind k = kind(clean);
        if (k == Kind::Folder) return true;
        if (k != Kind::Missing) return false;
        const QString parent = folderOf(clean);
        if (parent == clean || !makeFolder(parent) || !faults::allow()) return false;
        if (::mkdir(native(clean).constData(), 0777) != 0 && errno != EEXIST) return false;
        return syncFolder(parent);
    }

    bool processAlive(qint64 pid) override {
        return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    }

    qint64 processId() override { return ::getpid(); }
};

RealFileSystem& realFileSystem() {
    static RealFileSystem fs;
    return fs;
}

FileSystem* installed = nullptr;

} // namespace

FileSystem& fileSystem() {
    return installed ? *installed : realFileSystem();
}

UseFileSystem::UseFileSystem(FileSystem& fs) : previous_(installed) {
    installed = &fs;
}

UseFileSystem::~UseFileSystem() {
    installed = previous_;
}

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0) return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

bool readWholeFile(const QString& path, QByteArray& out) {
    const auto file = fileSystem().open(path, FileSystem::Open::Read);
    if (!file) return false;
    const qint64 size = file->size();
    if (size < 0) return false;
    out.resize(size);
    const qint64 got = file->read(0, out.data(), size);
    if (got < 0) return false;
    out.resize(got);
    return true;
}

} // namespace core
