#include "platform/problem.h"

#include "platform/context.h"

#include <QWidget>

namespace platform {

bool showProblem(Context& ctx, QWidget* window, const Check& problem) {
    if (!problem) return false;
    ctx.platform.message(window, problem->kind, problem->text);
    if (!problem->control.isEmpty())
        if (auto* focus = window->findChild<QWidget*>(problem->control)) focus->setFocus();
    return true;
}

} // namespace platform
