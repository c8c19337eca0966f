#pragma once

#include "platform/menu_window.h"

namespace book {

// The members'-book menu: create a register or fill one in. Its mode word says where closing
// leads: "avvio" the main menu, "crea" the creation window, "compila" the register list.
class TfrmMenuRegistro : public platform::MenuWindow {
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(platform::Context& ctx);
};

} // namespace book
