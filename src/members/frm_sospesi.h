#pragma once

#include "members/member_list_panel.h"
#include "platform/context.h"

#include <QDialog>

#include <optional>

namespace members {

// The cards awaiting renewal: active members inside their notice period or already expired,
// sorted. A double click picks the member for the member window.
class TfrmSospesi : public QDialog {
    Q_OBJECT
public:
    TfrmSospesi(platform::Context& ctx, QWidget* parent);
    std::optional<qint64> pickedRecord() const { return picked_; }

private:
    MemberListPanel* panElenco_;
    std::optional<qint64> picked_;
};

} // namespace members
