#include "cashbook/window_look.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPalette>
#include <QPushButton>

namespace cashbook::look {

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
        "QPushButton { color: white; font-weight: bold; border: 1px solid #0b2454; "
        "border-radius: 5px; padding: 0 10px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f83d1, stop:1 #1f4e99); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5f93e1, "
        "stop:1 #2a5cab); }"
        "QPushButton:pressed { background: #0b2454; }"
        "QPushButton:focus { border: 2px solid #ffd24a; }"));
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

} // namespace cashbook::look
