#pragma once

#include "platform/platform.h"

#include <QString>

#include <optional>

class QWidget;

namespace platform {

struct Context;

// The first thing that stops an action (a save, a password change): the message to show, its
// kind and the control that takes the focus afterwards (objectName; empty: the focus stays).
// Save checks are model functions returning one of these, so they are tested without windows.
struct Problem {
    MsgKind kind = MsgKind::Warning;
    QString text;
    QString control;
    bool operator==(const Problem&) const = default;
};
using Check = std::optional<Problem>;

// Shows the problem over `window` and moves the focus to its control. True when there was one.
bool showProblem(Context& ctx, QWidget* window, const Check& problem);

} // namespace platform
