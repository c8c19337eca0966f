#include "core/record_layout.h"

#include "core/text.h"
#include "core/win1252.h"

#include <array>
#include <cstring>

namespace core {

RecordLayout::RecordLayout(std::span<const Field> fields) : fields_(fields) {
    offsets_.reserve(fields.size());
    for (const Field& f : fields) {
        offsets_.push_back(length_);
        length_ += f.capacity + 1;
    }
}

int RecordLayout::indexOf(const QString& name) const {
    for (int i = 0; i < fieldCount(); ++i)
        if (name == QLatin1String(fields_[i].name)) return i;
    return -1;
}

QString loadField(const char* field, int capacity) {
    int n = static_cast<unsigned char>(field[0]);
    if (n > capacity) // damaged length byte: never read into the next field
        n = capacity;
    return trimText(fromWin1252(field + 1, n));
}

void storeField(char* field, int capacity, const QString& text) {
    QByteArray bytes = toWin1252(trimText(text));
    if (bytes.size() > capacity) bytes.truncate(capacity);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), bytes.size());
}

namespace {
const std::array<QChar, 256>& decodeTable() {
    static const std::array<QChar, 256> table = [] {
        std::array<char, 256> bytes{};
        for (int i = 0; i < 256; ++i)
            bytes[size_t(i)] = char(i);
        const QString chars = fromWin1252(bytes.data(), 256);
        std::array<QChar, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = chars[i];
        return t;
    }();
    return table;
}
} // namespace

QChar* writeStoredText(QChar* out, QByteArrayView bytes, int width) {
    const qsizetype n = width < 0 ? bytes.size() : std::min<qsizetype>(bytes.size(), width);
    // Bytes below 0x80 and from 0xA0 are their own code; only 0x80..0x9F need the table. The
    // plain widening loop vectorises, the fix-up runs only where such a byte is present.
    const auto* __restrict b = reinterpret_cast<const unsigned char*>(bytes.data());
    auto* __restrict o = reinterpret_cast<char16_t*>(out);
    unsigned char high = 0;
    for (qsizetype i = 0; i < n; ++i) {
        o[i] = b[i];
        high |= (b[i] & 0xE0) == 0x80;
    }
    if (high) {
        const auto& table = decodeTable();
        for (qsizetype i = 0; i < n; ++i)
            out[i] = table[b[i]];
    }
    out += n;
    for (qsizetype i = n; i < width; ++i)
        *out++ = u' ';
    return out;
}

void RecordLayout::appendText(QString& out, const char* record, int index, int width) const {
    const QByteArrayView stored = bytes(record, index);
    const qsizetype at = out.size();
    out.resize(at + (width < 0 ? stored.size() : width));
    writeStoredText(out.data() + at, stored, width);
}

QString RecordLayout::load(const char* record, int index) const {
    return loadField(record + offsets_[index], fields_[index].capacity);
}

void RecordLayout::store(char* record, int index, const QString& text) const {
    storeField(record + offsets_[index], fields_[index].capacity, text);
}

QStringList RecordLayout::loadAll(const char* record) const {
    QStringList out;
    out.reserve(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        out.append(load(record, i));
    return out;
}

void RecordLayout::storeAll(char* record, const QStringList& values) const {
    for (int i = 0; i < fieldCount(); ++i)
        store(record, i, i < values.size() ? values[i] : QString());
}

} // namespace core
