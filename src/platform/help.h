#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace platform {

// The help window belongs to the shell; windows of the areas below it open it through this
// hook, which the program sets once at start. Without it (tests) nothing opens.
using HelpOpener =
    std::function<void(QWidget* owner, const QString& title, const QStringList& paragraphs)>;
void setHelpOpener(HelpOpener opener);
void openHelp(QWidget* owner, const QString& title, const QStringList& paragraphs);

} // namespace platform
