#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace core {

// Windows-1252, one byte per character. Characters the code page lacks become '?'.
// The five undefined bytes (81 8D 8F 90 9D) decode to the C1 control of the same value,
// so any byte read back is written again unchanged.
QByteArray toWin1252(const QString& s);
// Where the first character the code page lacks starts in `s` (a surrogate pair is one
// character), or -1 when every character has its byte.
qsizetype firstOutsideWin1252(QStringView s);
QString fromWin1252(const char* data, qsizetype size);
inline QString fromWin1252(const QByteArray& b) {
    return fromWin1252(b.constData(), b.size());
}

} // namespace core
