#pragma once

#include "platform/platform.h"

namespace members {

platform::HelpTopic memberHelp();

} // namespace members
