#pragma once

#include "core/file_lock.h"
#include "core/file_system.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace core {

// A file of fixed-length records, numbered from 1, opened and closed within one user action.
// Every operation returns false (or nullopt) on failure; the caller shows the access message.
//
// While open, the file holds a lock (core::FileLock: shared for reading, exclusive for writing),
// so two copies of the program on a shared folder never interleave their saves. Every write is
// all-or-nothing, against a killed process and a power cut alike: the old record (or, for an
// append, the old length) goes to a journal beside the file, synced with its folder entry,
// before the file is touched; the file is synced; then the journal is cut to nothing and synced,
// which is the commit (an empty journal means nothing, so it holds whether or not its removal
// outlives a power cut). The next open that finds a journal with content puts the old record
// or length back, durably, before it reads anything. Everything goes through fileSystem().
class RecordFile {
public:
    enum class Access { Read, ReadWrite };

    RecordFile(QString path, int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens the file; only a file that does not exist is created (empty). An existing file
    // that fails to open is an error and is never truncated.
    bool open(Access access = Access::ReadWrite);
    bool close();
    bool isOpen() const { return file_ != nullptr; }

    // Whole records only: an incomplete tail is ignored (and overwritten by the next append).
    qint64 count() const;
    bool read(qint64 n, char* buffer);
    bool overwrite(qint64 n, const char* buffer);
    std::optional<qint64> append(const char* buffer);
    // Appends `total` records as one step: `fill(i, record)` builds record i (from 0) into a
    // zeroed buffer. Either every record is in the file or none is: a journal holding the old
    // length is on disk first, so a failure part-way (or a process killed part-way) cuts the
    // file back to its old whole records. `progress(done)` hears after each block written.
    // Returns the number of the first new record.
    std::optional<qint64> appendAll(qint64 total,
                                    const std::function<void(qint64 i, char* record)>& fill,
                                    const std::function<void(qint64 done)>& progress = {});

    // Reads every record in large blocks; the callback gets the 1-based number and the bytes,
    // and returns false to stop. Returns false on a read failure.
    bool scan(const std::function<bool(qint64 n, const char* record)>& visit);

    int recordLength() const { return length_; }
    const QString& path() const { return path_; }

    static QString journalPath(const QString& path) { return path + QStringLiteral(".jrn"); }
    // Where a journal that does not fit its file is set aside, never applied.
    static QString setAsidePath(const QString& path) {
        return journalPath(path) + QStringLiteral(".scartato");
    }

private:
    friend class MultiFileCommit; // writes several files as one step, under their locks
    bool lock(bool exclusive);
    bool recoverJournal();
    // A journal that does not fit the file (written for another copy of it, e.g. one restored
    // from a backup) is renamed aside and reported; true when that was done.
    bool setAsideJournal();
    bool writeJournal(const QByteArray& image);
    bool clearJournal();

    QString path_;
    int length_;
    bool writable_ = false;
    std::unique_ptr<File> file_;
    std::unique_ptr<File> journal_; // open between writeJournal and clearJournal
    QByteArray journalImage_;
    FileLock lock_;
};

// The checksum that makes a journal whole (FNV-1a); a journal that fails it was never finished.
quint32 journalChecksum(const char* data, qint64 size);

// The message every archive window shows when its file cannot be reached.
QString archiveAccessMessage();

// Hears, once per journal, the path of a record file whose journal did not fit it and was set
// aside (RecordFile::setAsidePath); the program tells the user. Null: nobody is told.
void setJournalNotice(std::function<void(const QString& path)> notice);
// What the program tells the user then.
QString journalSetAsideMessage(const QString& path);

} // namespace core
