#include "cashbook/frm_stampa_movimento.h"

#include "cashbook/movement_sheet.h"

namespace cashbook {

TfrmStampaMovimento::TfrmStampaMovimento(platform::Context& ctx, QWidget* parent,
                                         MovementSource movement)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmStampaMovimento"),
                   .caption = QStringLiteral(" Stampa scheda corrente"),
                   .mode = platform::PrintMode::Print,
                   .text = QStringLiteral("Stampa della scheda corrente su foglio A4 verticale.")},
                  [&ctx, movement = std::move(movement)] {
                      return platform::printJob(movementSheet(movement(), ctx.platform.now()));
                  }) {}

} // namespace cashbook
