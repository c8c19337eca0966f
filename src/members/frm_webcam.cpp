#include "members/frm_webcam.h"

#include "members/member_photo.h"
#include "platform/ui.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace members {

namespace {

constexpr QSize kView{366, 274};

// Our artwork drawn centred on a plain background; the background alone if the art is missing.
QImage placeholder(const QString& art, QSize size, const QColor& background, int margin) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QSvgRenderer svg(art);
    if (svg.isValid()) {
        QPainter p(&image);
        QSizeF drawn = svg.defaultSize().scaled(size.shrunkBy({margin, margin, margin, margin}),
                                                Qt::KeepAspectRatio);
        svg.render(&p, QRectF(QPointF((size.width() - drawn.width()) / 2,
                                      (size.height() - drawn.height()) / 2),
                              drawn));
    }
    return image;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

QLabel* pictureBox(QWidget* parent, const QString& name, QPoint at) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(QRect(at, kView + QSize(8, 8)));
    auto* box = new QLabel(frame);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(QRect(QPoint(4, 4), kView));
    return box;
}

} // namespace

TfrmWebCam::TfrmWebCam(platform::Context& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, QStringLiteral("TfrmWebCam"),
                          QStringLiteral(" Cattura foto con webcam"), QSize(790, 383));

    liveBlank_ = placeholder(QStringLiteral(":/art/camera.svg"), kView, QColor(64, 64, 64), 90);
    // The member's photo box gets this one when nothing was captured.
    capturedBlank_ = placeholderPhoto();
    live_ = liveBlank_;
    captured_ = capturedBlank_;

    imgCamera_ = pictureBox(this, QStringLiteral("imgCamera"), {15, 15});
    imgTarget_ = pictureBox(this, QStringLiteral("imgTarget"), {401, 15});
    auto* blank = new QLabel(this);
    blank->setObjectName(QStringLiteral("imgBianco"));
    blank->setPixmap(QPixmap::fromImage(liveBlank_));
    blank->hide();
    display(imgCamera_, live_);
    display(imgTarget_, captured_);

    const int row1 = 302, row2 = 338;
    auto* on = button(this, QStringLiteral("btnAccendi"), QStringLiteral("Accendi webcam"),
                      {15, row1, 180, 30});
    auto* off = button(this, QStringLiteral("btnSpegni"), QStringLiteral("Spegni webcam"),
                       {201, row1, 180, 30});
    auto* grab = button(this, QStringLiteral("btnCattura"), QStringLiteral("Cattura foto"),
                        {401, row1, 183, 30});
    auto* save = button(this, QStringLiteral("btnSalvaFotogramma"),
                        QStringLiteral("Salva foto su disco"), {592, row1, 183, 30});
    auto* import = button(this, QStringLiteral("btnImportaFoto"),
                          QStringLiteral("Importa foto in scheda"), {401, row2, 183, 30});
    auto* close =
        button(this, QStringLiteral("btnClose"), QStringLiteral("Annulla"), {592, row2, 183, 30});

    connect(on, &QPushButton::clicked, this, &TfrmWebCam::switchOn);
    connect(off, &QPushButton::clicked, this, &TfrmWebCam::switchOff);
    connect(grab, &QPushButton::clicked, this, &TfrmWebCam::capture);
    connect(save, &QPushButton::clicked, this, &TfrmWebCam::saveToDisk);
    connect(import, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmWebCam::~TfrmWebCam() {
    switchOff();
}

void TfrmWebCam::done(int result) {
    switchOff();
    QDialog::done(result);
}

void TfrmWebCam::switchOn() {
    switchOff();
    // No camera, or one that will not start: the live view keeps what it shows, silently.
    running_ = ctx_.platform.startCamera(this, [this](const QImage& frame) { showFrame(frame); });
}

void TfrmWebCam::switchOff() {
    if (!running_) return;
    running_ = false;
    ctx_.platform.stopCamera();
}

void TfrmWebCam::showFrame(const QImage& frame) {
    if (!running_ || frame.isNull()) return;
    live_ = frame;
    display(imgCamera_, live_);
}

void TfrmWebCam::capture() {
    captured_ = live_;
    display(imgTarget_, captured_);
}

void TfrmWebCam::saveToDisk() {
    platform::FileDialog options;
    options.title =
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    options.filter = QStringLiteral("File Jpeg (*.jpg)");
    options.proposedName = QStringLiteral("Foto.jpg");
    options.defaultSuffix = QStringLiteral("jpg");
    QString path = ctx_.platform.saveFileName(this, options);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".jpg");
    if (!writeJpeg(path, captured_)) {
        captured_ = capturedBlank_;
        display(imgTarget_, captured_);
    }
}

void TfrmWebCam::display(QLabel* box, const QImage& image) {
    box->setPixmap(QPixmap::fromImage(image).scaled(box->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
}

} // namespace members
