#include "deadlines/frm_riepiloghi.h"

#include "deadlines/deadline_list_panel.h"
#include "platform/record_form.h"
#include "platform/ui.h"

namespace deadlines {

DeadlineSummary::DeadlineSummary(platform::Context& ctx, QWidget* parent, core::Archive archive,
                                 const Kind& kind)
    : ListDialog(ctx, parent, QLatin1String(kind.className), QString::fromUtf8(kind.caption),
                 deadlineListFace(QString::fromUtf8(kind.printTitle), false)),
      archive_(std::move(archive)), test_(summaryTest(kind.summary)) {
    // A failure while reading keeps the lines read before it, without a message.
    panel_->showLines(listLines(archive_, test_).lines);
}

void DeadlineSummary::pick(const QString& line) {
    // Only a sheet that this summary lists can be picked, even when another sheet gives the
    // same line.
    const LineRecord r = recordOfLine(archive_, line, test_);
    if (!r.ok) {
        platform::showAccessMessage(ctx_, this);
        reject();
        return;
    }
    picked_ = r.number;
    picked_ ? accept() : reject();
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
