#include "core/record_file.h"

#include "core/file_faults.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <vector>

#include <cerrno>
#include <sys/file.h>
#include <unistd.h>

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

bool syncToDisk(QFileDevice& f) {
    return faults::allow() && f.flush() && ::fsync(f.handle()) == 0;
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
    if (length < 0 || sum != checksum(j.constData(), 16))
        return std::nullopt;
    return length;
}

} // namespace

RecordFile::RecordFile(QString path, int recordLength)
    : path_(std::move(path)), length_(recordLength), file_(path_) {}

RecordFile::~RecordFile() { file_.close(); }

bool RecordFile::open(Access access) {
    if (file_.isOpen())
        return true;
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (info.isSymLink()) // dangling link: do not create through it
            return false;
        // NewOnly: never truncates a file that appeared in the meantime.
        QFile create(path_);
        if (!create.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(path_))
            return false;
        create.close();
    } else if (!info.isFile()) {
        return false;
    }
    const bool write = access == Access::ReadWrite;
    if (!faults::allow())
        return false;
    const auto mode = write ? QIODevice::ReadWrite : QIODevice::ReadOnly;
    if (!file_.open(mode | QIODevice::ExistingOnly))
        return false;
    if (!lock(write)) {
        file_.close();
        return false;
    }
    if (QFileInfo::exists(journalPath(path_))) {
        if (!write) {
            // Recovery needs the exclusive lock and write access: reopen for it.
            file_.close();
            if (!open(Access::ReadWrite))
                return false;
            file_.close();
            return open(Access::Read);
        }
        if (!recoverJournal()) {
            file_.close();
            return false;
        }
    }
    return true;
}

bool RecordFile::lock(bool exclusive) {
    int rc;
    do {
        rc = ::flock(file_.handle(), exclusive ? LOCK_EX : LOCK_SH);
    } while (rc != 0 && errno == EINTR);
    // A file system without locks (some network shares) still works, unlocked.
    return rc == 0 || errno == ENOLCK || errno == EOPNOTSUPP;
}

// Puts back the record image of an overwrite that never finished. A journal that is itself
// incomplete means the overwrite had not started: it is simply removed.
bool RecordFile::recoverJournal() {
    const QString jpath = journalPath(path_);
    QFile journal(jpath);
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    const QByteArray j = journal.readAll();
    journal.close();
    if (const auto oldLength = appendJournalLength(j)) {
        // A batch append that never finished: cut the file back to where it started.
        if (file_.size() > *oldLength && (!file_.resize(*oldLength) || !syncToDisk(file_)))
            return false;
        return QFile::remove(jpath);
    }
    const qint64 header = 8 + 8 + 4;
    bool valid = j.size() >= header + 4 && std::memcmp(j.constData(), kJournalMagic, 8) == 0;
    qint64 offset = 0;
    qint32 length = 0;
    if (valid) {
        std::memcpy(&offset, j.constData() + 8, 8);
        std::memcpy(&length, j.constData() + 16, 4);
        quint32 sum = 0;
        valid = length == length_ && offset >= 0 && j.size() == header + length + 4;
        if (valid) {
            std::memcpy(&sum, j.constData() + header + length, 4);
            valid = sum == checksum(j.constData(), header + length);
        }
    }
    if (valid) {
        if (!file_.seek(offset) || file_.write(j.constData() + header, length) != length ||
            !syncToDisk(file_))
            return false;
    }
    return QFile::remove(jpath);
}

bool RecordFile::close() {
    if (!file_.isOpen())
        return true;
    // Every write is already flushed and synced: closing cannot lose a save.
    const bool ok = file_.flush() && file_.error() == QFileDevice::NoError;
    file_.close();
    return ok;
}

qint64 RecordFile::count() const { return file_.isOpen() ? file_.size() / length_ : 0; }

bool RecordFile::read(qint64 n, char* buffer) {
    if (!file_.isOpen() || n < 1 || n > count() || !faults::allow())
        return false;
    if (!file_.seek((n - 1) * length_))
        return false;
    return file_.read(buffer, length_) == length_;
}

bool RecordFile::writeAt(qint64 offset, const char* buffer) {
    if (!file_.isOpen() || !file_.isWritable() || !faults::allow() || !file_.seek(offset))
        return false;
    return file_.write(buffer, length_) == length_ && file_.flush();
}

bool RecordFile::overwrite(qint64 n, const char* buffer) {
    if (n < 1 || n > count() || !file_.isWritable())
        return false;
    const qint64 offset = (n - 1) * length_;
    std::vector<char> old(length_);
    if (!faults::allow() || !file_.seek(offset) || file_.read(old.data(), length_) != length_)
        return false;
    // The old image is safely on disk before the record is touched.
    QFile journal(journalPath(path_));
    const QByteArray image = journalImage(offset, old.data(), length_);
    if (!faults::allow() || !journal.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        journal.write(image) != image.size() || !syncToDisk(journal)) {
        journal.close();
        QFile::remove(journal.fileName());
        return false;
    }
    journal.close();
    if (!writeAt(offset, buffer) || !syncToDisk(file_)) {
        // Put the old record back now rather than at the next open.
        file_.seek(offset);
        if (file_.write(old.data(), length_) == length_ && syncToDisk(file_))
            QFile::remove(journal.fileName());
        return false;
    }
    // The save counts only once the journal is gone: one left behind rolls the record back
    // at the next open, so a failure here is reported as a failed save.
    return faults::allow() && QFile::remove(journal.fileName());
}

std::optional<qint64> RecordFile::append(const char* buffer) {
    // Under the exclusive lock the count is the true end of the file, whoever wrote last.
    const qint64 n = count() + 1;
    if (!writeAt((n - 1) * length_, buffer) || !syncToDisk(file_)) {
        file_.resize((n - 1) * length_); // leave no partial record behind
        return std::nullopt;
    }
    return n;
}

std::optional<qint64> RecordFile::appendAll(qint64 total,
                                            const std::function<void(qint64, char*)>& fill,
                                            const std::function<void(qint64)>& progress) {
    if (!file_.isOpen() || !file_.isWritable())
        return std::nullopt;
    const qint64 first = count() + 1;
    const qint64 start = (first - 1) * length_;
    if (total <= 0)
        return first;
    // The old length is safely on disk before the first record is written.
    QFile journal(journalPath(path_));
    const QByteArray image = appendJournalImage(start);
    if (!faults::allow() || !journal.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        journal.write(image) != image.size() || !syncToDisk(journal)) {
        journal.close();
        QFile::remove(journal.fileName());
        return std::nullopt;
    }
    journal.close();
    const auto cutBack = [&] {
        // Left in place when this fails too: the next open cuts the file back.
        if (file_.resize(start) && syncToDisk(file_))
            QFile::remove(journal.fileName());
    };

    const qint64 perBlock = std::max<qint64>(1, (4 << 20) / length_);
    std::vector<char> block(static_cast<size_t>(std::min(perBlock, total) * length_));
    bool ok = file_.seek(start);
    for (qint64 done = 0; ok && done < total;) {
        const qint64 n = std::min(perBlock, total - done);
        const qint64 bytes = n * length_;
        std::fill(block.begin(), block.begin() + bytes, 0);
        for (qint64 i = 0; i < n; ++i)
            fill(done + i, block.data() + i * length_);
        ok = faults::allow() && file_.write(block.data(), bytes) == bytes && file_.flush();
        done += n;
        if (ok && progress)
            progress(done);
    }
    if (!ok || !syncToDisk(file_)) {
        cutBack();
        return std::nullopt;
    }
    // As with an overwrite, the records count only once the journal is gone.
    if (!faults::allow() || !QFile::remove(journal.fileName())) {
        cutBack();
        return std::nullopt;
    }
    return first;
}

bool RecordFile::scan(const std::function<bool(qint64, const char*)>& visit) {
    if (!file_.isOpen() || !file_.seek(0))
        return false;
    const qint64 total = count();
    const qint64 perBlock = std::max<qint64>(1, (4 << 20) / length_);
    std::vector<char> block(static_cast<size_t>(perBlock * length_));
    qint64 n = 0;
    while (n < total) {
        const qint64 want = std::min(perBlock, total - n);
        const qint64 bytes = want * length_;
        if (file_.read(block.data(), bytes) != bytes)
            return false;
        for (qint64 i = 0; i < want; ++i)
            if (!visit(n + i + 1, block.data() + i * length_))
                return true;
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
