#include "members/frm_zoom.h"

#include "platform/ui.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace members {

TfrmZoom::TfrmZoom(const QImage& photo, QWidget* parent) : QDialog(parent), photo_(photo) {
    platform::setupDialog(this, QStringLiteral("TfrmZoom"),
                          QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"), {});
    setWindowState(Qt::WindowMaximized);

    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    panContainer_->setCursor(Qt::PointingHandCursor);
    imgFoto_ = new QLabel(panContainer_);
    imgFoto_->setObjectName(QStringLiteral("imgFoto"));
    imgFoto_->setAlignment(Qt::AlignCenter);
    panContainer_->installEventFilter(this);
    imgFoto_->installEventFilter(this);
    fitToScreen();
}

void TfrmZoom::fitToScreen() {
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->size() - QSize(60, 90) : QSize(640, 480);
    panContainer_->resize(area);
    imgFoto_->setGeometry(QRect(QPoint(0, 0), area));
    if (!photo_.isNull())
        imgFoto_->setPixmap(
            QPixmap::fromImage(photo_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    panContainer_->move((width() - area.width()) / 2, (height() - area.height()) / 2);
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    panContainer_->move((width() - panContainer_->width()) / 2,
                        (height() - panContainer_->height()) / 2);
}

void TfrmZoom::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(70, 130, 180)); // steel blue
    gradient.setColorAt(1, Qt::white);
    p.fillRect(rect(), gradient);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace members
