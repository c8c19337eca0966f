#pragma once

#include "cards/card_templates.h"
#include "platform/print_prompt.h"

#include <array>
#include <functional>

namespace cards {

// Reads the nine slots as they stand in the nine-card window.
using SheetSource = std::function<std::array<CardContent, kSheetSlots>()>;

// The nine cards filled into the sheet template and laid out.
reports::Report printedSheet(const std::array<CardContent, kSheetSlots>& cards, const QDate& today);

// The nine-card sheet's print window: no settings, straight to the print dialog.
class TfrmStampaTessere : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet);
};

class TfrmAnteprimaTessere : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmAnteprimaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet);
};

} // namespace cards
