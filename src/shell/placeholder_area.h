#pragma once

#include "platform/ui.h"

namespace shell {

// A work area that is not built yet: its caption and an exit back to the main menu.
class PlaceholderArea : public platform::WorkArea {
    Q_OBJECT
public:
    PlaceholderArea(platform::Context& ctx, const QString& className, const QString& caption);
};

} // namespace shell
