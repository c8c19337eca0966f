#pragma once

#include <QString>
#include <QStringList>

namespace book {

// The help pages of the members' book windows: title and paragraphs.
struct HelpPage {
    QString title;
    QStringList paragraphs;
};

HelpPage menuHelp();    // members'-book menu
HelpPage createHelp();  // creation window
HelpPage compileHelp(); // register list and page editor

} // namespace book
