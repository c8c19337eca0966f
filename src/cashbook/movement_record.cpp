#include "cashbook/movement_record.h"

#include "core/win1252.h"

#include <QFileInfo>

#include <array>

namespace cashbook {

const core::RecordLayout& movementLayout() {
    static const core::RecordLayout layout(kMovementFields);
    return layout;
}

QString yearFileName(const QString& year) {
    return year.trimmed() + QStringLiteral(".eur");
}

core::Archive yearArchive(const QString& path) {
    const QFileInfo info(path);
    return core::Archive(info.path(), info.fileName(), movementLayout());
}

QString yearOfFile(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

namespace {
const std::array<QChar, 256>& decodeTable() {
    static const std::array<QChar, 256> table = [] {
        std::array<char, 256> bytes{};
        for (int i = 0; i < 256; ++i)
            bytes[size_t(i)] = char(i);
        const QString chars = core::fromWin1252(bytes.data(), 256);
        std::array<QChar, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = chars[i];
        return t;
    }();
    return table;
}
} // namespace

QByteArrayView storedText(const char* record, MovementField f) {
    const core::RecordLayout& layout = movementLayout();
    const auto* p = reinterpret_cast<const unsigned char*>(record + layout.offset(f));
    const int n = std::min<int>(p[0], layout.capacity(f));
    const auto trimmable = [](unsigned char b) { return b <= 0x20 || b == 0x7F; };
    int s = 1, e = n + 1;
    while (s < e && trimmable(p[s]))
        ++s;
    while (e > s && trimmable(p[e - 1]))
        --e;
    return QByteArrayView(reinterpret_cast<const char*>(p + s), e - s);
}

void appendStoredText(QString& out, const char* record, MovementField f, int width) {
    const QByteArrayView bytes = storedText(record, f);
    const qsizetype n = width < 0 ? bytes.size() : std::min<qsizetype>(bytes.size(), width);
    const auto& table = decodeTable();
    for (qsizetype i = 0; i < n; ++i)
        out += table[static_cast<unsigned char>(bytes[i])];
    if (width > n) out += QString(width - n, u' ');
}

} // namespace cashbook
