#pragma once

#include "cards/card_templates.h"
#include "platform/context.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;

namespace cards {

// Reads the nine slots as they stand in the nine-card window.
using SheetSource = std::function<std::array<CardContent, kSheetSlots>()>;

// The nine cards filled into the sheet template and laid out.
reports::Report printedSheet(const std::array<CardContent, kSheetSlots>& cards, const QDate& today);

// The nine-card sheet's print window: no settings, straight to the print dialog.
class TfrmStampaTessere : public QDialog {
    Q_OBJECT
public:
    TfrmStampaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet);

public slots:
    void print(); // "Stampa"

private:
    platform::Context& ctx_;
    SheetSource sheet_;
    QLabel* lblAttendere_;
};

class TfrmAnteprimaTessere : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprimaTessere(platform::Context& ctx, QWidget* parent, SheetSource sheet);

public slots:
    void showPreview(); // "Mostra anteprima"

private:
    platform::Context& ctx_;
    SheetSource sheet_;
    QLabel* lblAttendere_;
};

} // namespace cards
