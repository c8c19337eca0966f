#include "platform/screen_fit.h"

#include <QDialog>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace platform {

namespace {

// Keeps the panel centred in the scroll area's content while the content is larger.
class CentrePanel : public QObject {
public:
    CentrePanel(QWidget* content, QWidget* panel) : QObject(content), panel_(panel) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            auto* content = static_cast<QWidget*>(watched);
            panel_->move(std::max(0, (content->width() - panel_->width()) / 2),
                         std::max(0, (content->height() - panel_->height()) / 2));
        }
        return false;
    }

private:
    QWidget* panel_;
};

QScrollArea* plainScrollArea(QWidget* parent, QWidget* content) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("scrContenuto"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    // The window's own background (a gradient, a colour) shows through; setWidget turned the
    // content's filling on.
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    return scroll;
}

// Makes the scroll area fill its window whatever the window's size.
class FillWindow : public QObject {
public:
    FillWindow(QWidget* window, QWidget* area) : QObject(window), area_(area) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Resize) area_->setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    }

private:
    QWidget* area_;
};

} // namespace

QWidget* addCentredPanel(QWidget* window, QSize designed) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("panArea"));
    content->setMinimumSize(designed);
    auto* panel = new QWidget(content);
    panel->setFixedSize(designed);
    content->installEventFilter(new CentrePanel(content, panel));
    auto* scroll = plainScrollArea(window, content);
    scroll->setWidgetResizable(true);
    scroll->setGeometry(window->rect());
    window->installEventFilter(new FillWindow(window, scroll));
    return panel;
}

void fitDialog(QDialog* dialog, const QRect& available) {
    if (dialog->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QSize room = available.size() - kFrameAllowance;
    const QSize designed = dialog->size();
    if ((designed.width() > room.width() || designed.height() > room.height()) &&
        !dialog->findChild<QScrollArea*>(QStringLiteral("scrContenuto"),
                                         Qt::FindDirectChildrenOnly)) {
        auto* content = new QWidget;
        content->setObjectName(QStringLiteral("panContenuto"));
        content->setFixedSize(designed);
        const QObjectList children = dialog->children();
        for (QObject* o : children) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow()) continue;
            const bool shown = !w->isHidden();
            const QRect at = w->geometry();
            w->setParent(content);
            w->setGeometry(at);
            if (shown) w->show();
        }
        auto* scroll = plainScrollArea(dialog, content);
        const QSize fitted = designed.boundedTo(room);
        const bool fixed = dialog->minimumSize() == dialog->maximumSize();
        if (fixed)
            dialog->setFixedSize(fitted);
        else {
            dialog->setMinimumSize(dialog->minimumSize().boundedTo(fitted));
            dialog->resize(fitted);
        }
        scroll->setGeometry(dialog->rect());
        dialog->installEventFilter(new FillWindow(dialog, scroll));
    }
    // Centred over its opener (or the screen), then moved inside the area with its frame.
    const QWidget* opener = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QRect over = opener && opener->isVisible() ? opener->frameGeometry() : available;
    QRect frame(QPoint(), dialog->size() + kFrameAllowance);
    frame.moveCenter(over.center());
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frame.height())));
    dialog->move(frame.topLeft());
}

} // namespace platform
