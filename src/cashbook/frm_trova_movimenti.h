#pragma once

#include "cashbook/movement_lists.h"
#include "cashbook/movement_record.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <optional>

namespace cashbook {

// The movement search over the current year file: filters first, then the sorted list of the
// movements that match. A double click or Enter hands the movement to the opener, in mode "movimenti".
class TfrmTrovaMovimenti : public reports::SearchDialog {
    Q_OBJECT
public:
    TfrmTrovaMovimenti(platform::Context& ctx, QWidget* parent, const QString& yearFile,
                       const QString& mode);
    std::optional<Movement> chosen() const { return chosen_; }

private:
    core::ListRows find() override;
    void pick(qint64 record) override;

    core::Archive archive_;
    std::optional<Movement> chosen_;
};

} // namespace cashbook
