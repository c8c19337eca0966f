#pragma once

#include <QString>
#include <QUrl>

namespace platform {

// What the desktop receives for a shell-open text: a quoted path becomes a file URL (so a
// name starting with "-" or holding "%" still opens as that file), web addresses and mailto
// links are percent-encoded piece by piece, the link text itself being kept as given.
QUrl desktopUrl(const QString& command);

// Shown when the desktop takes no e-mail link.
QString mailRefusedMessage();

} // namespace platform
