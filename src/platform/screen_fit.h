#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace platform {

// A panel of the designed size inside `window`: centred while the window is larger, scrolled
// when the screen is smaller, so the layout inside always stays as designed.
QWidget* addCentredPanel(QWidget* window, QSize designed);

// The room a window manager's frame takes around a dialog (title bar and borders).
inline constexpr QSize kFrameAllowance{16, 48};

// Fits a dialog into `available` (a screen's available area) before it opens: a dialog larger
// than the area keeps its content at the designed size in a scroll area `scrContenuto` and
// shrinks to the area; every dialog is placed so that its frame lies inside the area. Maximised
// and full-screen dialogs are left to the window manager.
void fitDialog(QDialog* dialog, const QRect& available);

} // namespace platform
