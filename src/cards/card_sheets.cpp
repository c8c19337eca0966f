#include "cards/card_sheets.h"

#include "core/record_file.h"
#include "members/member_archive.h"
#include "members/member_photo.h"
#include "platform/buttons.h"
#include "platform/help.h"
#include "platform/ui.h"
#include "reports/report_error.h"

#include <QDir>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <exception>

namespace cards {

namespace {

// The photo box is 26 x 28.8 mm. Paper needs about 300 dpi; a preview keeps every picture of
// every sheet in memory at once, so it gets 150 dpi (sharp up to 150 % on screen): 1,000 cards
// then hold about 100 MB of photos rather than 460 MB.
constexpr QSize kPrintPhoto{310, 340}, kPreviewPhoto{155, 170};

QImage printedPhoto(const QString& folder, qint64 record, QSize most) {
    // Decoded straight at about the printed size: a camera's JPEG decodes several times faster
    // scaled down in the reader than whole.
    QImageReader reader(QDir(folder).filePath(members::photoFileName(record)));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const int side = std::max(most.width(), most.height());
    if (size.isValid() && (size.width() > side || size.height() > side))
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    QImage photo = reader.read();
    if (photo.isNull() || photo.width() < 1 || photo.height() < 1)
        return members::placeholderPhoto();
    if (photo.width() > most.width() || photo.height() > most.height())
        photo = photo.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return photo;
}

QString batchText(int cards, int sheets) {
    return QStringLiteral("Stampa delle tessere di %1 Soci su %2 fogli A4 orizzontali.")
        .arg(cards)
        .arg(sheets);
}

} // namespace

std::optional<CardBatch> readCardBatch(const QString& folder, const std::vector<qint64>& records) {
    // Where each record's card goes; one scan fills them all.
    QHash<qint64, std::vector<size_t>> wanted;
    for (size_t i = 0; i < records.size(); ++i)
        wanted[records[i]].push_back(i);
    CardBatch batch;
    batch.cards.resize(records.size());
    qsizetype left = wanted.size();
    const core::RecordLayout& layout = members::memberLayout();
    const bool read = members::MemberArchive(folder).archive().scan(
        [&](qint64 number, const char* record) {
            const auto found = wanted.constFind(number);
            if (found == wanted.cend()) return true;
            BatchCard card{number,
                           layout.load(record, members::Tesserato),
                           layout.load(record, members::Carica),
                           layout.load(record, members::NumTessera),
                           layout.load(record, members::DataRil),
                           layout.load(record, members::DataScade)};
            for (size_t at : *found)
                batch.cards[at] = card;
            return --left > 0;
        });
    if (!read || left > 0) return std::nullopt;
    batch.organisation = readOrganisation(QDir(folder).filePath(kSettingsFileName));
    batch.logo = readLogo(QDir(folder).filePath(kLogoFileName));
    if (batch.logo.isNull()) batch.logo = placeholderLogo();
    return batch;
}

reports::Report batchSheet(const CardBatch& batch, int sheet, const QString& folder,
                           const QDate& today, bool forPreview) {
    reports::Report report(sheetTemplate());
    for (int slot = 0; slot < kSheetSlots; ++slot) {
        const size_t at = size_t(sheet) * kSheetSlots + size_t(slot);
        CardContent card;
        card.organisation = batch.organisation;
        QImage photo = members::placeholderPhoto(); // a cleared card past the last member
        if (at < batch.cards.size()) {
            const BatchCard& c = batch.cards[at];
            photo = printedPhoto(folder, c.record, forPreview ? kPreviewPhoto : kPrintPhoto);
            card.tesserato = c.tesserato;
            card.carica = c.carica;
            card.numTessera = c.numTessera;
            card.dataRil = c.dataRil;
            card.dataScade = c.dataScade;
        }
        fillCard(report, card, slotSuffix(slot));
        // Shared, not copied as setPicture would: a preview keeps every sheet's pictures, and
        // the logo and the placeholder are the same on all of them.
        report.object(u"imgLogo"_qs + slotSuffix(slot)).image = batch.logo;
        report.object(u"imgFoto"_qs + slotSuffix(slot)).image = photo;
    }
    report.prepare(today);
    return report;
}

platform::PrintJob cardSheetsJob(std::shared_ptr<const CardBatch> batch, const QString& folder,
                                 const QDate& today) {
    const QPageLayout layout = reports::Report(sheetTemplate()).pageLayout();
    auto render = [batch, folder, today](QPrinter& printer) {
        printer.setFullPage(true);
        QPainter painter;
        if (!painter.begin(&printer))
            throw reports::ReportError(
                QStringLiteral("Impossibile avviare la stampa sul dispositivo scelto."));
        // The preview records its pages as pictures; a printer or PDF writer paints at once.
        const bool preview = printer.paintEngine()->type() == QPaintEngine::Picture;
        const double dpmm = printer.logicalDpiX() / 25.4;
        const QPointF origin =
            printer.pageLayout().paintRectPixels(printer.logicalDpiX()).topLeft();
        for (int sheet = 0; sheet < batch->sheetCount(); ++sheet) {
            if (sheet > 0 && !printer.newPage()) {
                painter.end();
                throw reports::ReportError(
                    QStringLiteral("Impossibile passare alla pagina successiva."));
            }
            const reports::Report report = batchSheet(*batch, sheet, folder, today, preview);
            painter.save();
            painter.translate(-origin);
            report.paintPage(painter, 0, dpmm);
            painter.restore();
        }
        if (!painter.end())
            throw reports::ReportError(QStringLiteral("La stampa non è stata completata."));
    };
    return {layout, render, platform::PreviewOptions{.pageNavigation = true}};
}

namespace {

platform::PrintJobSource sheetsSource(platform::Context& ctx,
                                      std::shared_ptr<const CardBatch> batch) {
    return [&ctx, batch] { return cardSheetsJob(batch, ctx.folder, ctx.platform.today()); };
}

} // namespace

TfrmStampaTessereSoci::TfrmStampaTessereSoci(platform::Context& ctx, QWidget* parent,
                                             std::shared_ptr<const CardBatch> batch)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmStampaTessereSoci"),
                   .caption = QStringLiteral(" Stampa tessere dei Soci su fogli A4"),
                   .mode = platform::PrintMode::Print,
                   .face =
                       [n = int(batch->cards.size()), sheets = batch->sheetCount()](QDialog* d) {
                           platform::addPrinterPicture(d, QStringLiteral("imgStampante"),
                                                       {20, 20, 72, 72});
                           QLabel* text = platform::makeLabel(d, batchText(n, sheets),
                                                              QStringLiteral("lblTesto"));
                           text->setWordWrap(true);
                           text->setGeometry(104, 30, 340, 40);
                       },
                   .size = {460, 200},
                   .buttonsEnd = {442, 154}},
                  sheetsSource(ctx, batch)),
      source_(sheetsSource(ctx, batch)) {
    auto* preview = platform::dialogButton(this, QStringLiteral("btnAnteprima"),
                                           QStringLiteral("Anteprima"), {20, 154, 110, 30});
    connect(preview, &QPushButton::clicked, this, &TfrmStampaTessereSoci::showPreview);
    auto* help = platform::dialogButton(this, QStringLiteral("btnGuida"), QStringLiteral("Guida"),
                                        {134, 154, 76, 30});
    connect(help, &QPushButton::clicked, this, [this] {
        ctx_.platform.showHelp(this, platform::helpTopic(u"cards"_qs, u"tesseresoci"_qs));
    });
}

void TfrmStampaTessereSoci::showPreview() {
    // The prompt stays open: after looking, the user prints or cancels here.
    platform::printNow(ctx_, this, platform::PrintMode::Preview, source_);
}

void printCards(platform::Context& ctx, QWidget* parent, const std::vector<qint64>& records) {
    if (records.empty()) return;
    std::optional<CardBatch> batch = readCardBatch(ctx.folder, records);
    if (!batch) {
        ctx.platform.message(parent, platform::MsgKind::Error, core::archiveAccessMessage());
        return;
    }
    TfrmStampaTessereSoci prompt(ctx, parent,
                                 std::make_shared<const CardBatch>(std::move(*batch)));
    ctx.platform.runModal(prompt);
}

} // namespace cards
