#include "cards/frm_stampa_tessera.h"

#include "platform/buttons.h"
#include "platform/ui.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cards {

namespace {

// Instructions, the orientation panel and the two margin rows with their "-" and "+".
void buildMarginsFace(QDialog* dialog) {
    platform::addPrinterPicture(dialog, QStringLiteral("imgIstruzioni"), {16, 16, 64, 64});
    auto* note = platform::makeLabel(
        dialog,
        QStringLiteral(
            "Per centrare la stampa sul supporto, trovare con alcune stampe di prova i margini "
            "superiore e sinistro in millimetri: aumentare i valori sposta la stampa in basso e a "
            "destra, diminuirli (anche sotto lo zero) la sposta in alto e a sinistra."),
        QStringLiteral("lblIstruzioni"));
    note->setWordWrap(true);
    note->setGeometry(96, 12, 404, 78);

    auto* pan = new QGroupBox(QStringLiteral("Orientamento:"), dialog);
    pan->setObjectName(QStringLiteral("panOrientamento"));
    pan->setGeometry(16, 100, 160, 86);
    auto* verticale = platform::makeOption(pan, QStringLiteral("optVerticale"),
                                           QStringLiteral("Verticale"), {14, 24, 130, 22});
    auto* orizzontale = platform::makeOption(pan, QStringLiteral("optOrizzontale"),
                                             QStringLiteral("Orizzontale"), {14, 52, 130, 22});

    struct MarginRow {
        const char* name;
        const char* caption;
        const char* minus;
        const char* plus;
        int y;
    };
    const MarginRow rows[] = {
        {"txtSuperiore", "Margine superiore:", "btnMenoSuperiore", "btnPiuSuperiore", 112},
        {"txtSinistro", "Margine sinistro:", "btnMenoSinistro", "btnPiuSinistro", 152},
    };
    for (const MarginRow& r : rows) {
        platform::makeLabel(dialog, QString::fromUtf8(r.caption))
            ->setGeometry(196, r.y + 4, 130, 20);
        auto* minus = platform::dialogButton(dialog, QLatin1String(r.minus), QStringLiteral("-"),
                                             {330, r.y, 28, 28});
        QLineEdit* field = platform::makeEdit(dialog, QLatin1String(r.name), 0);
        field->setGeometry(362, r.y, 60, 28);
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
        auto* plus = platform::dialogButton(dialog, QLatin1String(r.plus), QStringLiteral("+"),
                                            {426, r.y, 28, 28});
        platform::makeLabel(dialog, QStringLiteral("mm"))->setGeometry(460, r.y + 4, 30, 20);
        // No bounds: a margin may go below zero to move the card up or left.
        auto step = [field](int delta) {
            field->setText(QString::number(marginValue(field->text()) + delta));
        };
        QObject::connect(minus, &QPushButton::clicked, field, [step] { step(-1); });
        QObject::connect(plus, &QPushButton::clicked, field, [step] { step(+1); });
    }
}

} // namespace

reports::Report printedCard(const CardContent& card, const CardPrintSettings& settings,
                            const QDate& today) {
    reports::Report report(singleCardTemplate(CardStyle::Print));
    report.setOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The engine paints the margins itself, so negative ones move the card up or left; the
    // printer's own page margins stay at zero.
    report.setTopMargin(settings.top);
    report.setLeftMargin(settings.left);
    fillCard(report, card);
    report.prepare(today);
    return report;
}

// --- TfrmStampaTessera ---------------------------------------------------------------------

TfrmStampaTessera::TfrmStampaTessera(platform::Context& ctx, QWidget* parent, CardSource card)
    : PrintPrompt(ctx, parent,
                  {.className = QStringLiteral("TfrmStampaTessera"),
                   .caption = QStringLiteral(" Stampa tesserino"),
                   .mode = platform::PrintMode::Print,
                   .face = buildMarginsFace,
                   .size = {520, 262},
                   .waitLine = {16, 226, 250, 20},
                   .buttonsEnd = {506, 218}},
                  [this, card = std::move(card)] {
                      return platform::printJob(
                          printedCard(card(), settings(), ctx_.platform.today()));
                  }),
      optOrizzontale_(findChild<QRadioButton*>(QStringLiteral("optOrizzontale"))),
      txtSuperiore_(findChild<QLineEdit*>(QStringLiteral("txtSuperiore"))),
      txtSinistro_(findChild<QLineEdit*>(QStringLiteral("txtSinistro"))) {
    const CardPrintSettings saved = readPrintSettings(ctx_.path(kSettingsFileName));
    txtSuperiore_->setText(QString::number(saved.top));
    txtSinistro_->setText(QString::number(saved.left));
    auto* verticale = findChild<QRadioButton*>(QStringLiteral("optVerticale"));
    (saved.landscape ? optOrizzontale_ : verticale)->setChecked(true);
}

CardPrintSettings TfrmStampaTessera::settings() const {
    return {marginValue(txtSuperiore_->text()), marginValue(txtSinistro_->text()),
            optOrizzontale_->isChecked()};
}

bool TfrmStampaTessera::beforeJob() {
    // Saved before printing, and kept even when the print then fails.
    return writePrintSettings(ctx_.path(kSettingsFileName), settings());
}

void TfrmStampaTessera::failed(const QString&) {
    ctx_.platform.message(
        this, platform::MsgKind::Warning,
        QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                       "Accertarsi che la stampante sia configurata correttamente."));
}

// --- TfrmAnteprimaTessera ------------------------------------------------------------------

TfrmAnteprimaTessera::TfrmAnteprimaTessera(platform::Context& ctx, QWidget* parent, CardSource card)
    : PrintPrompt(
          ctx, parent,
          {.className = QStringLiteral("TfrmAnteprimaTessera"),
           .caption = QStringLiteral(" Anteprima di stampa"),
           .mode = platform::PrintMode::Preview,
           .text = QStringLiteral("Anteprima del tesserino corrente su foglio A4 verticale.")},
          [this, card = std::move(card)] {
              // Portrait, without the saved margins.
              reports::Report report(singleCardTemplate(CardStyle::Preview));
              fillCard(report, card());
              report.prepare(ctx_.platform.today());
              return platform::printJob(std::move(report));
          }) {}

} // namespace cards
