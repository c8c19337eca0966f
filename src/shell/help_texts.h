#pragma once

#include <QStringList>

namespace shell {

// The main menu's help: an overview of every work area, the access password, use on a
// network folder or a USB stick and the backup.
QStringList mainHelpParagraphs();

} // namespace shell
