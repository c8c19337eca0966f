#include "core/scramble.h"

#include "core/win1252.h"

#include <cstdint>

namespace core {

namespace {
constexpr std::uint16_t kStartKey = 0x71B9;
constexpr std::uint16_t kMultiplier = 0xB01B;
constexpr std::uint16_t kIncrement = 0x2D4D;

std::uint16_t advance(std::uint16_t key, std::uint8_t c) {
    return static_cast<std::uint16_t>((c + key) * kMultiplier + kIncrement);
}

int hexDigit(QChar ch) {
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}
} // namespace

QString scramble(const QString& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::uint16_t key = kStartKey;
    QString out;
    out.reserve(text.size() * 2);
    // Characters go through the code page the store is written in, so "€" comes back as "€".
    for (char ch : toWin1252(text)) {
        const auto p = static_cast<std::uint8_t>(ch);
        const auto c = static_cast<std::uint8_t>(p ^ (key >> 8));
        out.append(QLatin1Char(kHex[c >> 4])).append(QLatin1Char(kHex[c & 0xF]));
        key = advance(key, c);
    }
    return out;
}

std::optional<QString> unscramble(const QString& hex) {
    std::uint16_t key = kStartKey;
    const qsizetype n = hex.size() / 2;
    QByteArray out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexDigit(hex[2 * i]);
        const int lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const auto c = static_cast<std::uint8_t>(hi * 16 + lo);
        out.append(static_cast<char>(c ^ (key >> 8)));
        key = advance(key, c);
    }
    return fromWin1252(out);
}

} // namespace core
