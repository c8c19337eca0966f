#include "core/win1252.h"

#include <array>

namespace core {

namespace {

// 0x80..0x9F; 0 marks the undefined codes, which map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c && c != 0) return static_cast<char>(0x80 + i);
        if (kHigh[i] == 0 && c == 0x80 + i) return static_cast<char>(c);
    }
    return '?';
}

} // namespace

QByteArray toWin1252(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        // A surrogate pair is one character outside the code page: one '?'.
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() &&
            QChar::isLowSurrogate(s[i + 1].unicode()))
            ++i;
        out.append(encodeChar(c));
    }
    return out;
}

qsizetype firstOutsideWin1252(QStringView s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c == u'?') continue;
        if (QChar::isSurrogate(c) || encodeChar(c) == '?') return i;
    }
    return -1;
}

QString fromWin1252(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
            o[i] = QChar(kHigh[b - 0x80]);
        else
            o[i] = QChar(b);
    }
    return out;
}

} // namespace core
