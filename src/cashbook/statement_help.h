#pragma once

#include "platform/platform.h"

namespace cashbook {

// The help page of the annual statement.
const platform::HelpTopic& statementHelp();

} // namespace cashbook
