#include "platform/look.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPalette>

namespace platform::look {

namespace {

QFrame* band(QWidget* parent, const QRect& geometry, const QString& name, const QString& css) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(geometry);
    // Selector by name: QLabel is a QFrame too, and must not inherit the fill.
    f->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(name, css));
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

} // namespace

void useFont(QWidget* window, int pointSize) {
    QFont f(QStringLiteral("Liberation Sans"), pointSize);
    f.setStyleHint(QFont::SansSerif);
    window->setFont(f);
}

void setPointSize(QWidget* widget, int points, bool bold) {
    QFont f = widget->font();
    f.setPointSize(points);
    f.setBold(bold);
    widget->setFont(f);
}

void makeHeading(QLabel* label) {
    setPointSize(label, 10, true);
    label->setStyleSheet(QStringLiteral("color: #0b2454;"));
}

void paintBackground(QWidget* window) {
    QLinearGradient g(0, 0, 0, 1);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setColorAt(0, QColor(0xf8, 0xfa, 0xfd));
    g.setColorAt(1, QColor(0xdd, 0xe6, 0xf2));
    QPalette pal = window->palette();
    pal.setBrush(QPalette::Window, QBrush(g));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void makePrimary(QPushButton* button) {
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; border: 1px solid #0b2454; border-radius: "
        "5px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f83d1, stop:1 #1f4e99); "
        "padding: 0 10px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5f93e1, "
        "stop:1 #2a5cab); }"
        "QPushButton:pressed { background: #0b2454; }"
        "QPushButton:focus { border: 2px solid #ffd24a; }"
        "QPushButton:disabled { color: #eef2f7; border-color: #aab4c2; background: #c3ccd8; }"));
}

void makeSecondary(QPushButton* button) {
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: #1f4e99; font-weight: bold; border: 1px solid "
                       "#8fb3e8; border-radius: 5px;"
                       "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, "
                       "stop:1 #e8eef7); padding: 0 10px; }"
                       "QPushButton:hover { border-color: #1f4e99; background: #ffffff; }"
                       "QPushButton:pressed { background: #dce8f8; }"
                       "QPushButton:focus { border: 2px solid #ffd24a; }"));
}

QFrame* brandBand(QWidget* parent, const QRect& geometry) {
    return band(parent, geometry, QStringLiteral("panMarchio"),
                QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0.6, y2:1, "
                               "stop:0 #2d63b8, stop:1 #0b2454); border: none;"));
}

QFrame* headerBand(QWidget* parent, const QRect& geometry) {
    return band(parent, geometry, QStringLiteral("panIntestazione"),
                QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                               "stop:0 #f4f7fc, stop:1 #dfe8f5); border: none; "
                               "border-bottom: 2px solid #ffd24a;"));
}

QFrame* footerBand(QWidget* parent, const QRect& geometry) {
    return band(
        parent, geometry, QStringLiteral("panPulsanti"),
        QStringLiteral("background: #eef2f7; border: none; border-top: 1px solid #d3dbe6;"));
}

} // namespace platform::look
