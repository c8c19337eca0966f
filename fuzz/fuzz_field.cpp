// Store then load of any text into a field: trimmed, cut at the capacity, never overflowing.
#include "core/record_layout.h"
#include "core/text.h"
#include "core/win1252.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int capacity = 1 + data[0] % 255;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    std::vector<char> buf(capacity + 1 + 8, '\x5A');
    core::storeField(buf.data(), capacity, text);
    for (int i = capacity + 1; i < capacity + 9; ++i)
        if (buf[i] != '\x5A')
            __builtin_trap(); // wrote past the field
    const QString back = core::loadField(buf.data(), capacity);
    if (back.size() > capacity)
        __builtin_trap();
    // Loading and storing again changes nothing.
    std::vector<char> again(capacity + 1);
    core::storeField(again.data(), capacity, back);
    if (core::loadField(again.data(), capacity) != back)
        __builtin_trap();
    // Raw bytes with any length byte never read into the next field.
    std::vector<char> raw(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size);
    raw.resize(capacity + 1);
    if (core::loadField(raw.data(), capacity).size() > capacity)
        __builtin_trap();
    return 0;
}
