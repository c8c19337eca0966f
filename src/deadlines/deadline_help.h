#pragma once

#include <QString>
#include <QStringList>

namespace deadlines {

// The help page of the deadline window, from both of its panels.
QString deadlineHelpTitle();
QStringList deadlineHelpParagraphs();

} // namespace deadlines
