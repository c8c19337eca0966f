#pragma once

#include "cards/card_settings.h"
#include "cards/card_templates.h"
#include "platform/context.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;

class QPushButton;

namespace cards {

// Reads the card as it stands in its window, at the moment of printing.
using CardSource = std::function<CardContent()>;

// The single card's print window: orientation and margins (kept in Tesserini.ini), then the
// print dialog.
class TfrmStampaTessera : public QDialog {
    Q_OBJECT
public:
    TfrmStampaTessera(platform::Context& ctx, QWidget* parent, CardSource card);

    CardPrintSettings settings() const;

public slots:
    void print(); // "Stampa"

private:
    void step(QLineEdit* field, int delta);

    platform::Context& ctx_;
    CardSource card_;
    QRadioButton* optVerticale_;
    QRadioButton* optOrizzontale_;
    QLineEdit* txtSuperiore_;
    QLineEdit* txtSinistro_;
    QLabel* lblAttendere_;
};

// The single card's preview: portrait, no margins.
class TfrmAnteprimaTessera : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprimaTessera(platform::Context& ctx, QWidget* parent, CardSource card);

public slots:
    void showPreview(); // "Mostra anteprima"

private:
    platform::Context& ctx_;
    CardSource card_;
    QLabel* lblAttendere_;
};

// The single card as the print window sends it to the printer.
reports::Report printedCard(const CardContent& card, const CardPrintSettings& settings,
                            const QDate& today);

// The wait line, the printer picture and the two buttons shared by the print and preview windows.
QLabel* addWaitLine(QDialog* dialog, QRect place);
void addPrinterPicture(QDialog* dialog, const QString& name, QRect place);
QPushButton* dialogButton(QDialog* dialog, const QString& name, const QString& text, QRect place);
// The face of both preview windows: picture, `text`, wait line, "Annulla" and "Mostra anteprima"
// (which runs `show`). Returns the wait line.
QLabel* buildPreviewPrompt(QDialog* dialog, const QString& text, const std::function<void()>& show);

} // namespace cards
