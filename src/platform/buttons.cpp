#include "platform/buttons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace platform {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const QString& art) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!art.isEmpty()) b->setIcon(QIcon(art));
    b->setGeometry(place);
    return b;
}

QPushButton* dialogButton(QDialog* dialog, const QString& name, const QString& text, QRect place) {
    QPushButton* b = makeButton(dialog, name, text, place);
    b->setAutoDefault(false);
    return b;
}

QLabel* addWaitLine(QWidget* parent, QRect place) {
    auto* l = new QLabel(QStringLiteral("Elaborazione in corso. Attendere..."), parent);
    l->setObjectName(QStringLiteral("lblAttendere"));
    l->setGeometry(place);
    l->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    l->hide();
    return l;
}

void showWaitLine(QLabel* line) {
    line->show();
    line->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QLabel* addPrinterPicture(QWidget* parent, const QString& name, QRect place) {
    auto* p = new QLabel(parent);
    p->setObjectName(name);
    p->setGeometry(place);
    p->setPixmap(QIcon(QStringLiteral(":/art/stampa.svg")).pixmap(place.size()));
    p->setAlignment(Qt::AlignCenter);
    return p;
}

} // namespace platform
