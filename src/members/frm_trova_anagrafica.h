#pragma once

#include "members/member_lists.h"
#include "platform/context.h"
#include "reports/list_dialog.h"

#include <QCheckBox>

#include <optional>

namespace members {

// The member search: filters first, then the sorted list of the active members that match
// (`chkAnnullate`: the cancelled ones too, marked). A double click or Enter picks the record;
// the opener applies it by its mode word (member_pick.h).

// "Stampa tessere" (btnStampaTessere) under a member list: the cards of the chosen members
// (two or more lines chosen with Ctrl/Shift) or else of every listed member, in list order,
// through ctx.actions.printCards. Not added when the program offers no card printing.
void addPrintCardsButton(platform::Context& ctx, QWidget* window, reports::ListPanel* panel);

class TfrmTrovaAnagrafica : public reports::SearchDialog {
    Q_OBJECT
public:
    TfrmTrovaAnagrafica(platform::Context& ctx, QWidget* parent, const QString& mode);
    std::optional<qint64> pickedRecord() const { return picked_; }

private:
    core::ListRows find() override;
    void pick(qint64 record) override;

    QCheckBox* chkAnnullate_;
    std::optional<qint64> picked_;
};

} // namespace members
