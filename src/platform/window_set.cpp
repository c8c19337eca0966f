#include "platform/window_set.h"

#include <QScreen>

namespace platform {

void WindowSet::switchTo(const QString& name, QWidget* from) const {
    if (QWidget* target = find(name)) {
        if (target->property("workArea").toBool()) {
            // Fill the screen even where no window manager honours "maximised".
            if (QScreen* screen = from ? from->screen() : target->screen())
                target->setGeometry(screen->availableGeometry());
            target->showMaximized();
        } else
            target->show();
        target->raise();
        target->activateWindow();
    }
    if (from && from->objectName() != name) from->hide();
}

} // namespace platform
