#pragma once

#include "core/file_system.h"

#include <QString>

#include <memory>

namespace core {

// Holds a lock for one read-modify-write for as long as it lives.
//
// `target` is an open file or folder (FileSystem::open(..., Read) opens a folder for locking).
// Where the file system locks (flock), that is all. Where it refuses (some network shares), a
// lock file `lockPath` is created exclusively beside the data, holding the machine, its start
// and the process that took it; readers and writers alike take it, one at a time. A lock file
// left by a crash is recognised as stale (same machine, and either restarted since or no such
// process; another machine's after ten minutes; one left empty by a power cut once it stays so)
// and taken over.
class FileLock {
public:
    enum class Result {
        Locked,
        Busy,        // another copy holds it too long, or locking failed
        Unavailable, // no locks here and the folder takes no lock file: only reading is safe
    };

    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Result acquire(File& target, const QString& lockPath, bool exclusive);
    // Lets go early (the destructor does it otherwise).
    void release();
    // The lock file a lock on `path` falls back to.
    static QString lockFileOf(const QString& path) { return path + QStringLiteral(".lck"); }

private:
    QString lockFile_; // set while a lock file is held
};

} // namespace core
