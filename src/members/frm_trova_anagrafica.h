#pragma once

#include "members/member_list_panel.h"
#include "members/member_lists.h"
#include "platform/context.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace members {

// The member search: filters first, then the sorted list of the active members that match.
// A double click picks the record; the opener applies it by its mode word (member_pick.h).
class TfrmTrovaAnagrafica : public QDialog {
    Q_OBJECT
public:
    TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent, const QString& mode);

    void search(); // "Cerca"
    std::optional<qint64> pickedRecord() const { return picked_; }
    QString mode() const { return lblMemory_->text(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onPicked(std::optional<qint64> number, bool ok);

    platform::Context& ctx_;
    QWidget* panFiltri_;
    MemberListPanel* panElenco_;
    std::array<QLineEdit*, kFilterFields.size()> filters_{};
    QLabel* lblAttendere_;
    QLabel* lblConta_;
    QLabel* lblMemory_;
    std::optional<qint64> picked_;
};

} // namespace members
