#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace core {

// Writes a whole file (an INI file, an export, a picture, an attached document) so that after
// any failure, killed process or power cut `path` holds its old content or all of the new one:
// `write` fills a temporary file in the same folder, which is synced, renamed over `path`, and
// the folder synced. Every step is checked; false when any fails, and the caller shows its own
// message. A `path` that is a symbolic link, a folder or a device is refused. After a failure the old file is in place; only where the file system has no links
// (FAT) can a failed folder sync after the rename leave the new one, still reported as failed.
//
// Temporaries are named "<file name>.<process id>.qvtmp" (the new content) and ".qvold" (the
// old file's second name); those left by a process that is no longer running (a crash, a power
// cut) are removed by the next replaceFile of the same file.
bool replaceFile(const QString& path, const std::function<bool(QIODevice& out)>& write);
bool replaceFile(const QString& path, const QByteArray& bytes);

// Whether `name` is a temporary of replaceFile for `fileName` (stale or not).
bool isTemporaryOf(const QString& name, const QString& fileName);

} // namespace core
