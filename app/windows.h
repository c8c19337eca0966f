#pragma once

#include "platform/context.h"

// Creates every long-lived window, in start-up order, into ctx.windows.
void createWindows(platform::Context& ctx);
