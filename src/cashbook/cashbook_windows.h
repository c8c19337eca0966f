#pragma once

#include "platform/context.h"

namespace cashbook {

// Creates the cash book's long-lived windows (the two menus, the movement window and the balance
// menu, the annual statement), adds them to the window set and links the year chooser to the
// movement window.
void addCashbookWindows(platform::Context& ctx);

} // namespace cashbook
