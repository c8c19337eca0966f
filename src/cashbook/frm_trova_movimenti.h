#pragma once

#include "cashbook/movement_list_panel.h"
#include "cashbook/movement_lists.h"
#include "platform/context.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <optional>

namespace cashbook {

// The movement search over the current year file: filters first, then the sorted list of the
// movements that match. A double click hands the movement to the opener, in mode "movimenti".
class TfrmTrovaMovimenti : public QDialog {
    Q_OBJECT
public:
    TfrmTrovaMovimenti(platform::Context& ctx, QWidget* parent, const QString& yearFile,
                       const QString& mode);

    void search(); // "Cerca"
    std::optional<Movement> chosen() const { return chosen_; }
    QString mode() const { return lblMemory_->text(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(const QString& line);

    platform::Context& ctx_;
    core::Archive archive_;
    QWidget* panAvvio_;
    MovementListPanel* panContainer_;
    std::array<QLineEdit*, kSearchFields.size()> filters_{};
    MovementFilters searched_; // the filters of the list shown
    QLabel* lblAttendere_;
    QLabel* lblMemory_;
    std::optional<Movement> chosen_;
};

} // namespace cashbook
