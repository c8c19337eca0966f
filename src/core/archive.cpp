#include "core/archive.h"

#include "core/record_file.h"

#include <QDir>

#include <vector>

namespace core {

Archive::Archive(QString folder, QString fileName, const RecordLayout& layout)
    : path_(QDir(folder).filePath(fileName)), layout_(&layout) {}

bool Archive::exists() const {
    return fileSystem().kind(path_) != FileSystem::Kind::Missing;
}

std::optional<qint64> Archive::count() const {
    RecordFile file(path_, layout_->recordLength());
    if (!file.open(RecordFile::Access::Read)) return std::nullopt;
    const qint64 c = file.count();
    if (!file.close()) return std::nullopt;
    return c;
}

std::optional<QStringList> Archive::read(qint64 number) const {
    RecordFile file(path_, layout_->recordLength());
    std::vector<char> buffer(layout_->recordLength());
    if (!file.open(RecordFile::Access::Read)) return std::nullopt;
    const bool read = file.read(number, buffer.data());
    if (!file.close() || !read) return std::nullopt;
    return layout_->loadAll(buffer.data());
}

bool Archive::scan(const std::function<bool(qint64, const char*)>& visit) const {
    RecordFile file(path_, layout_->recordLength());
    if (!file.open(RecordFile::Access::Read)) return false;
    const bool ok = file.scan(visit);
    return file.close() && ok;
}

bool Archive::scanExisting(const std::function<bool(qint64, const char*)>& visit) const {
    if (!exists()) return true;
    return scan(visit);
}

std::optional<qint64> Archive::save(qint64 number, const QStringList& values) const {
    RecordFile file(path_, layout_->recordLength());
    if (!file.open()) return std::nullopt;
    std::vector<char> buffer(layout_->recordLength(), 0);
    std::optional<qint64> written;
    if (number > 0) {
        // Start from the stored record so the bytes past each value stay as they were.
        if (file.read(number, buffer.data())) {
            layout_->storeAll(buffer.data(), values);
            if (file.overwrite(number, buffer.data())) written = number;
        }
    } else {
        layout_->storeAll(buffer.data(), values);
        written = file.append(buffer.data());
    }
    if (!file.close()) return std::nullopt;
    return written;
}

std::optional<qint64> Archive::appendAll(const std::vector<QStringList>& records,
                                         const std::function<void(qint64)>& progress) const {
    RecordFile file(path_, layout_->recordLength());
    if (!file.open()) return std::nullopt;
    const auto first = file.appendAll(
        qint64(records.size()),
        [&](qint64 i, char* record) { layout_->storeAll(record, records[size_t(i)]); }, progress);
    // Every byte is synced before appendAll returns: closing cannot undo the records.
    file.close();
    return first;
}

bool Archive::touch() const {
    RecordFile file(path_, layout_->recordLength());
    return file.open() && file.close();
}

} // namespace core
