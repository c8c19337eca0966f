#include "cards/frm_stampa_tessera.h"

#include "platform/ui.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

namespace cards {

namespace {

// Lets the wait line appear before the work starts.
void showWaitLine(QLabel* line) {
    line->show();
    line->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

QPushButton* dialogButton(QDialog* dialog, const QString& name, const QString& text, QRect place) {
    auto* b = new QPushButton(text, dialog);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

QLabel* buildPreviewPrompt(QDialog* dialog, const QString& text, const std::function<void()>& show) {
    addPrinterPicture(dialog, QStringLiteral("imgStampante"), {20, 20, 72, 72});
    platform::makeLabel(dialog, text)->setGeometry(104, 30, 260, 40);
    QLabel* wait = addWaitLine(dialog, {20, 110, 300, 20});
    auto* annulla = dialogButton(dialog, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                                 {110, 154, 110, 30});
    auto* mostra = dialogButton(dialog, QStringLiteral("btnAnteprima"),
                                QStringLiteral("Mostra anteprima"), {226, 154, 136, 30});
    QObject::connect(annulla, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(mostra, &QPushButton::clicked, dialog, show);
    return wait;
}

QLabel* addWaitLine(QDialog* dialog, QRect place) {
    auto* l = platform::makeLabel(dialog, QStringLiteral("Elaborazione in corso. Attendere..."),
                                  QStringLiteral("lblAttendere"));
    l->setGeometry(place);
    l->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    l->hide();
    return l;
}

void addPrinterPicture(QDialog* dialog, const QString& name, QRect place) {
    auto* p = new QLabel(dialog);
    p->setObjectName(name);
    p->setGeometry(place);
    p->setPixmap(QIcon(QStringLiteral(":/art/stampa.svg")).pixmap(place.size()));
    p->setAlignment(Qt::AlignCenter);
}

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
    : QDialog(parent), ctx_(ctx), card_(std::move(card)) {
    platform::setupDialog(this, QStringLiteral("TfrmStampaTessera"),
                          QStringLiteral(" Stampa tesserino"), {520, 262});

    addPrinterPicture(this, QStringLiteral("imgIstruzioni"), {16, 16, 64, 64});
    auto* note = platform::makeLabel(
        this,
        QStringLiteral(
            "Per centrare la stampa sul supporto, trovare con alcune stampe di prova i margini "
            "superiore e sinistro in millimetri: aumentare i valori sposta la stampa in basso e a "
            "destra, diminuirli (anche sotto lo zero) la sposta in alto e a sinistra."),
        QStringLiteral("lblIstruzioni"));
    note->setWordWrap(true);
    note->setGeometry(96, 12, 404, 78);

    auto* pan = new QGroupBox(QStringLiteral("Orientamento:"), this);
    pan->setObjectName(QStringLiteral("panOrientamento"));
    pan->setGeometry(16, 100, 160, 86);
    optVerticale_ = new QRadioButton(QStringLiteral("Verticale"), pan);
    optVerticale_->setObjectName(QStringLiteral("optVerticale"));
    optVerticale_->setGeometry(14, 24, 130, 22);
    optOrizzontale_ = new QRadioButton(QStringLiteral("Orizzontale"), pan);
    optOrizzontale_->setObjectName(QStringLiteral("optOrizzontale"));
    optOrizzontale_->setGeometry(14, 52, 130, 22);

    struct MarginRow {
        QLineEdit** field;
        const char* name;
        const char* caption;
        const char* minus;
        const char* plus;
        int y;
    };
    const MarginRow rows[] = {
        {&txtSuperiore_, "txtSuperiore", "Margine superiore:", "btnMenoSuperiore",
         "btnPiuSuperiore", 112},
        {&txtSinistro_, "txtSinistro", "Margine sinistro:", "btnMenoSinistro", "btnPiuSinistro",
         152},
    };
    for (const MarginRow& r : rows) {
        platform::makeLabel(this, QString::fromUtf8(r.caption))->setGeometry(196, r.y + 4, 130, 20);
        auto* minus = dialogButton(this, QLatin1String(r.minus), QStringLiteral("-"), {330, r.y, 28, 28});
        *r.field = platform::makeEdit(this, QLatin1String(r.name), 0);
        (*r.field)->setGeometry(362, r.y, 60, 28);
        (*r.field)->setReadOnly(true);
        (*r.field)->setAlignment(Qt::AlignCenter);
        auto* plus = dialogButton(this, QLatin1String(r.plus), QStringLiteral("+"), {426, r.y, 28, 28});
        platform::makeLabel(this, QStringLiteral("mm"))->setGeometry(460, r.y + 4, 30, 20);
        QLineEdit* field = *r.field;
        connect(minus, &QPushButton::clicked, this, [this, field] { step(field, -1); });
        connect(plus, &QPushButton::clicked, this, [this, field] { step(field, +1); });
    }

    lblAttendere_ = addWaitLine(this, {16, 226, 250, 20});
    auto* annulla =
        dialogButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), {280, 218, 110, 30});
    auto* stampa =
        dialogButton(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), {396, 218, 110, 30});
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(stampa, &QPushButton::pressed, this, [this] { lblAttendere_->show(); });
    connect(stampa, &QPushButton::clicked, this, &TfrmStampaTessera::print);

    const CardPrintSettings saved = readPrintSettings(ctx_.path(kSettingsFileName));
    txtSuperiore_->setText(QString::number(saved.top));
    txtSinistro_->setText(QString::number(saved.left));
    (saved.landscape ? optOrizzontale_ : optVerticale_)->setChecked(true);
}

void TfrmStampaTessera::step(QLineEdit* field, int delta) {
    field->setText(QString::number(marginValue(field->text()) + delta));
}

CardPrintSettings TfrmStampaTessera::settings() const {
    return {marginValue(txtSuperiore_->text()), marginValue(txtSinistro_->text()),
            optOrizzontale_->isChecked()};
}

void TfrmStampaTessera::print() {
    showWaitLine(lblAttendere_);
    bool ok = writePrintSettings(ctx_.path(kSettingsFileName), settings());
    if (ok) {
        try {
            const reports::Report report = printedCard(card_(), settings(), ctx_.platform.today());
            report.print(ctx_, this); // a cancelled print dialog is not a failure
        } catch (const std::exception&) {
            ok = false;
        }
    }
    if (!ok)
        ctx_.platform.message(
            this, platform::MsgKind::Warning,
            QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                           "Accertarsi che la stampante sia configurata correttamente."));
    lblAttendere_->hide();
    accept();
}

// --- TfrmAnteprimaTessera ------------------------------------------------------------------

TfrmAnteprimaTessera::TfrmAnteprimaTessera(platform::Context& ctx, QWidget* parent, CardSource card)
    : QDialog(parent), ctx_(ctx), card_(std::move(card)) {
    platform::setupDialog(this, QStringLiteral("TfrmAnteprimaTessera"),
                          QStringLiteral(" Anteprima di stampa"), {380, 200});
    lblAttendere_ = buildPreviewPrompt(
        this, QStringLiteral("Anteprima del tesserino corrente su foglio A4 verticale."),
        [this] { showPreview(); });
}

void TfrmAnteprimaTessera::showPreview() {
    showWaitLine(lblAttendere_);
    // The preview shows the card on a portrait page without the saved margins.
    reports::Report report(singleCardTemplate(CardStyle::Preview));
    fillCard(report, card_());
    report.prepare(ctx_.platform.today());
    lblAttendere_->hide();
    reports::runGuarded(ctx_, this, [&] { report.preview(ctx_, this); });
    accept();
}

} // namespace cards
