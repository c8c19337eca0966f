#pragma once

#include "members/member_lists.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <optional>

namespace members {

// The cards awaiting renewal: active members inside their notice period or already expired,
// sorted. A double click picks the member for the member window.
class TfrmSospesi : public reports::ListDialog {
    Q_OBJECT
public:
    TfrmSospesi(platform::Context& ctx, QWidget* parent);
    std::optional<qint64> pickedRecord() const { return picked_; }

private:
    void pick(qint64 record) override;

    std::optional<qint64> picked_;
};

} // namespace members
