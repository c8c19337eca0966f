#pragma once

#include "platform/platform.h"

namespace cards {

platform::HelpTopic singleCardHelp();
platform::HelpTopic cardSheetHelp();

} // namespace cards
