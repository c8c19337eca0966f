#include "cashbook/amount_field.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace cashbook {

namespace {

class AmountFilter : public QObject {
public:
    AmountFilter(QLineEdit* field, std::function<void()> normalise)
        : QObject(field), normalise_(std::move(normalise)) {}

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) {
            normalise_();
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        const bool typed = text.size() == 1 &&
                           ((text[0] >= u'0' && text[0] <= u'9') || text[0] == u',') &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return !typed;
    }

private:
    std::function<void()> normalise_;
};

} // namespace

void makeAmountField(QLineEdit* field, std::function<void()> normalise) {
    field->installEventFilter(new AmountFilter(field, std::move(normalise)));
    // Pasting anything else is refused as well.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), field));
}

} // namespace cashbook
