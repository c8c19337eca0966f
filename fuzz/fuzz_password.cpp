// The password store's value: unscramble any text; scramble round trips.
#include "core/scramble.h"
#include "core/win1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = core::fromWin1252(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)core::unscramble(text);
    const QString plain = text.left(core::kMaxScrambleLength);
    const QString hex = core::scramble(plain);
    const auto back = core::unscramble(hex);
    if (!back || *back != plain || hex.size() != 2 * plain.size())
        __builtin_trap();
    return 0;
}
