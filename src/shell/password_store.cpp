#include "shell/password_store.h"

#include "core/ini_file.h"
#include "core/scramble.h"
#include "core/text.h"

namespace shell {

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
} // namespace

QString normalisePassword(const QString& typed) { return core::trimText(core::upperAscii(typed)); }

std::optional<QString> readStoredPassword(const QString& storePath) {
    core::IniFile ini(storePath);
    if (!ini.load())
        return std::nullopt;
    const QString hex = ini.value(kSection, kKey);
    // The routine counts with 8 bits: at most 255 pairs are read.
    auto plain = core::unscramble(hex.left(2 * core::kMaxScrambleLength + 1));
    if (!plain)
        return std::nullopt;
    return core::trimText(*plain);
}

bool writeStoredPassword(const QString& storePath, const QString& password) {
    if (password.size() > core::kMaxScrambleLength)
        return false;
    return core::IniFile::write(storePath, kSection, kKey, core::scramble(password));
}

} // namespace shell
