#include "platform/menu_window.h"

#include <QLabel>
#include <QToolButton>

namespace platform {

namespace {

const QString kMainMenu = QStringLiteral("TfrmAvvio");
const QString kStay = QStringLiteral("avvio");

} // namespace

MenuWindow::MenuWindow(Context& ctx, const QString& className, const QString& caption,
                       std::vector<Route> routes)
    : WorkArea(ctx, className, caption), routes_(std::move(routes)) {
    lblMemory_ = makeLabel(panel(), kStay, QStringLiteral("lblMemory"));
    lblMemory_->hide();
}

QString MenuWindow::mode() const {
    return lblMemory_->text();
}

void MenuWindow::addCorners(const MenuCorners& corners, const HelpTopic& help) {
    addGuideCorner(ctx_, this, corners, help);
    if (corners.exitTip.isEmpty()) return;
    QToolButton* esci = cornerPicture(panel(), QStringLiteral("imgEsci"), QStringLiteral("esci"),
                                      corners.exitTip, {931, 628});
    connect(esci, &QToolButton::clicked, this, [this] { closeWith(kStay); });
}

void MenuWindow::closeWith(const QString& mode) {
    lblMemory_->setText(mode);
    close();
}

void MenuWindow::showEvent(QShowEvent* event) {
    WorkArea::showEvent(event);
    lblMemory_->setText(kStay);
}

void MenuWindow::onClose() {
    const QString m = mode();
    QString next = kMainMenu;
    for (const Route& r : routes_)
        if (r.mode == m) next = r.window;
    ctx_.windows.switchTo(next, this);
}

QToolButton* addGuideCorner(Context& ctx, QWidget* window, const MenuCorners& corners,
                            const HelpTopic& help) {
    QWidget* parent = window;
    if (auto* area = qobject_cast<WorkArea*>(window)) parent = area->panel();
    QToolButton* guida = cornerPicture(parent, QStringLiteral("imgGuida"), QStringLiteral("guida"),
                                       corners.guideTip, {931, corners.guideTop});
    QObject::connect(guida, &QToolButton::clicked, window,
                     [&ctx, window, help] { ctx.platform.showHelp(window, help); });
    return guida;
}

QToolButton* cornerPicture(QWidget* parent, const QString& name, const QString& art,
                           const QString& tip, QPoint topLeft) {
    QToolButton* b =
        pictureButton(parent, name, QStringLiteral(":/art/%1.svg").arg(art), tip, {40, 40});
    b->setGeometry(QRect(topLeft, QSize(48, 48)));
    return b;
}

QLabel* addPicture(QWidget* parent, const QString& art, int size, QRect place) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(QIcon(art).pixmap(size, size));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(place);
    return picture;
}

} // namespace platform
