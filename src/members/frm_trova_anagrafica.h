#pragma once

#include "members/member_lists.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <optional>

namespace members {

// The member search: filters first, then the sorted list of the active members that match.
// A double click picks the record; the opener applies it by its mode word (member_pick.h).
// "Stampa tessere" (btnStampaTessere) under a member list: the cards of every listed member, in
// list order, through ctx.actions.printCards. Not added when the program offers no card printing.
void addPrintCardsButton(platform::Context& ctx, QWidget* window, reports::ListPanel* panel);

class TfrmTrovaAnagrafica : public reports::SearchDialog {
    Q_OBJECT
public:
    TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent, const QString& mode);
    std::optional<qint64> pickedRecord() const { return picked_; }

private:
    std::optional<QStringList> find() override;
    void pick(const QString& line) override;

    std::optional<qint64> picked_;
};

} // namespace members
