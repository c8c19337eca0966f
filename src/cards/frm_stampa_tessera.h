#pragma once

#include "cards/card_settings.h"
#include "cards/card_templates.h"
#include "platform/print_prompt.h"

#include <functional>

class QLineEdit;
class QRadioButton;

namespace cards {

// Reads the card as it stands in its window, at the moment of printing.
using CardSource = std::function<CardContent()>;

// The single card as the print window sends it to the printer.
reports::Report printedCard(const CardContent& card, const CardPrintSettings& settings,
                            const QDate& today);

// The single card's print window: orientation and margins (kept in Tesserini.ini), then the
// print dialog. Any failure, saving the settings included, shows the window's own warning.
class TfrmStampaTessera : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaTessera(platform::Context& ctx, QWidget* parent, CardSource card);

    CardPrintSettings settings() const;

protected:
    bool beforeJob() override;
    void failed(const QString& reason) override;

private:
    QRadioButton* optOrizzontale_;
    QLineEdit* txtSuperiore_;
    QLineEdit* txtSinistro_;
};

// The single card's preview: portrait, no margins.
class TfrmAnteprimaTessera : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmAnteprimaTessera(platform::Context& ctx, QWidget* parent, CardSource card);
};

} // namespace cards
