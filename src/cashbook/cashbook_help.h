#pragma once

#include "platform/platform.h"

namespace cashbook {

// The help pages of the cash book, in one place.
const platform::HelpTopic& cashbookMenuHelp(); // the cash-book menu
const platform::HelpTopic& movementsHelp();    // the year chooser and the movement window
const platform::HelpTopic& balanceHelp();
const platform::HelpTopic& exportHelp();

} // namespace cashbook
