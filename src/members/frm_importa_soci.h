#pragma once

#include "members/member_list_panel.h"
#include "platform/context.h"

#include <QDialog>
#include <QLabel>

#include <optional>

namespace members {

// The members'-book picker: every member with a name (cancelled ones too), listed at once.
class TfrmImportaSoci : public QDialog {
    Q_OBJECT
public:
    TfrmImportaSoci(platform::Context& ctx, QWidget* parent, const QString& mode);

    std::optional<qint64> pickedRecord() const { return picked_; }
    QString mode() const { return lblMemory_->text(); }

private:
    MemberListPanel* panElenco_;
    QLabel* lblMemory_;
    std::optional<qint64> picked_;
};

} // namespace members
