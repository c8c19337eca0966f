// The valid-date test on any text: never crashes, and a valid date formats and parses back.
#include "core/dates.h"
#include "core/win1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = core::fromWin1252(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate today(2026, 12, 10);
    const auto parsed = core::parseDate(text, today);
    if (parsed.has_value() != core::isValidDate(text, today))
        __builtin_trap();
    if (parsed) {
        if (!parsed->isValid() || parsed->year() < 1 || parsed->year() > 9999)
            __builtin_trap();
        const QString shown = core::formatDate(*parsed);
        if (shown.size() != 10 || core::parseDate(shown, today) != parsed)
            __builtin_trap();
    }
    return 0;
}
