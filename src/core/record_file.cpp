#include "core/record_file.h"

#include "core/file_faults.h"
#include "core/large_buffer.h"
#include "core/multi_file_commit.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace core {

namespace {

constexpr char kJournalMagic[8] = {'Q', 'V', 'J', 'R', 'N', 'L', '0', '1'};
constexpr char kAppendMagic[8] = {'Q', 'V', 'J', 'R', 'N', 'A', '0', '1'};

quint32 checksum(const char* data, qint64 size) {
    quint32 h = 2166136261u; // FNV-1a
    for (qint64 i = 0; i < size; ++i)
        h = (h ^ static_cast<unsigned char>(data[i])) * 16777619u;
    return h;
}

// magic, offset (8 bytes), length (4), the old bytes, checksum of all before it (4).
QByteArray journalImage(qint64 offset, const char* old, int length) {
    QByteArray j(kJournalMagic, 8);
    j.append(reinterpret_cast<const char*>(&offset), 8);
    j.append(reinterpret_cast<const char*>(&length), 4);
    j.append(old, length);
    const quint32 sum = checksum(j.constData(), j.size());
    j.append(reinterpret_cast<const char*>(&sum), 4);
    return j;
}

// magic, the file's length before a batch append (8), checksum of both (4).
QByteArray appendJournalImage(qint64 oldLength) {
    QByteArray j(kAppendMagic, 8);
    j.append(reinterpret_cast<const char*>(&oldLength), 8);
    const quint32 sum = checksum(j.constData(), j.size());
    j.append(reinterpret_cast<const char*>(&sum), 4);
    return j;
}

std::optional<qint64> appendJournalLength(const QByteArray& j) {
    if (j.size() != 8 + 8 + 4 || std::memcmp(j.constData(), kAppendMagic, 8) != 0)
        return std::nullopt;
    qint64 length = 0;
    quint32 sum = 0;
    std::memcpy(&length, j.constData() + 8, 8);
    std::memcpy(&sum, j.constData() + 16, 4);
    if (length < 0 || sum != checksum(j.constData(), 16)) return std::nullopt;
    return length;
}

// Whether a journal whose checksum holds describes a write to this file as it is: an overwrite
// of one whole record inside it, or a batch that started at a record boundary within it. One
// written for another copy of the file would grow it or tear two records.
bool overwriteFits(qint64 offset, qint64 length, int recordLength, qint64 size) {
    return length == recordLength && offset >= 0 && offset % recordLength == 0 &&
           offset <= size - length;
}

bool appendFits(qint64 oldLength, int recordLength, qint64 size) {
    return oldLength % recordLength == 0 && oldLength <= size;
}

std::function<void(const QString&)>& journalNotice() {
    static std::function<void(const QString&)> notice;
    return notice;
}

} // namespace

void setJournalNotice(std::function<void(const QString& path)> notice) {
    journalNotice() = std::move(notice);
}

QString journalSetAsideMessage(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    return QStringLiteral("Attenzione: le modifiche in sospeso dell'archivio %1 non corrispondono "
                          "al file e non sono state applicate.\n\r\n\r"
                          "L'archivio non è stato modificato; le modifiche sono state messe da "
                          "parte nel file %2.")
        .arg(name, name + QStringLiteral(".jrn.scartato"));
}

quint32 journalChecksum(const char* data, qint64 size) {
    return checksum(data, size);
}

RecordFile::RecordFile(QString path, int recordLength)
    : path_(std::move(path)), length_(recordLength) {}

RecordFile::~RecordFile() {
    close();
}

bool RecordFile::open(Access access) {
    if (file_) return true;
    FileSystem& fs = fileSystem();
    const auto kind = fs.kind(path_);
    if (kind == FileSystem::Kind::Missing) {
        // CreateNew never truncates a file that appeared in the meantime. The new name is
        // synced in its folder: an archive the program went on to use must not vanish.
        if (fs.open(path_, FileSystem::Open::CreateNew)) {
            if (!fs.syncFolder(folderOf(path_))) return false;
        } else if (fs.kind(path_) != FileSystem::Kind::File) {
            return false;
        }
    } else if (kind != FileSystem::Kind::File) {
        return false; // a folder, a device or a dangling link: never create through it
    }
    const bool write = access == Access::ReadWrite;
    file_ = fs.open(path_, write ? FileSystem::Open::ReadWrite : FileSystem::Open::Read);
    if (!file_) return false;
    writable_ = write;
    if (!lock(write)) {
        close();
        return false;
    }
    if (fs.kind(journalPath(path_)) != FileSystem::Kind::Missing) {
        if (!write) {
            // Recovery needs the exclusive lock and write access: reopen for it.
            close();
            if (!open(Access::ReadWrite)) return false;
            close();
            return open(Access::Read);
        }
        if (!recoverJournal()) {
            close();
            return false;
        }
    }
    // A hole means a size no archive of ours ever had (the program writes every byte): a
    // damaged or sparse file that would have windows count and scan millions of empty records.
    // Checked after recovery, which may cut back a batch cut short.
    const qint64 size = file_->size();
    if (size < 0 || (size > 0 && file_->firstHole() != size)) {
        close();
        return false;
    }
    return true;
}

bool RecordFile::lock(bool exclusive) {
    switch (lock_.acquire(*file_, FileLock::lockFileOf(path_), exclusive)) {
    case FileLock::Result::Locked:
        return true;
    case FileLock::Result::Busy:
        return false;
    // No lock of any kind can be had here: reading goes on, writing is refused (the caller
    // shows the access message).
    case FileLock::Result::Unavailable:
        return !exclusive;
    }
    return false;
}

bool RecordFile::writeJournal(const QByteArray& image) {
    FileSystem& fs = fileSystem();
    const QString jpath = journalPath(path_);
    journal_ = fs.open(jpath, FileSystem::Open::Truncate);
    // The journal and its name are on disk before the file is touched: a power cut in the
    // middle of the write finds it.
    if (journal_ && journal_->write(0, image.constData(), image.size()) && journal_->sync() &&
        fs.syncFolder(folderOf(path_))) {
        journalImage_ = image;
        return true;
    }
    journal_.reset();
    fs.remove(jpath);
    return false;
}

// The commit of every write. A journal left with content (this failed) rolls the write back at
// the next open, so the caller reports the save as failed.
bool RecordFile::clearJournal() {
    FileSystem& fs = fileSystem();
    const QString jpath = journalPath(path_);
    if (!journal_) journal_ = fs.open(jpath, FileSystem::Open::ReadWrite);
    bool ok = journal_ && journal_->resize(0);
    if (ok && !journal_->sync()) {
        // Cut but not durable: put the content back, so that the failure the caller reports
        // is the outcome the next open sees.
        const faults::Undoing undoing;
        if (!journalImage_.isEmpty() &&
            journal_->write(0, journalImage_.constData(), journalImage_.size()))
            journal_->sync();
        ok = false;
    }
    journal_.reset();
    journalImage_.clear();
    if (ok) fs.remove(jpath); // an empty journal that outlives this means nothing
    return ok;
}

// Puts back the record image of an overwrite that never finished, or cuts a batch append back
// to where it started. A journal that is itself incomplete means the write had not started.
// The repair is synced and the journal cleared before the file is read.
bool RecordFile::recoverJournal() {
    // A link is never read nor written through: whatever it names is not this file's journal.
    if (fileSystem().kind(journalPath(path_)) != FileSystem::Kind::File) return setAsideJournal();
    QByteArray j;
    if (!readWholeFile(journalPath(path_), j)) return false;
    // A part of a step over several files: settled by its group.
    if (const auto settled = detail::settleGroupJournal(*file_, path_, j))
        return *settled && clearJournal();
    const qint64 size = file_->size();
    if (size < 0) return false;
    if (const auto oldLength = appendJournalLength(j)) {
        if (!appendFits(*oldLength, length_, size)) return setAsideJournal();
        if (size > *oldLength && (!file_->resize(*oldLength) || !file_->sync())) return false;
        return clearJournal();
    }
    const qint64 header = 8 + 8 + 4;
    bool valid = j.size() >= header + 4 && std::memcmp(j.constData(), kJournalMagic, 8) == 0;
    qint64 offset = 0;
    qint32 length = 0;
    if (valid) {
        std::memcpy(&offset, j.constData() + 8, 8);
        std::memcpy(&length, j.constData() + 16, 4);
        quint32 sum = 0;
        valid = length >= 0 && j.size() == header + length + 4;
        if (valid) {
            std::memcpy(&sum, j.constData() + header + length, 4);
            valid = sum == checksum(j.constData(), header + length);
        }
    }
    if (valid && !overwriteFits(offset, length, length_, size)) return setAsideJournal();
    if (valid && (!file_->write(offset, j.constData() + header, length) || !file_->sync()))
        return false;
    return clearJournal();
}

bool RecordFile::setAsideJournal() {
    FileSystem& fs = fileSystem();
    if (!fs.rename(journalPath(path_), setAsidePath(path_)) || !fs.syncFolder(folderOf(path_)))
        return false;
    if (journalNotice()) journalNotice()(path_);
    return true;
}

bool RecordFile::close() {
    journal_.reset();
    // Every write is already synced: closing cannot lose a save.
    file_.reset();
    lock_.release();
    return true;
}

qint64 RecordFile::count() const {
    if (!file_) return 0;
    const qint64 size = file_->size();
    return size > 0 ? size / length_ : 0;
}

bool RecordFile::read(qint64 n, char* buffer) {
    if (!file_ || n < 1 || n > count()) return false;
    return file_->read((n - 1) * length_, buffer, length_) == length_;
}

bool RecordFile::overwrite(qint64 n, const char* buffer) {
    if (!file_ || !writable_ || n < 1 || n > count()) return false;
    const qint64 offset = (n - 1) * length_;
    std::vector<char> old(length_);
    if (file_->read(offset, old.data(), length_) != length_) return false;
    if (!writeJournal(journalImage(offset, old.data(), length_))) return false;
    if (!file_->write(offset, buffer, length_) || !file_->sync()) {
        // Put the old record back now rather than at the next open.
        if (file_->write(offset, old.data(), length_) && file_->sync()) clearJournal();
        journal_.reset();
        return false;
    }
    return clearJournal();
}

std::optional<qint64> RecordFile::append(const char* buffer) {
    // Journalled like a batch: a power cut never leaves a torn or zeroed record counted.
    return appendAll(1, [&](qint64, char* record) { std::memcpy(record, buffer, length_); });
}

std::optional<qint64> RecordFile::appendAll(qint64 total,
                                            const std::function<void(qint64, char*)>& fill,
                                            const std::function<void(qint64)>& progress) {
    if (!file_ || !writable_) return std::nullopt;
    // Under the exclusive lock the count is the true end of the file, whoever wrote last.
    const qint64 first = count() + 1;
    const qint64 start = (first - 1) * length_;
    if (total <= 0) return first;
    if (!writeJournal(appendJournalImage(start))) return std::nullopt;

    const qint64 perBlock = std::max<qint64>(1, (4 << 20) / length_);
    LargeVector<char> block(static_cast<size_t>(std::min(perBlock, total) * length_));
    bool ok = true;
    for (qint64 done = 0; ok && done < total;) {
        const qint64 n = std::min(perBlock, total - done);
        const qint64 bytes = n * length_;
        std::fill(block.begin(), block.begin() + bytes, 0);
        for (qint64 i = 0; i < n; ++i)
            fill(done + i, block.data() + i * length_);
        ok = file_->write(start + done * length_, block.data(), bytes);
        done += n;
        if (ok && progress) progress(done);
    }
    if (ok && file_->sync() && clearJournal()) return first;
    // Cut back now, and only a file seen back at its old length counts as cut; otherwise the
    // journal stays and the next open cuts back.
    if (file_->resize(start) && file_->sync() && file_->size() == start) clearJournal();
    journal_.reset();
    return std::nullopt;
}

bool RecordFile::scan(const std::function<bool(qint64, const char*)>& visit) {
    if (!file_) return false;
    const qint64 total = count();
    // Blocks small enough to stay in the processor's cache while the visitor reads them, and
    // one buffer left as it comes (each block is read over it whole).
    const qint64 perBlock = std::max<qint64>(1, (256 << 10) / length_);
    const auto block = std::make_unique_for_overwrite<char[]>(
        static_cast<size_t>(std::min(perBlock, std::max<qint64>(total, 1)) * length_));
    qint64 n = 0;
    while (n < total) {
        const qint64 want = std::min(perBlock, total - n);
        const qint64 bytes = want * length_;
        if (file_->read(n * length_, block.get(), bytes) != bytes) return false;
        for (qint64 i = 0; i < want; ++i)
            if (!visit(n + i + 1, block.get() + i * length_)) return true;
        n += want;
    }
    return true;
}

QString archiveAccessMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

} // namespace core
