#include "cashbook/frm_sospesi_mov.h"

#include "cashbook/movement_lists.h"
#include "platform/record_form.h"

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
    panel_->showRows(pendingMovements(archive_, ctx.platform.today()));
}

void TfrmSospesiMov::pick(qint64 record) {
    // The movement is read whole, or nothing is picked.
    const std::optional<QStringList> values = archive_.read(record);
    if (!values) return platform::showAccessMessage(ctx_, this);
    chosen_ = Movement{record, *values};
    accept();
}

} // namespace cashbook
