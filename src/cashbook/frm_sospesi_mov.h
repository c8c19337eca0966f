#pragma once

#include "cashbook/movement_record.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <optional>

namespace cashbook {

// The payments not settled whose notice period has begun or whose due date has passed,
// sorted. A double click hands the movement to the movement window.
class TfrmSospesiMov : public reports::ListDialog {
    Q_OBJECT
public:
    TfrmSospesiMov(platform::Context& ctx, QWidget* parent, const QString& yearFile);
    std::optional<Movement> chosen() const { return chosen_; }

private:
    void pick(qint64 record) override;

    core::Archive archive_;
    std::optional<Movement> chosen_;
};

} // namespace cashbook
