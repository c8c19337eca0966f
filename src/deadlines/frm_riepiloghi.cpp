#include "deadlines/frm_riepiloghi.h"

#include "deadlines/deadline_list_panel.h"
#include "platform/record_form.h"
#include "platform/ui.h"

namespace deadlines {

DeadlineSummary::DeadlineSummary(platform::Context& ctx, QWidget* parent, core::Archive archive,
                                 const Kind& kind)
    : ListDialog(ctx, parent, QLatin1String(kind.className), QString::fromUtf8(kind.caption),
                 deadlineListFace(QString::fromUtf8(kind.printTitle), false)),
      archive_(std::move(archive)) {
    panel_->showRows(listLines(archive_, summaryTest(kind.summary)));
}

void DeadlineSummary::pick(qint64 record) {
    // The sheet is read whole by the deadline window; one that cannot be read is not picked.
    if (!archive_.read(record)) {
        platform::showAccessMessage(ctx_, this);
        return reject();
    }
    picked_ = record;
    accept();
}

TfrmDaConfermare::TfrmDaConfermare(platform::Context& ctx, QWidget* parent,
                                   const core::Archive& archive)
    : DeadlineSummary(ctx, parent, archive,
                      {"TfrmDaConfermare", " Riepilogo appuntamenti da confermare",
                       "Riepilogo appuntamenti da confermare", Summary::ToConfirm}) {}

TfrmConfermati::TfrmConfermati(platform::Context& ctx, QWidget* parent,
                               const core::Archive& archive)
    : DeadlineSummary(ctx, parent, archive,
                      {"TfrmConfermati", " Riepilogo pagamenti da effettuare",
                       "Riepilogo pagamenti da effettuare", Summary::ToPay}) {}

TfrmNonConfermati::TfrmNonConfermati(platform::Context& ctx, QWidget* parent,
                                     const core::Archive& archive)
    : DeadlineSummary(ctx, parent, archive,
                      {"TfrmNonConfermati", " Riepilogo pagamenti effettuati",
                       "Riepilogo pagamenti effettuati", Summary::Paid}) {}

} // namespace deadlines
