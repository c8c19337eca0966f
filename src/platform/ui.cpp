#include "platform/ui.h"

#include "platform/input_rules.h"
#include "platform/screen_fit.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace platform {

WorkArea::WorkArea(Context& ctx, const QString& className, const QString& caption)
    : QWidget(nullptr), ctx_(ctx), panel_(addCentredPanel(this, {995, 692})) {
    setObjectName(className);
    setWindowTitle(caption);
    setProperty("workArea", true);
    panel_->setObjectName(QStringLiteral("panMain"));
}

void WorkArea::closeEvent(QCloseEvent* event) {
    event->ignore();
    onClose();
}

void WorkArea::onClose() {
    ctx_.windows.switchTo(QStringLiteral("TfrmAvvio"), this);
}

void setupDialog(QDialog* dialog, const QString& className, const QString& caption, QSize size) {
    dialog->setObjectName(className);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setModal(true);
    if (size.isValid()) dialog->setFixedSize(size);
}

namespace {

class HighlightFilter : public QObject {
public:
    HighlightFilter(QWidget* field, QWidget* frame) : QObject(field), frame_(frame) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* field = static_cast<QWidget*>(watched);
        if (!frame_) return false; // the window removed the frame
        switch (e->type()) {
        case QEvent::FocusIn:
            frame_->setVisible(true);
            break;
        case QEvent::FocusOut:
            frame_->setVisible(false);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            frame_->setGeometry(field->geometry().adjusted(-3, -3, 3, 3));
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QWidget> frame_;
};

class EnterFilter : public QObject {
public:
    EnterFilter(QWidget* field, QWidget* next) : QObject(field), next_(next) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !next_) return false;
        next_->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(next_.data())) edit->selectAll();
        return true;
    }

private:
    QPointer<QWidget> next_;
};

class SwallowEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

class HintFilter : public QObject {
public:
    HintFilter(QWidget* w, QLabel* line, QString text)
        : QObject(w), line_(line), text_(std::move(text)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (!line_) return false;
        if (e->type() == QEvent::Enter)
            line_->setText(text_);
        else if (e->type() == QEvent::Leave)
            line_->clear();
        return false;
    }

private:
    QPointer<QLabel> line_;
    QString text_;
};

} // namespace

QWidget* addHighlight(QWidget* field) {
    QWidget* parent = field->parentWidget();
    auto* frame = new QWidget(parent);
    frame->setObjectName(QStringLiteral("eff") + field->objectName().mid(3));
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    frame->setPalette(pal);
    frame->setGeometry(field->geometry().adjusted(-3, -3, 3, 3));
    frame->setVisible(field->hasFocus());
    frame->stackUnder(field);
    field->installEventFilter(new HighlightFilter(field, frame));
    return frame;
}

void chainEnter(const QList<QWidget*>& fields, bool wrap) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QWidget* next = i + 1 < fields.size() ? fields[i + 1] : (wrap ? fields.first() : nullptr);
        if (next) fields[i]->installEventFilter(new EnterFilter(fields[i], next));
    }
}

void chainEnter(std::initializer_list<QWidget*> fields, bool wrap) {
    chainEnter(QList<QWidget*>(fields), wrap);
}

void enterDoesNothing(QWidget* field) {
    field->installEventFilter(new SwallowEnter(field));
}

void setStatusHint(QWidget* widget, QLabel* statusLine, const QString& text) {
    widget->installEventFilter(new HintFilter(widget, statusLine, text));
}

QToolButton* pictureButton(QWidget* parent, const QString& name, const QString& art,
                           const QString& toolTip, QSize iconSize) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(QIcon(art));
    b->setIconSize(iconSize);
    b->setAutoRaise(true);
    b->setToolTip(toolTip);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption,
                         const QRect& place) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    return b;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0) e->setMaxLength(maxLength);
    cleanInsertions(e);
    return e;
}

} // namespace platform
