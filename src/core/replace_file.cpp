#include "core/replace_file.h"

#include "core/file_faults.h"
#include "core/file_system.h"

#include <QIODevice>

namespace core {

namespace {

// The new content, and a second name for the old file kept until the new one is durable.
const QString kSuffix = QStringLiteral(".qvtmp");
const QString kOldSuffix = QStringLiteral(".qvold");

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The process id inside a temporary's name, or -1 when `name` is not one of `fileName`'s.
qint64 ownerOf(const QString& name, const QString& fileName) {
    if (!name.startsWith(fileName + u'.') || !(name.endsWith(kSuffix) || name.endsWith(kOldSuffix)))
        return -1;
    const QString middle =
        name.mid(fileName.size() + 1, name.size() - fileName.size() - 1 - kSuffix.size());
    bool ok = false;
    const qint64 pid = middle.toLongLong(&ok);
    return ok && pid > 0 ? pid : -1;
}

// Writes through to the file in large pieces, so writers that hand over a few bytes at a time
// cost no more than one write per megabyte.
class FileDevice final : public QIODevice {
public:
    explicit FileDevice(File& file) : file_(file) { open(QIODevice::WriteOnly); }

    bool finish() { return failed_ ? false : drain(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failed_) return -1;
        buffer_.append(data, size);
        if (buffer_.size() >= (1 << 20) && !drain()) return -1;
        return size;
    }

private:
    bool drain() {
        if (!buffer_.isEmpty() && !file_.write(written_, buffer_.constData(), buffer_.size()))
            failed_ = true;
        written_ += buffer_.size();
        buffer_.clear();
        return !failed_;
    }

    File& file_;
    QByteArray buffer_;
    qint64 written_ = 0;
    bool failed_ = false;
};

void removeStaleTemporaries(FileSystem& fs, const QString& folder, const QString& fileName) {
    const faults::Undoing tidying;
    for (const QString& name : fs.entries(folder)) {
        const qint64 pid = ownerOf(name, fileName);
        if (pid > 0 && (pid == fs.processId() || !fs.processAlive(pid)))
            fs.remove(joined(folder, name)); // only tidiness: a failure changes nothing
    }
}

} // namespace

bool isTemporaryOf(const QString& name, const QString& fileName) {
    return ownerOf(name, fileName) > 0;
}

bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    FileSystem& fs = fileSystem();
    const QString folder = folderOf(path);
    const QString fileName = fileNameOf(path);
    // A link (even a dangling one) would have the rename put a file where the user put a link
    // to another: refused, like a folder or a device under that name.
    const auto kind = fs.kind(path);
    if (kind != FileSystem::Kind::Missing && kind != FileSystem::Kind::File) return false;
    removeStaleTemporaries(fs, folder, fileName);
    const QString stem = joined(folder, fileName + u'.' + QString::number(fs.processId()));
    const QString temporary = stem + kSuffix;
    auto file = fs.open(temporary, FileSystem::Open::Truncate);
    if (!file) return false;
    bool ok;
    {
        FileDevice out(*file);
        ok = write(out) && out.finish();
    }
    ok = ok && file->sync();
    file.reset();
    // The old file keeps a second name until the new one is durable, so that a failed folder
    // sync can still put it back (not where the file system has no links).
    const QString old = stem + kOldSuffix;
    const bool existed = fs.kind(path) != FileSystem::Kind::Missing;
    const bool kept = ok && existed && fs.link(path, old);
    if (ok && fs.rename(temporary, path)) {
        if (fs.syncFolder(folder)) {
            const faults::Undoing tidying;
            if (kept) fs.remove(old); // left behind, it is removed as stale next time
            return true;
        }
        const faults::Undoing undoing;
        if (kept)
            fs.rename(old, path);
        else if (!existed)
            fs.remove(path); // there was none before
        return false;
    }
    const faults::Undoing undoing;
    fs.remove(temporary);
    if (kept) fs.remove(old);
    return false;
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    return replaceFile(path, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

} // namespace core
