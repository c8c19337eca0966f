#include "shell/backup_zip.h"

#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace shell {

FileReadDevice::FileReadDevice(std::unique_ptr<core::File> file) : file_(std::move(file)) {
    size_ = file_ ? std::max<qint64>(0, file_->size()) : 0;
    // Unbuffered: QuaZip seeks back and forth, and every read lands where it asks.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool FileReadDevice::seek(qint64 pos) {
    if (pos < 0 || pos > size_) return false;
    offset_ = pos;
    return QIODevice::seek(pos);
}

qint64 FileReadDevice::readData(char* data, qint64 maxSize) {
    constexpr qint64 kBlock = 1 << 20;
    if (!file_) return -1;
    const qint64 n = std::min(maxSize, size_ - offset_);
    if (n <= 0) return 0;
    // The zip library asks for a few bytes at a time: one read of a megabyte serves them. It
    // takes a short answer for a failure, so a request that runs past the cached block is
    // served whole, from the cache and then from the file.
    qint64 done = 0;
    while (done < n) {
        if (offset_ >= cacheStart_ && offset_ < cacheStart_ + cache_.size()) {
            const qint64 take = std::min(n - done, cacheStart_ + cache_.size() - offset_);
            std::memcpy(data + done, cache_.constData() + (offset_ - cacheStart_), size_t(take));
            offset_ += take;
            done += take;
            continue;
        }
        if (const qint64 want = n - done; want >= kBlock) {
            const qint64 got = file_->read(offset_, data + done, want);
            if (got <= 0) return done > 0 ? done : got;
            offset_ += got;
            done += got;
            if (got < want) break; // the file ended early: what there is
            continue;
        }
        cache_.resize(std::min(kBlock, size_ - offset_));
        const qint64 got = file_->read(offset_, cache_.data(), cache_.size());
        if (got <= 0) {
            cache_.clear();
            return done > 0 ? done : got;
        }
        cache_.resize(got);
        cacheStart_ = offset_;
    }
    return done;
}

EntryRead readZipEntry(QuaZip& zip, qint64 limit,
                       const std::function<bool(const char*, qint64)>& sink) {
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly)) return EntryRead::Unreadable;
    std::vector<char> buffer(1 << 20);
    qint64 total = 0;
    for (;;) {
        const qint64 n = entry.read(buffer.data(), qint64(buffer.size()));
        if (n < 0) return EntryRead::Unreadable;
        if (n == 0) break;
        total += n;
        if (total > limit) return EntryRead::TooLong;
        if (!sink(buffer.data(), n)) return EntryRead::Refused;
    }
    entry.close();
    const int error = entry.getZipError();
    if (error == UNZ_CRCERROR) return EntryRead::BadCrc;
    return error == UNZ_OK ? EntryRead::Ok : EntryRead::Unreadable;
}

} // namespace shell
