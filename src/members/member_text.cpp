#include "members/member_text.h"

#include "core/win1252.h"

#include <array>

namespace members {

namespace {
// Offsets of the fields in a record, fixed at compile time: lists call storedText for a few
// fields of every record.
constexpr std::array<int, MemberFieldCount> kOffsets = [] {
    std::array<int, MemberFieldCount> out{};
    int at = 0;
    for (int f = 0; f < MemberFieldCount; ++f) {
        out[size_t(f)] = at;
        at += kMemberFields[f].capacity + 1;
    }
    return out;
}();
static_assert(kOffsets[Desc03] + kMemberFields[Desc03].capacity + 1 == kMemberRecordLength);

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

QByteArrayView storedText(const char* record, MemberField f) {
    const auto* p = reinterpret_cast<const unsigned char*>(record + kOffsets[size_t(f)]);
    const int n = std::min<int>(p[0], kMemberFields[f].capacity);
    const auto trimmable = [](unsigned char b) { return b <= 0x20 || b == 0x7F; };
    int s = 1, e = n + 1;
    while (s < e && trimmable(p[s]))
        ++s;
    while (e > s && trimmable(p[e - 1]))
        --e;
    return QByteArrayView(reinterpret_cast<const char*>(p + s), e - s);
}

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

void appendStoredText(QString& out, const char* record, MemberField f, int width) {
    const QByteArrayView bytes = storedText(record, f);
    const qsizetype at = out.size();
    out.resize(at + (width < 0 ? bytes.size() : width));
    writeStoredText(out.data() + at, bytes, width);
}

} // namespace members
