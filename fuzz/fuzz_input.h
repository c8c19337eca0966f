// The fuzzer's bytes as a file, for readers that take a path. One temporary folder per target,
// the file rewritten for every input.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace fuzzing {

inline QString inputFile(const char* name, const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace fuzzing
