#pragma once

#include "cards/card_settings.h"
#include "reports/report.h"
#include "reports/report_template.h"

#include <QImage>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

namespace cards {

// Everything one printed card shows.
struct CardContent {
    OrganisationTexts organisation;
    QImage logo;
    QImage photo;
    QString tesserato, carica, numTessera, dataRil, dataScade;
};

// The card design in its three forms: the single card as printed, the single card in the
// preview (texts at the top of their boxes), and one card of the nine-card sheet.
enum class CardStyle { Print, Preview, Sheet };

inline constexpr double kCardWidthMm = 86;
inline constexpr double kCardHeightMm = 54;
inline constexpr int kSheetSlots = 9;

// The card's objects with names ending in `suffix`, moved by `offsetMm` from the first
// card's place (its outline at 10, 10 mm).
std::vector<reports::ReportObject> cardObjects(CardStyle style, QPointF offsetMm = {},
                                               const QString& suffix = {});

// The single card on A4 portrait, margins 0 ("repTessera").
reports::Template singleCardTemplate(CardStyle style);
// Nine cards on A4 landscape, margins 0 ("repTessere"), slots "_A" to "_I".
reports::Template sheetTemplate();

// Slot 0..8: "_A".."_I", and where its card stands relative to the first.
QString slotSuffix(int slot);
QPointF slotOffsetMm(int slot);

// Fills one card's objects (those named with `suffix`); texts are trimmed.
void fillCard(reports::Report& report, const CardContent& card, const QString& suffix = {});

} // namespace cards
