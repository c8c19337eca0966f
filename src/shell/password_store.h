#pragma once

#include <QString>

#include <optional>

namespace shell {

// unins000.dll: an INI file, section "Accesso", key "Valore", the scrambled password in hex.
inline const QString kPasswordStoreFile = QStringLiteral("unins000.dll");
inline const QString kInitialPassword = QStringLiteral("QUORVIX");

// Upper-cases a..z, then trims: how a typed password is compared and stored.
QString normalisePassword(const QString& typed);

// The unscrambled, trimmed stored password; empty when the file or key is missing.
// nullopt when the store cannot be read or holds a pair that is not hexadecimal.
std::optional<QString> readStoredPassword(const QString& storePath);

// Writes the scrambled form of `password` (already normalised); false on failure.
bool writeStoredPassword(const QString& storePath, const QString& password);

} // namespace shell
