#pragma once

#include "platform/menu_window.h"

namespace cashbook {

// The cash-book menu: record movements or summarise the balance. Closing it shows the year
// chooser, the balance window or the main menu, by the mode its buttons set.
class TfrmMenuPrimanota : public platform::MenuWindow {
    Q_OBJECT
public:
    explicit TfrmMenuPrimanota(platform::Context& ctx);
};

} // namespace cashbook
