#pragma once

#include "platform/platform.h"
#include "platform/window_set.h"

#include <QDir>
#include <QString>

namespace platform {

// What every window is built with: the program folder (where all data lives), the desktop
// seam and the set of long-lived windows.
struct Context {
    QString folder;
    Platform& platform;
    WindowSet& windows;

    QString path(const QString& fileName) const { return QDir(folder).filePath(fileName); }
};

} // namespace platform
