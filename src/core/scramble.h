#pragma once

#include <QString>

#include <optional>

namespace core {

// Password scrambling over a 16-bit running key; output is two upper-case hex digits a byte.
// Texts longer than kMaxScrambleLength are not served (the callers refuse them).
inline constexpr int kMaxScrambleLength = 255;

QString scramble(const QString& text);
// nullopt when a pair is not hexadecimal. A trailing odd digit is ignored.
std::optional<QString> unscramble(const QString& hex);

} // namespace core
