#pragma once

#include "core/file_system.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace testing_support {

// A disk in memory with the rules of core::FileSystem made visible: every file keeps what is
// durable and the writes still pending, every folder the names that are durable and the changes
// still pending. Install it with core::UseFileSystem; production code then reads and writes it.
//
// A power cut: record() keeps the whole state after every operation that changes it; crashes()
// turns one of those states into every disk a POSIX file system may leave after a power cut at
// that moment. Also a full disk (setFreeSpace) for tests of "no space left". Folders are made
// with addFolder or makeFolder and are durable at once; paths are absolute ("/disk/a.pro").
class SimDisk final : public core::FileSystem {
public:
    SimDisk();
    SimDisk(const SimDisk&);
    SimDisk& operator=(const SimDisk&);
    ~SimDisk() override;

    // core::FileSystem
    std::unique_ptr<core::File> open(const QString& path, Open mode) override;
    Kind kind(const QString& path) override;
    bool remove(const QString& path) override;
    bool rename(const QString& from, const QString& to) override;
    bool link(const QString& existing, const QString& newName) override;
    bool syncFolder(const QString& folder) override;
    QStringList entries(const QString& folder) override;
    bool makeFolder(const QString& path) override;
    bool processAlive(qint64 pid) override { return pid == processId(); }
    qint64 processId() override { return 4242; }

    void addFolder(const QString& path);
    // A file as it is after a sync of it and its folder.
    void put(const QString& path, const QByteArray& bytes);
    // What a reader sees now; nullopt for a missing file.
    std::optional<QByteArray> contents(const QString& path) const;
    // Every file of every folder as a reader sees it now.
    std::map<QString, QByteArray> allFiles() const;

    // Writes that would take more than `bytes` beyond what the files hold now fail.
    void setFreeSpace(qint64 bytes);

    // Keeps the state after every change from now on; states()[0] is the state at this call.
    void record();
    int operations() const { return int(states_.size()) - 1; }

    struct State;
    const State& stateAfter(int operation) const;
    // The disks a power cut may leave in `state`: pending file writes each dropped, kept, torn
    // at a 512-byte sector or zero-filled, pending folder changes kept in any ordered subset.
    // All of them up to `limit`, else `limit` drawn with a fixed seed (the first two always
    // everything dropped and everything kept).
    static std::vector<SimDisk> crashes(const State& state, size_t limit, unsigned seed);

private:
    friend class SimFile;
    bool change(); // asks the fault hook and keeps the state when recording
    void recordState();

    std::unique_ptr<State> state_;
    qint64 freeSpace_ = -1;
    bool recording_ = false;
    std::vector<std::shared_ptr<const State>> states_;
};

} // namespace testing_support
