#pragma once

#include "platform/platform.h"

namespace book {

// The help topics of the members' book windows.
platform::HelpTopic menuHelp();    // members'-book menu
platform::HelpTopic createHelp();  // creation window
platform::HelpTopic compileHelp(); // register list and page editor

} // namespace book
