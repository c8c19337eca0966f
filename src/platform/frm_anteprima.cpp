#include "platform/frm_anteprima.h"

#include "platform/buttons.h"
#include "platform/ui.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

// The zoom steps in the order "Zoom" goes through them; 0 stands for the whole page.
struct ZoomStep {
    const char16_t* text;
    qreal factor;
};
constexpr ZoomStep kZoomSteps[] = {
    {u"100 %", 1.0}, {u"150 %", 1.5}, {u"200 %", 2.0}, {u"Pagina intera", 0.0}};

QPushButton* barButton(QDialog* dialog, const QString& name, const QString& text,
                       const QString& art) {
    QPushButton* b = dialogButton(dialog, name, text, {});
    b->setIcon(QIcon(art));
    b->setMinimumSize(130, 32);
    return b;
}

// The page buttons, in bar order: where each goes from the current page of how many.
struct PageButton {
    const char16_t* name;
    const char16_t* text;
    const char16_t* art;
    int (*target)(int current, int count);
};
constexpr PageButton kPageButtons[] = {
    {u"btnPrimaPagina", u"Prima pagina", u":/art/primo.svg", [](int, int) { return 1; }},
    {u"btnPaginaPrecedente", u"Pagina precedente", u":/art/indietro.svg",
     [](int current, int) { return current - 1; }},
    {u"btnPaginaSuccessiva", u"Pagina successiva", u":/art/avanti.svg",
     [](int current, int) { return current + 1; }},
    {u"btnUltimaPagina", u"Ultima pagina", u":/art/ultimo.svg",
     [](int, int count) { return count; }},
};

constexpr QSize kThumbnailSize(150, 150);

} // namespace

TfrmAnteprima::TfrmAnteprima(Platform& platform, QWidget* parent, const QPageLayout& layout,
                             RenderPages render, const PreviewOptions& options)
    : QDialog(parent), platform_(platform), layout_(layout), render_(std::move(render)),
      printer_(QPrinter::HighResolution) {
    setupDialog(this, QStringLiteral("TfrmAnteprima"), QStringLiteral(" Anteprima di stampa"), {});
    printer_.setPageLayout(layout_);

    auto* stampa = barButton(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"),
                             QStringLiteral(":/art/stampa.svg"));
    auto* zoom = barButton(this, QStringLiteral("btnZoom"), QStringLiteral("Zoom"),
                           QStringLiteral(":/art/zoom.svg"));
    lblZoom_ = makeLabel(this, {}, QStringLiteral("lblZoom"));
    lblZoom_->setMinimumWidth(110);
    btnSchermoIntero_ =
        barButton(this, QStringLiteral("btnSchermoIntero"), QStringLiteral("Schermo intero"),
                  QStringLiteral(":/art/anteprima.svg"));
    btnSchermoIntero_->setCheckable(true);
    auto* chiudi = barButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                             QStringLiteral(":/art/chiudi.svg"));

    view_ = new QPrintPreviewWidget(&printer_, this);
    view_->setObjectName(QStringLiteral("prvPagine"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { render_(*printer); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(stampa);
    bar->addSpacing(12);
    bar->addWidget(zoom);
    bar->addWidget(lblZoom_);
    bar->addWidget(btnSchermoIntero_);
    bar->addStretch();
    bar->addWidget(chiudi);
    auto* body = new QHBoxLayout;
    body->addWidget(view_, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addLayout(bar);
    column->addLayout(body, 1);
    if (options.pageNavigation) addPageNavigation(bar, body);

    connect(stampa, &QPushButton::clicked, this, &TfrmAnteprima::print);
    connect(zoom, &QPushButton::clicked, this, &TfrmAnteprima::nextZoom);
    connect(btnSchermoIntero_, &QPushButton::clicked, this, &TfrmAnteprima::toggleFullScreen);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    applyZoom();
    // As large as the screen even where no window manager maximises it.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
}

void TfrmAnteprima::print() {
    // The same pages through the print dialog; whether the user printed is not asked.
    platform_.print(this, layout_, render_);
}

void TfrmAnteprima::nextZoom() {
    zoomStep_ = (zoomStep_ + 1) % int(std::size(kZoomSteps));
    applyZoom();
}

void TfrmAnteprima::applyZoom() {
    const ZoomStep& step = kZoomSteps[zoomStep_];
    if (step.factor > 0) {
        view_->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view_->setZoomFactor(step.factor);
    } else {
        view_->fitInView();
    }
    lblZoom_->setText(QString::fromUtf16(step.text));
}

void TfrmAnteprima::toggleFullScreen() {
    if (windowState() & Qt::WindowFullScreen)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
    btnSchermoIntero_->setChecked(windowState() & Qt::WindowFullScreen);
}

void TfrmAnteprima::addPageNavigation(QBoxLayout* bar, QBoxLayout* body) {
    lblPagina_ = makeLabel(this, {}, QStringLiteral("lblPagina"));
    lblPagina_->setAlignment(Qt::AlignCenter);
    lblPagina_->setMinimumWidth(110);
    int at = bar->indexOf(btnSchermoIntero_) + 1;
    bar->insertSpacing(at++, 12);
    for (const PageButton& b : kPageButtons) {
        QPushButton* button =
            dialogButton(this, QString::fromUtf16(b.name), QString::fromUtf16(b.text), {});
        button->setIcon(QIcon(QString::fromUtf16(b.art)));
        const auto target = b.target;
        connect(button, &QPushButton::clicked, this,
                [this, target] { goToPage(target(view_->currentPage(), view_->pageCount())); });
        pageButtons_.push_back(button);
        bar->insertWidget(at++, button);
        if (pageButtons_.size() == 2) bar->insertWidget(at++, lblPagina_); // between back and on
    }

    lstMiniature_ = new QListWidget(this);
    lstMiniature_->setObjectName(QStringLiteral("lstMiniature"));
    lstMiniature_->setViewMode(QListView::IconMode); // the page number under its picture
    lstMiniature_->setFlow(QListView::TopToBottom);
    lstMiniature_->setWrapping(false);
    lstMiniature_->setMovement(QListView::Static);
    lstMiniature_->setIconSize(kThumbnailSize);
    lstMiniature_->setSpacing(6);
    lstMiniature_->setFixedWidth(kThumbnailSize.width() + 40);
    body->insertWidget(0, lstMiniature_);
    connect(lstMiniature_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) goToPage(row + 1);
    });
    connect(view_, &QPrintPreviewWidget::previewChanged, this, &TfrmAnteprima::showCurrentPage);
    fillThumbnails();
    showCurrentPage();
}

void TfrmAnteprima::fillThumbnails() {
    // The pages are drawn once more, small, by a preview of their own that is never shown.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout_);
    QPrintPreviewWidget pages(&printer);
    connect(&pages, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { render_(*p); });
    pages.setAttribute(Qt::WA_DontShowOnScreen);
    pages.resize(kThumbnailSize + QSize(8, 8));
    pages.show();
    pages.fitInView();
    for (int page = 1; page <= pages.pageCount(); ++page) {
        pages.setCurrentPage(page);
        auto* item = new QListWidgetItem(QIcon(pages.grab()), QString::number(page));
        item->setTextAlignment(Qt::AlignCenter);
        lstMiniature_->addItem(item);
    }
}

void TfrmAnteprima::goToPage(int page) {
    const int count = view_->pageCount();
    if (count == 0) return;
    view_->setCurrentPage(std::clamp(page, 1, count));
    showCurrentPage();
}

void TfrmAnteprima::showCurrentPage() {
    if (!lblPagina_) return;
    const int count = view_->pageCount(), current = count ? view_->currentPage() : 0;
    lblPagina_->setText(QStringLiteral("Pagina %1 di %2").arg(current).arg(count));
    // First and previous lead nowhere on the first page, next and last on the last.
    for (int i = 0; i < int(pageButtons_.size()); ++i)
        pageButtons_[size_t(i)]->setEnabled(i < 2 ? current > 1 : current < count);
    if (current > 0 && lstMiniature_->currentRow() != current - 1) {
        const QSignalBlocker quiet(lstMiniature_);
        lstMiniature_->setCurrentRow(current - 1);
    }
}

} // namespace platform
