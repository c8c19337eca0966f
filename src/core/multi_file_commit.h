#pragma once

#include "core/record_file.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace core {

// One all-or-nothing write over several record files (a member file and a cash book year, say).
//
// The caller opens every file for writing, in path order (so two copies never wait on each
// other crosswise), reads what it needs, stages overwrites and appends here, and keeps the files
// open until commit() returns: their exclusive locks cover the whole step.
//
// commit():
//  1. a group file `<first path>.<id>.grp` naming the files is written and synced with its name;
//  2. every file gets a journal naming the group, with its old length and the old bytes of the
//     spans its overwrites change, synced with its name, before any file is touched;
//  3. the files are written and synced;
//  4. the group file is cut to nothing and synced: the commit point;
//  5. the journals are cleared and the group file removed.
// A failure before 4 undoes every file at once; a kill or a power cut leaves journals whose
// group still has content, and the next open of each file (RecordFile's recovery) puts its old
// bytes back. A journal whose group is empty or gone belongs to a committed step.
class MultiFileCommit {
public:
    MultiFileCommit() = default;
    MultiFileCommit(const MultiFileCommit&) = delete;
    MultiFileCommit& operator=(const MultiFileCommit&) = delete;

    // Record n (1-based, existing) of `file` becomes `record` (recordLength() bytes).
    void overwrite(RecordFile& file, qint64 n, const char* record);
    // A new record after the file's whole records, in the order staged.
    void append(RecordFile& file, const char* record);

    // False when anything failed; then every file is as it was, now or at its next open.
    // Staged writes are dropped either way.
    bool commit();

    static QString groupPath(const QString& firstPath, const QString& id);

private:
    struct Part {
        RecordFile* file = nullptr;
        std::vector<std::pair<qint64, QByteArray>> overwrites; // record number, new bytes
        QByteArray appends;
    };
    Part& partOf(RecordFile& file);

    std::vector<Part> parts_;
};

namespace detail {
// The recovery hook of RecordFile: nullopt when `journal` is not a group journal; otherwise
// whether this file's part is settled (undone when its group still has content, kept when the
// group is empty or gone). The caller then clears the journal.
std::optional<bool> settleGroupJournal(File& file, const QString& path,
                                       const QByteArray& journal);
} // namespace detail

} // namespace core
