#include "book/book_ui.h"

#include "platform/ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace book {

QPushButton* textButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& art) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!art.isEmpty()) b->setIcon(QIcon(u":/art/"_qs + art + u".svg"_qs));
    return b;
}

QLabel* modeLabel(QWidget* parent, const QString& mode) {
    QLabel* l = platform::makeLabel(parent, mode, u"lblMemory"_qs);
    l->hide();
    return l;
}

void styleBookField(QLineEdit* field) {
    field->setStyleSheet(u"QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; }"
                         u"QLineEdit:focus { background: #FFFF00; }"_qs);
}

} // namespace book
