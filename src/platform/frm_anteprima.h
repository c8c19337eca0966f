#pragma once

#include "platform/platform.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>

#include <vector>

class QBoxLayout;
class QLabel;
class QListWidget;
class QPrintPreviewWidget;
class QPushButton;

namespace platform {

// The print preview of every report: the prepared pages at 100 % in a modal, maximised window
// with "Stampa" (the print dialog, then the printer), "Zoom" (100 %, 150 %, 200 % and the whole
// page in turn), "Schermo intero" (on and off) and "Chiudi". Nothing can be changed here: no
// page setup and no orientation, so a card or a sheet prints exactly as it was prepared.
// With page navigation it also shows a column of page thumbnails (lstMiniature) and the page
// buttons btnPrimaPagina, btnPaginaPrecedente, btnPaginaSuccessiva, btnUltimaPagina beside
// lblPagina ("Pagina 1 di 3").
class TfrmAnteprima : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprima(Platform& platform, QWidget* parent, const QPageLayout& layout,
                  RenderPages render, const PreviewOptions& options = {});

    QPrintPreviewWidget* view() const { return view_; }

public slots:
    void print();            // btnStampa
    void nextZoom();         // btnZoom
    void toggleFullScreen(); // btnSchermoIntero
    void goToPage(int page); // 1-based, kept within the pages

private:
    void applyZoom();
    void addPageNavigation(QBoxLayout* bar, QBoxLayout* body);
    void fillThumbnails();
    void showCurrentPage();

    Platform& platform_;
    QPageLayout layout_;
    RenderPages render_;
    QPrinter printer_;
    QPrintPreviewWidget* view_;
    QLabel* lblZoom_;
    QPushButton* btnSchermoIntero_;
    QLabel* lblPagina_ = nullptr;
    QListWidget* lstMiniature_ = nullptr;
    std::vector<QPushButton*> pageButtons_; // first, previous, next, last
    int zoomStep_ = 0;
};

} // namespace platform
