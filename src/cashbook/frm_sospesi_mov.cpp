#include "cashbook/frm_sospesi_mov.h"

#include "cashbook/movement_lists.h"

namespace cashbook {

TfrmSospesiMov::TfrmSospesiMov(platform::Context& ctx, QWidget* parent, const QString& yearFile)
    : ListDialog(ctx, parent, u"TfrmSospesiMov"_qs,
                 u" Riepilogo pagamenti in scadenza o scaduti"_qs,
                 {u"panElenco"_qs,
                  u"Riepilogo pagamenti in scadenza o scaduti e non saldati"_qs,
                  nullptr,
                  {},
                  false,
                  core::EmptyKey::FindsNothing}),
      archive_(yearArchive(yearFile)) {
    // Stops at a record it cannot read, keeping what came before, without a message.
    panel_->showLines(pendingMovements(archive_, ctx.platform.today()).lines);
}

void TfrmSospesiMov::pick(const QString& line) {
    // The line alone may stand for a settled movement too: only one the list would show loads.
    const QDate today = ctx_.platform.today();
    chosen_ = movementOfLine(
        archive_, line, [&](const char* rec) { return isPending(rec, today).value_or(false); });
    chosen_ ? accept() : reject();
}

} // namespace cashbook
