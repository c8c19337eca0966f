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
    std::optional<QStringList> find() override;
    void pick(const QString& line) override;

    core::Archive archive_;
    RecordTest test_; // the criteria of the search shown, applied again on a pick
    std::optional<qint64> picked_;
};

} // namespace deadlines
