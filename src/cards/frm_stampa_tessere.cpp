#include "cards/frm_stampa_tessere.h"

namespace cards {

namespace {

platform::PrintJobSource sheetJob(platform::Context& ctx, SheetSource sheet) {
    return [&ctx, sheet = std::move(sheet)] {
        return platform::printJob(printedSheet(sheet(), ctx.platform.today()));
    };
}

} // namespace

reports::Report printedSheet(const std::array<CardContent, kSheetSlots>& cards,
                             const QDate& today) {
    reports::Report report(sheetTemplate());
    for (int i = 0; i < kSheetSlots; ++i)
        fillCard(report, cards[i], slotSuffix(i));
    report.prepare(today);
    return report;
}

TfrmStampaTessere::TfrmStampaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmStampaTessere"),
                   .caption = QStringLiteral(" Stampa più tessere su foglio A4"),
                   .mode = platform::PrintMode::Print,
                   .text = QStringLiteral("Stampa dei nove tesserini su foglio A4 orizzontale.")},
                  sheetJob(ctx, std::move(sheet))) {}

TfrmAnteprimaTessere::TfrmAnteprimaTessere(platform::Context& ctx, QWidget* parent,
                                           SheetSource sheet)
    : PrintPrompt(
          ctx, parent,
          {.className = QStringLiteral("TfrmAnteprimaTessere"),
           .caption = QStringLiteral(" Anteprima di stampa"),
           .mode = platform::PrintMode::Preview,
           .text = QStringLiteral("Anteprima dei nove tesserini su foglio A4 orizzontale.")},
          sheetJob(ctx, std::move(sheet))) {}

} // namespace cards
