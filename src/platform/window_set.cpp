#include "platform/window_set.h"

namespace platform {

void WindowSet::switchTo(const QString& name, QWidget* from) const {
    if (QWidget* target = find(name)) {
        if (target->property("workArea").toBool())
            target->showMaximized();
        else
            target->show();
        target->raise();
        target->activateWindow();
    }
    if (from && from->objectName() != name)
        from->hide();
}

} // namespace platform
