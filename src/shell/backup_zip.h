#pragma once

#include "core/file_system.h"

#include <QIODevice>

#include <functional>
#include <memory>

class QuaZip;

namespace shell {

// A file of core::fileSystem() as a seekable read-only device, so that QuaZip reads backups on
// whatever disk the program writes to (a simulated one in tests).
class FileReadDevice final : public QIODevice {
public:
    explicit FileReadDevice(std::unique_ptr<core::File> file);
    bool isSequential() const override { return false; }
    qint64 size() const override { return size_; }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::unique_ptr<core::File> file_;
    qint64 size_ = 0;
    qint64 offset_ = 0;
    QByteArray cache_;
    qint64 cacheStart_ = 0;
};

enum class EntryRead { Ok, Unreadable, TooLong, BadCrc, Refused };

// Reads the zip's current entry in pieces into `sink` (which returns false to stop: Refused).
// More than `limit` bytes is TooLong, so a hostile entry never fills memory or disk; a wrong
// checksum at the end is BadCrc.
EntryRead readZipEntry(QuaZip& zip, qint64 limit,
                       const std::function<bool(const char* data, qint64 size)>& sink);

} // namespace shell
