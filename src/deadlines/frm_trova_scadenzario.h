#pragma once

#include "core/archive.h"
#include "deadlines/deadline_list_panel.h"
#include "deadlines/deadline_lists.h"
#include "reports/list_dialog.h"

#include <optional>

namespace deadlines {

// The deadline search: up to ten criteria, then the sorted lines of the sheets of the opened
// year that meet them all. A double click picks the sheet, in the mode "Scadenzario" only.
class TfrmTrovaScadenzario : public reports::SearchDialog {
    Q_OBJECT
public:
    TfrmTrovaScadenzario(platform::Context& ctx, QWidget* parent, core::Archive archive,
                         const QString& mode);
    std::optional<qint64> pickedRecord() const { return picked_; }

private:
    core::ListRows find() override;
    void pick(qint64 record) override;

    core::Archive archive_;
    std::optional<qint64> picked_;
};

} // namespace deadlines
