#pragma once

#include "platform/platform.h"
#include "platform/window_set.h"

#include <QDir>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace platform {

// Commands that a window of a lower folder offers but a higher folder carries out (cards printed
// from a member list, renewals written to the cash book). The program sets them when it builds
// the windows; a window whose command is unset does not offer it.
struct Actions {
    // The cards of these member records, in this order, on nine-card sheets.
    std::function<void(QWidget* parent, const std::vector<qint64>& records)> printCards;
    // The renewal of the members due, with their fees in the cash book.
    std::function<void(QWidget* parent)> renewDue;
    // Every window built again from the files, then the login (after a restore replaced them).
    std::function<void()> reloadWindows;
};

// What every window is built with: the program folder (where all data lives), the desktop
// seam and the set of long-lived windows.
struct Context {
    QString folder;
    Platform& platform;
    WindowSet& windows;
    Actions actions = {};

    QString path(const QString& fileName) const { return QDir(folder).filePath(fileName); }
};

} // namespace platform
