#include "cashbook/frm_sospesi_mov.h"

#include "cashbook/movement_lists.h"
#include "platform/ui.h"

namespace cashbook {

TfrmSospesiMov::TfrmSospesiMov(platform::Context& ctx, QWidget* parent, const QString& yearFile)
    : QDialog(parent), ctx_(ctx), archive_(yearArchive(yearFile)) {
    platform::setupDialog(this, u"TfrmSospesiMov"_qs,
                          u" Riepilogo pagamenti in scadenza o scaduti"_qs, {862, 560});
    panElenco_ =
        new MovementListPanel(ctx, this, u"panElenco"_qs,
                              u"Riepilogo pagamenti in scadenza o scaduti e non saldati"_qs, false);
    connect(panElenco_, &MovementListPanel::closeRequested, this, &QDialog::reject);
    connect(panElenco_, &MovementListPanel::chosen, this, &TfrmSospesiMov::choose);
    // Stops at a record it cannot read, keeping what came before, without a message.
    panElenco_->setLines(pendingMovements(archive_, ctx.platform.today()).lines);
    panElenco_->resetFind();
    panElenco_->focusFind();
}

void TfrmSospesiMov::choose(const QString& line) {
    // The line alone may stand for a settled movement too: only one the list would show loads.
    const QDate today = ctx_.platform.today();
    chosen_ = movementOfLine(
        archive_, line, [&](const char* rec) { return isPending(rec, today).value_or(false); });
    chosen_ ? accept() : reject();
}

} // namespace cashbook
