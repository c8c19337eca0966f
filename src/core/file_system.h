#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace core {

// What the program's writes need from the file system, behind one interface so that tests can
// put a simulated disk in its place (power cuts, torn writes, a full disk) and arm a failure at
// any step. Record files, INI files, replaceFile and the registers go through it; a plain read
// of a picture or a document for display need not.
//
// What survives a power cut, and what callers rely on (the POSIX rules, nothing more):
// - bytes written to a file, and its size, only after that file's sync();
// - a name created, removed or renamed in a folder only after that folder's syncFolder().
// Anything not yet synced may be lost, kept, torn at any 512-byte sector or read back as zeros;
// unsynced folder changes may each be lost or kept, in their order.
//
// Every call that changes or reads data asks core::faults first (file_faults.h), so a failure
// can be armed at any step. kind() and entries() are looks, not steps.

enum class LockResult { Locked, Unsupported, Failed };

// An open file; closed when destroyed (which releases its lock).
class File {
public:
    virtual ~File() = default;
    virtual qint64 size() = 0; // -1 on failure
    // Bytes read (fewer only at the end of the file), -1 on failure.
    virtual qint64 read(qint64 offset, char* data, qint64 size) = 0;
    // All of `size` bytes or false.
    virtual bool write(qint64 offset, const char* data, qint64 size) = 0;
    virtual bool resize(qint64 size) = 0;
    // Makes the content and the size durable; false when the disk says it could not.
    virtual bool sync() = 0;
    // Waits for an advisory lock on the whole file. Unsupported where the file system has none
    // (some network shares): the caller decides how to carry on.
    virtual LockResult lock(bool exclusive) = 0;
    // Where the first hole of a sparse file starts; size() when it has none (a file the
    // program wrote is always whole) or the file system cannot tell. -1 on failure.
    virtual qint64 firstHole() { return size(); }
};

class FileSystem {
public:
    enum class Open {
        Read,      // existing file, read only
        ReadWrite, // existing file
        CreateNew, // a new file, failing when the name exists (never truncates)
        Truncate,  // created or emptied, for writing
    };
    // Link: a symbolic link to anything but a folder. Nothing is written through one, so a
    // name in the folder can never lead a write elsewhere; a link to a folder is the folder.
    enum class Kind { Missing, File, Folder, Other, DanglingLink, Link };

    virtual ~FileSystem() = default;
    // Null on failure. Read also opens a folder, only to lock() it. Every mode but Read fails
    // on a symbolic link rather than follow it.
    virtual std::unique_ptr<File> open(const QString& path, Open mode) = 0;
    virtual Kind kind(const QString& path) = 0;
    virtual bool remove(const QString& path) = 0;
    // Replaces `to` atomically; both in the same folder.
    virtual bool rename(const QString& from, const QString& to) = 0;
    // A second name for an existing file; false where the file system has no links (FAT).
    virtual bool link(const QString& existing, const QString& newName) = 0;
    virtual bool syncFolder(const QString& folder) = 0;
    // Names in the folder (files and links), unsorted.
    virtual QStringList entries(const QString& folder) = 0;
    // Creates a missing folder and its missing parents, each synced in its parent.
    virtual bool makeFolder(const QString& path) = 0;
    // Whether process `pid` runs on this machine (for lock files and temporaries left behind).
    virtual bool processAlive(qint64 pid) = 0;
    virtual qint64 processId() = 0;
};

// The file system every write goes through: the real one unless a test installed another.
FileSystem& fileSystem();

// Installs `fs` for as long as it lives (tests).
class UseFileSystem {
public:
    explicit UseFileSystem(FileSystem& fs);
    ~UseFileSystem();
    UseFileSystem(const UseFileSystem&) = delete;
    UseFileSystem& operator=(const UseFileSystem&) = delete;

private:
    FileSystem* previous_;
};

// The folder part of a path ("." for a bare name).
QString folderOf(const QString& path);

// Reads a whole file through fileSystem(); false when it is missing or cannot be read.
bool readWholeFile(const QString& path, QByteArray& out);

} // namespace core
