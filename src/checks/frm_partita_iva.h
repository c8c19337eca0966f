#pragma once

#include "checks/check_dialog.h"

namespace checks {

class TfrmPartitaIva : public CheckDialog {
    Q_OBJECT
public:
    TfrmPartitaIva(platform::Context& ctx, QWidget* opener);

protected:
    void check() override;
};

} // namespace checks
