#pragma once

#include <QFile>
#include <QString>

#include <functional>
#include <optional>

namespace core {

// A file of fixed-length records, numbered from 1, opened and closed within one user action.
// Every operation returns false (or nullopt) on failure; the caller shows the access message.
//
// While open, the file holds an advisory lock (shared for reading, exclusive for writing), so
// two copies of the program on a shared folder never interleave their saves. An overwrite is
// all-or-nothing: the old record goes to a journal beside the file first, and the next open
// that finds a journal left by a killed process puts the old record back. A batch append
// journals the old length the same way.
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
    bool isOpen() const { return file_.isOpen(); }

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

private:
    bool writeAt(qint64 offset, const char* buffer);
    bool lock(bool exclusive);
    bool recoverJournal();

    QString path_;
    int length_;
    QFile file_;
};

// The message every archive window shows when its file cannot be reached.
QString archiveAccessMessage();

} // namespace core
