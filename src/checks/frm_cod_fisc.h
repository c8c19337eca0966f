#pragma once

#include "checks/check_dialog.h"

namespace checks {

class TfrmCodFisc : public CheckDialog {
    Q_OBJECT
public:
    TfrmCodFisc(platform::Context& ctx, QWidget* opener);

protected:
    void check() override;
};

} // namespace checks
