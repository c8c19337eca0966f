#pragma once

#include <QByteArray>
#include <QString>

namespace testing_support {

// What fileBytes gives for a file that cannot be read, so a missing file never passes for an
// empty one.
inline const QByteArray kMissingFile = QByteArrayLiteral("<missing>");

// The whole content of the file at `path`, or kMissingFile.
QByteArray fileBytes(const QString& path);

// Replaces the file at `path` with `bytes`, creating its folder; a failure fails the test.
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace testing_support
