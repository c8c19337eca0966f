#include "cards/frm_stampa_tessere.h"

#include "cards/frm_stampa_tessera.h"
#include "platform/ui.h"

#include <QLabel>
#include <QPushButton>

namespace cards {

reports::Report printedSheet(const std::array<CardContent, kSheetSlots>& cards,
                             const QDate& today) {
    reports::Report report(sheetTemplate());
    for (int i = 0; i < kSheetSlots; ++i)
        fillCard(report, cards[i], slotSuffix(i));
    report.prepare(today);
    return report;
}

TfrmStampaTessere::TfrmStampaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet)
    : QDialog(parent), ctx_(ctx), sheet_(std::move(sheet)) {
    platform::setupDialog(this, QStringLiteral("TfrmStampaTessere"),
                          QStringLiteral(" Stampa più tessere su foglio A4"), {380, 200});
    addPrinterPicture(this, QStringLiteral("imgStampante"), {20, 20, 72, 72});
    platform::makeLabel(this, QStringLiteral("Stampa dei nove tesserini su foglio A4 orizzontale."))
        ->setGeometry(104, 30, 260, 40);
    lblAttendere_ = addWaitLine(this, {20, 110, 300, 20});
    auto* annulla =
        dialogButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), {136, 154, 110, 30});
    auto* stampa =
        dialogButton(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), {252, 154, 110, 30});
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(stampa, &QPushButton::pressed, this, [this] { lblAttendere_->show(); });
    connect(stampa, &QPushButton::clicked, this, &TfrmStampaTessere::print);
}

void TfrmStampaTessere::print() {
    lblAttendere_->show();
    const reports::Report report = printedSheet(sheet_(), ctx_.platform.today());
    reports::runGuarded(ctx_, this, [&] { report.print(ctx_, this); });
    lblAttendere_->hide();
    accept();
}

TfrmAnteprimaTessere::TfrmAnteprimaTessere(platform::Context& ctx, QWidget* parent,
                                           SheetSource sheet)
    : QDialog(parent), ctx_(ctx), sheet_(std::move(sheet)) {
    platform::setupDialog(this, QStringLiteral("TfrmAnteprimaTessere"),
                          QStringLiteral(" Anteprima di stampa"), {380, 200});
    lblAttendere_ = buildPreviewPrompt(
        this, QStringLiteral("Anteprima dei nove tesserini su foglio A4 orizzontale."),
        [this] { showPreview(); });
}

void TfrmAnteprimaTessere::showPreview() {
    lblAttendere_->show();
    const reports::Report report = printedSheet(sheet_(), ctx_.platform.today());
    lblAttendere_->hide();
    reports::runGuarded(ctx_, this, [&] { report.preview(ctx_, this); });
    accept();
}

} // namespace cards
