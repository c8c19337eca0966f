// An INI file of any bytes: read keys, write one, read it back, the others unchanged.
#include "core/ini_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzing::inputFile("t.ini", data, size);
    const QStringList probes = {"Accesso", "Valore", "Dati Ente", "Riga1", "a", "b"};
    core::IniFile before(path);
    if (!before.load())
        return 0;
    QStringList old;
    for (const QString& s : probes)
        for (const QString& k : probes)
            old << before.value(s, k);
    if (!core::IniFile::write(path, "Dati Ente", "Riga1", "Valore nuovo"))
        return 0;
    core::IniFile after(path);
    if (!after.load() || after.value("dati ente", "RIGA1") != "Valore nuovo")
        __builtin_trap();
    int i = 0;
    for (const QString& s : probes)
        for (const QString& k : probes) {
            const bool written = s.compare("Dati Ente", Qt::CaseInsensitive) == 0 &&
                                 k.compare("Riga1", Qt::CaseInsensitive) == 0;
            if (!written && after.value(s, k) != old[i])
                __builtin_trap();
            ++i;
        }
    return 0;
}
