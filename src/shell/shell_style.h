#pragma once

#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace shell {

// The shell's look: the palette of the artwork (deep blue, navy, warm yellow, soft greys) applied
// to the login, main menu, help, about and credits windows.
namespace style {

inline constexpr char kNavy[] = "#0b2454";
inline constexpr char kBlue[] = "#1f4e99";
inline constexpr char kYellow[] = "#ffd24a";

// Liberation Sans (metric twin of Arial) at the given size, for a window and its children.
void useShellFont(QWidget* window, int pointSize = 10);

// A filled command button (blue, white text) and a quiet one (white, blue border).
void makePrimary(QPushButton* button);
void makeSecondary(QPushButton* button);

// Decorative backgrounds, drawn under the controls that are created after them.
QFrame* brandBand(QWidget* parent, const QRect& geometry);  // deep blue gradient
QFrame* headerBand(QWidget* parent, const QRect& geometry); // pale blue, rule at the foot
QFrame* footerBand(QWidget* parent, const QRect& geometry); // light grey, rule at the top

} // namespace style
} // namespace shell
