#pragma once

#include "platform/platform.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;
class QPushButton;

namespace platform {

// The print preview of every report: the prepared pages at 100 % in a modal, maximised window
// with "Stampa" (the print dialog, then the printer), "Zoom" (100 %, 150 %, 200 % and the whole
// page in turn), "Schermo intero" (on and off) and "Chiudi". Nothing can be changed here: no
// page setup and no orientation, so a card or a sheet prints exactly as it was prepared.
class TfrmAnteprima : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprima(Platform& platform, QWidget* parent, const QPageLayout& layout,
                  RenderPages render);

    QPrintPreviewWidget* view() const { return view_; }

public slots:
    void print();            // btnStampa
    void nextZoom();         // btnZoom
    void toggleFullScreen(); // btnSchermoIntero

private:
    void applyZoom();

    Platform& platform_;
    QPageLayout layout_;
    RenderPages render_;
    QPrinter printer_;
    QPrintPreviewWidget* view_;
    QLabel* lblZoom_;
    QPushButton* btnSchermoIntero_;
    int zoomStep_ = 0;
};

} // namespace platform
