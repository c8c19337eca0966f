#pragma once

#include "platform/context.h"

namespace book {

// Creates the long-lived windows of the members' book, in start-up order, and adds them to
// the window set: the menu, the creation window, the register list and the page editor.
void addBookWindows(platform::Context& ctx);

} // namespace book
