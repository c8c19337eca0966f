// A record file of any bytes: count, read every record, load every field, append, overwrite.
#include "core/record_file.h"
#include "core/record_layout.h"
#include "fuzz_input.h"

#include <vector>

namespace {
constexpr core::Field kFields[] = {{"A", 50}, {"B", 2}, {"C", 10}, {"D", 250}};
const core::RecordLayout kLayout(kFields);
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzing::inputFile("f.pro", data, size);
    const int L = kLayout.recordLength();
    core::RecordFile file(path, L);
    if (!file.open())
        return 0;
    std::vector<char> rec(L);
    const qint64 n = file.count();
    for (qint64 i = 1; i <= n; ++i) {
        if (!file.read(i, rec.data()))
            __builtin_trap();
        const QStringList values = kLayout.loadAll(rec.data());
        kLayout.storeAll(rec.data(), values);
        // Loading what was stored gives the same texts back.
        if (kLayout.loadAll(rec.data()) != values)
            __builtin_trap();
        file.overwrite(i, rec.data());
    }
    const auto appended = file.append(rec.data());
    if (!appended || *appended != n + 1 || file.count() != n + 1)
        __builtin_trap();
    file.close();
    return 0;
}
