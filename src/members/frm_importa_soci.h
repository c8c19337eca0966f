#pragma once

#include "members/member_lists.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <QLabel>

#include <optional>

namespace members {

// The members'-book picker: every member with a name (cancelled ones too), listed at once.
class TfrmImportaSoci : public reports::ListDialog {
    Q_OBJECT
public:
    TfrmImportaSoci(platform::Context& ctx, QWidget* parent, const QString& mode);

    std::optional<qint64> pickedRecord() const { return picked_; }
    QString mode() const { return lblMemory_->text(); }

private:
    void pick(qint64 record) override;

    QLabel* lblMemory_;
    std::optional<qint64> picked_;
};

} // namespace members
