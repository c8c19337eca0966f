#pragma once

#include <QString>

namespace core {

// The stored words of every yes/no field (and of check boxes bound in a form).
inline const QString kYes = QStringLiteral("S\u00ec"); // "Sì"
inline const QString kNo = QStringLiteral("No");

} // namespace core
