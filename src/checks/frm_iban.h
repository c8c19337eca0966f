#pragma once

#include "checks/check_dialog.h"

namespace checks {

class TfrmIban : public CheckDialog {
    Q_OBJECT
public:
    TfrmIban(platform::Context& ctx, QWidget* opener);

protected:
    void check() override;
};

} // namespace checks
