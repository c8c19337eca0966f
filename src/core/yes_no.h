#pragma once

#include <QByteArrayView>
#include <QString>

namespace core {

// The stored words of every yes/no field (and of check boxes bound in a form).
inline const QString kYes = QStringLiteral("S\u00ec"); // "Sì"
inline const QString kNo = QStringLiteral("No");
// The same words as stored (Windows-1252), for reading a field without decoding it.
inline constexpr QByteArrayView kYesStored("S\xec", 2);
inline constexpr QByteArrayView kNoStored("No", 2);

} // namespace core
