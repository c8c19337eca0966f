// The deadline window's lists, summaries, search, export and sheet print.
#include "deadlines/deadline_sheet.h"
#include "deadlines/frm_exp_scadenze.h"
#include "deadlines/frm_riepiloghi.h"
#include "deadlines/frm_scadenzario.h"
#include "deadlines/frm_trova_scadenzario.h"
#include "platform/print_prompt.h"

namespace deadlines {

namespace {

template <class Grid, class... Args> void showGrid(platform::Context& ctx, Args&&... args) {
    Grid dialog(ctx, std::forward<Args>(args)...);
    ctx.platform.runModal(dialog);
}

// A sheet picked in a summary or the search is read whole and shown all at once.
template <class Picker, class... Args> void pickAndLoad(TfrmScadenzario& window, Args&&... args) {
    platform::Context& ctx = window.context();
    Picker dialog(ctx, &window, window.archive(), std::forward<Args>(args)...);
    if (ctx.platform.runModal(dialog) == QDialog::Accepted && dialog.pickedRecord())
        window.loadRecord(*dialog.pickedRecord());
}

} // namespace

void TfrmScadenzario::imminentList() {
    showGrid<TfrmExpImminenti>(ctx_, this);
}

void TfrmScadenzario::dayList() {
    showGrid<TfrmExpGiornaliere>(ctx_, this, selectedDate());
}

void TfrmScadenzario::monthList() {
    showGrid<TfrmExpMensili>(ctx_, this, selectedDate());
}

void TfrmScadenzario::exportExcel() {
    showGrid<TfrmExpScadenzario>(ctx_, this, archive());
}

void TfrmScadenzario::toConfirm() {
    pickAndLoad<TfrmDaConfermare>(*this);
}

void TfrmScadenzario::toPay() {
    pickAndLoad<TfrmConfermati>(*this);
}

void TfrmScadenzario::paid() {
    pickAndLoad<TfrmNonConfermati>(*this);
}

void TfrmScadenzario::find() {
    pickAndLoad<TfrmTrovaScadenzario>(*this, QStringLiteral("Scadenzario"));
}

// The sheet is built from what the window shows when the command runs, saved or not.
void TfrmScadenzario::preview() {
    platform::printNow(ctx_, this, platform::PrintMode::Preview, [this] {
        platform::PrintJob job =
            platform::printJob(deadlineSheetReport(values(), ctx_.platform.now()));
        job.preview.pageNavigation = true; // the one preview with thumbnails and page buttons
        return job;
    });
}

void TfrmScadenzario::print() {
    platform::printNow(ctx_, this, platform::PrintMode::Print, [this] {
        return platform::printJob(deadlineSheetReport(values(), ctx_.platform.now()));
    });
}

} // namespace deadlines
