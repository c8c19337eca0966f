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

// A record of `length` bytes that shows whether it is whole: its number and version, then a
// pattern drawn from both. A record torn between two saves matches no image.
QByteArray recordImage(quint32 record, quint32 version, int length);

// Whether the `length` bytes at `r` are one whole recordImage.
bool isWholeImage(const char* r, int length);

// How many rounds a kill or sharing loop runs: the number in `env` when it is one above 0
// (to run longer by hand), else `fallback`.
int roundsFromEnv(const char* env, int fallback);

} // namespace testing_support
