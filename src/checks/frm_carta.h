#pragma once

#include "checks/check_dialog.h"

namespace checks {

class TfrmCarta : public CheckDialog {
    Q_OBJECT
public:
    TfrmCarta(platform::Context& ctx, QWidget* opener);

protected:
    void check() override;
};

} // namespace checks
