#include "platform/frm_anteprima.h"

#include "platform/buttons.h"
#include "platform/ui.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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

} // namespace

TfrmAnteprima::TfrmAnteprima(Platform& platform, QWidget* parent, const QPageLayout& layout,
                             RenderPages render)
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
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addLayout(bar);
    column->addWidget(view_, 1);

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

} // namespace platform
