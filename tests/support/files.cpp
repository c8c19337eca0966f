#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

namespace testing_support {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : kMissingFile;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray recordImage(quint32 record, quint32 version, int length) {
    QByteArray r(length, '\0');
    std::memcpy(r.data(), &record, 4);
    std::memcpy(r.data() + 4, &version, 4);
    quint32 x = record * 2654435761u ^ version * 40503u;
    for (int i = 8; i < length; ++i) {
        x = x * 1103515245u + 12345u;
        r[i] = char(x >> 24);
    }
    return r;
}

bool isWholeImage(const char* r, int length) {
    quint32 record = 0, version = 0;
    std::memcpy(&record, r, 4);
    std::memcpy(&version, r + 4, 4);
    return std::memcmp(r, recordImage(record, version, length).constData(), length) == 0;
}

int roundsFromEnv(const char* env, int fallback) {
    const int n = qEnvironmentVariableIntValue(env);
    return n > 0 ? n : fallback;
}

} // namespace testing_support
