#pragma once

#include "cards/card_templates.h"
#include "platform/context.h"
#include "platform/print_prompt.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace cards {

// One chosen member's card texts; the photo is read only when its sheet is painted.
struct BatchCard {
    qint64 record = 0;
    QString tesserato, carica, numTessera, dataRil, dataScade;
};

// The cards of a selection: what every card shares and each member's texts, in the order asked.
struct CardBatch {
    OrganisationTexts organisation;
    QImage logo;
    std::vector<BatchCard> cards;

    int sheetCount() const { return int((cards.size() + kSheetSlots - 1) / kSheetSlots); }
};

// Reads the chosen members in one pass over the archive, in the order of `records` (a record
// named twice gives two cards), with the organisation texts and logo the nine-card window uses.
// Nothing when the archive cannot be read or a chosen record is not in it.
std::optional<CardBatch> readCardBatch(const QString& folder, const std::vector<qint64>& records);

// Sheet `sheet` (0-based) of the batch, filled and prepared; its photos are read now, at the
// size paper needs or, `forPreview`, the screen. Slots past the last card are cleared cards, as
// on the nine-card sheet.
reports::Report batchSheet(const CardBatch& batch, int sheet, const QString& folder,
                           const QDate& today, bool forPreview = false);

// Every sheet of the batch as one job; each sheet is built and painted in turn, so the photos of
// one sheet at a time are held. The preview offers the page buttons.
platform::PrintJob cardSheetsJob(std::shared_ptr<const CardBatch> batch, const QString& folder,
                                 const QDate& today);

// The prompt in front of a selection's cards: "Anteprima" (btnAnteprima) shows the preview and
// leaves the prompt open, "Stampa" prints every sheet.
class TfrmStampaTessereSoci : public platform::PrintPrompt {
    Q_OBJECT
public:
    TfrmStampaTessereSoci(platform::Context& ctx, QWidget* parent,
                          std::shared_ptr<const CardBatch> batch);

public slots:
    void showPreview();

private:
    platform::PrintJobSource source_;
};

// The cards of these member records, in this order, on as many nine-card sheets as needed.
// A record that cannot be read stops it all with the access message.
void printCards(platform::Context& ctx, QWidget* parent, const std::vector<qint64>& records);

} // namespace cards
