#pragma once

#include "platform/platform.h"

namespace deadlines {

// The help page of the deadline window, from both of its panels.
platform::HelpTopic deadlineHelp();

} // namespace deadlines
