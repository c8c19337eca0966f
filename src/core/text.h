#pragma once

#include <QString>
#include <QStringView>

namespace core {

// Blanks and control characters removed at both ends (every text taken from a field).
QString trimText(const QString& s);
QStringView trimmedView(QStringView s); // the same, without a copy

// Only the letters a..z / A..Z change case; accented letters stay as typed.
QString upperAscii(const QString& s);
QString lowerAscii(const QString& s);

} // namespace core
