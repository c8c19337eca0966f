#include "core/record_file.h"

#include <QFileInfo>

#include <vector>

namespace core {

RecordFile::RecordFile(QString path, int recordLength)
    : path_(std::move(path)), length_(recordLength), file_(path_) {}

RecordFile::~RecordFile() { file_.close(); }

bool RecordFile::open(Access access) {
    if (file_.isOpen())
        return true;
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (info.isSymLink()) // dangling link: do not create through it
            return false;
        // NewOnly: never truncates a file that appeared in the meantime.
        QFile create(path_);
        if (!create.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(path_))
            return false;
        create.close();
    } else if (!info.isFile()) {
        return false;
    }
    const auto mode = access == Access::Read ? QIODevice::ReadOnly : QIODevice::ReadWrite;
    return file_.open(mode | QIODevice::ExistingOnly);
}

bool RecordFile::close() {
    if (!file_.isOpen())
        return true;
    const bool ok = file_.flush() && file_.error() == QFileDevice::NoError;
    file_.close();
    return ok;
}

qint64 RecordFile::count() const { return file_.isOpen() ? file_.size() / length_ : 0; }

bool RecordFile::read(qint64 n, char* buffer) {
    if (!file_.isOpen() || n < 1 || n > count())
        return false;
    if (!file_.seek((n - 1) * length_))
        return false;
    return file_.read(buffer, length_) == length_;
}

bool RecordFile::writeAt(qint64 offset, const char* buffer) {
    if (!file_.isOpen() || !file_.isWritable() || !file_.seek(offset))
        return false;
    return file_.write(buffer, length_) == length_ && file_.flush();
}

bool RecordFile::overwrite(qint64 n, const char* buffer) {
    if (n < 1 || n > count())
        return false;
    return writeAt((n - 1) * length_, buffer);
}

std::optional<qint64> RecordFile::append(const char* buffer) {
    const qint64 n = count() + 1;
    if (!writeAt((n - 1) * length_, buffer))
        return std::nullopt;
    return n;
}

bool RecordFile::scan(const std::function<bool(qint64, const char*)>& visit) {
    if (!file_.isOpen() || !file_.seek(0))
        return false;
    const qint64 total = count();
    const qint64 perBlock = std::max<qint64>(1, (4 << 20) / length_);
    std::vector<char> block(static_cast<size_t>(perBlock * length_));
    qint64 n = 0;
    while (n < total) {
        const qint64 want = std::min(perBlock, total - n);
        const qint64 bytes = want * length_;
        if (file_.read(block.data(), bytes) != bytes)
            return false;
        for (qint64 i = 0; i < want; ++i)
            if (!visit(n + i + 1, block.data() + i * length_))
                return true;
        n += want;
    }
    return true;
}

QString archiveAccessMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

} // namespace core
