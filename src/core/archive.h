#pragma once

#include "core/record_layout.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace core {

// One archive of the program folder: a record file read and written through its field table.
// Every call opens the file (creating it when missing), works and closes it again, so nothing is
// held open between user actions; the record file's lock and journal apply to each call.
class Archive {
public:
    Archive(QString folder, QString fileName, const RecordLayout& layout);

    QString path() const { return path_; }
    const RecordLayout& layout() const { return *layout_; }
    bool exists() const;

    std::optional<qint64> count() const;
    // Record n as loaded (trimmed) texts, one per field.
    std::optional<QStringList> read(qint64 number) const;
    // Every record in file order, in large blocks; the visitor returns false to stop early.
    // False on a failure.
    bool scan(const std::function<bool(qint64 number, const char* record)>& visit) const;
    // The same, but a missing file is an empty archive and is not created (read-only looks
    // at years that may not exist yet).
    bool scanExisting(const std::function<bool(qint64 number, const char* record)>& visit) const;
    // Saves `values` over record `number`, or appends when number is 0. Returns the number
    // written, nullopt on failure. Bytes beyond each field's text keep the old record's.
    std::optional<qint64> save(qint64 number, const QStringList& values) const;
    // Appends every record of `records` in one step under one lock: all of them or none
    // (core::RecordFile::appendAll). Returns the number of the first, nullopt on failure.
    std::optional<qint64> appendAll(const std::vector<QStringList>& records,
                                    const std::function<void(qint64 done)>& progress = {}) const;
    // Opens (creating when missing) and closes the file; false when that fails.
    bool touch() const;

private:
    QString path_;
    const RecordLayout* layout_;
};

} // namespace core
