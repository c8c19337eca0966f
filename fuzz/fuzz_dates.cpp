// Any typed or stored text through the date rule: never crashes, and a date it accepts
// formats as "dd/mm/yyyy" and reads back as the same day.
#include "core/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const QDate today(1 + (data[0] * 37) % 9999, 1 + data[1] % 12, 1 + data[1] % 28);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const auto parsed = core::parseDate(text, today);
    if (parsed.has_value() != core::isValidDate(text, today)) __builtin_trap();
    if (!parsed) return 0;
    if (!parsed->isValid() || parsed->year() < 1 || parsed->year() > 9999) __builtin_trap();
    const QString formatted = core::formatDate(*parsed);
    if (formatted.size() != 10 || core::parseDate(formatted, today) != parsed) __builtin_trap();
    if (core::compareDates(text, formatted, today) != 0) __builtin_trap();
    return 0;
}
