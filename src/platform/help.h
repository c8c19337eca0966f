#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringView>

namespace platform {

// Help pages are prose kept as text, one resource file per feature folder
// (":/help/<folder>_help.txt", from src/<folder>/<folder>_help.txt). A topic starts with a line
// "[key] Title"; its paragraphs follow, separated by empty lines, their lines joined by a space.

// The topic `key` of the text, or an empty topic when there is none.
HelpTopic parseHelpTopic(QStringView text, QStringView key);

// The topic `key` of the folder's help file.
HelpTopic helpTopic(const QString& folder, const QString& key);

} // namespace platform
