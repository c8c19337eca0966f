#include "deadlines/frm_riepiloghi.h"

#include "platform/record_form.h"
#include "platform/ui.h"

namespace deadlines {

DeadlineSummary::DeadlineSummary(platform::Context& ctx, QWidget* parent, core::Archive archive,
                                 const Kind& kind)
    : QDialog(parent), ctx_(ctx), archive_(std::move(archive)), test_(summaryTest(kind.summary)) {
    platform::setupDialog(this, QLatin1String(kind.className), QString::fromUtf8(kind.caption),
                          {862, 560});
    panel_ = new DeadlineListPanel(ctx_, this, QString::fromUtf8(kind.printTitle), false);
    connect(panel_, &DeadlineListPanel::closeRequested, this, &QDialog::reject);
    connect(panel_, &DeadlineListPanel::lineActivated, this, &DeadlineSummary::pick);
    // A failure while reading keeps the lines read before it, without a message.
    panel_->setLines(listLines(archive_, test_).lines);
    panel_->resetFind();
    panel_->focusFind();
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
