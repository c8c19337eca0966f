#pragma once

#include "core/archive.h"
#include "deadlines/deadline_list_panel.h"
#include "deadlines/deadline_lists.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QLabel;

namespace deadlines {

// The deadline search: up to ten criteria, then the sorted lines of the sheets of the opened
// year that meet them all. A double click picks the sheet, in the mode "Scadenzario" only.
class TfrmTrovaScadenzario : public QDialog {
    Q_OBJECT
public:
    TfrmTrovaScadenzario(platform::Context& ctx, QWidget* parent, core::Archive archive,
                         const QString& mode);

    void search(); // "Cerca"
    std::optional<qint64> pickedRecord() const { return picked_; }
    DeadlineListPanel* results() const { return panContainer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pick(const QString& line);

    platform::Context& ctx_;
    core::Archive archive_;
    QWidget* panAvvio_;
    DeadlineListPanel* panContainer_;
    std::array<QLineEdit*, kSearchFields.size()> criteria_{};
    QLabel* lblAttendere_;
    QLabel* lblConta_;
    QLabel* lblMemory_;
    RecordTest test_; // the criteria of the search shown, applied again on a pick
    std::optional<qint64> picked_;
};

} // namespace deadlines
