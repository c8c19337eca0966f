#pragma once

#include "platform/context.h"

#include <QStringList>

namespace members {

// Prints a member list through the shared list template.
void printMemberList(platform::Context& ctx, QWidget* parent, const QString& title, const QStringList& lines);

} // namespace members
