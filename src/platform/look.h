#pragma once

#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QString>

class QLabel;

// The program's look: the palette of the artwork (deep blue, navy, warm yellow, soft greys), its
// font and its backgrounds, for every window that is drawn rather than laid out plainly.
namespace platform::look {

inline constexpr char kNavy[] = "#0b2454";
inline constexpr char kBlue[] = "#1f4e99";
inline constexpr char kYellow[] = "#ffd24a";

// Liberation Sans (metric twin of Arial) at the given size, for a window and its children.
void useFont(QWidget* window, int pointSize = 10);
void setPointSize(QWidget* widget, int points, bool bold = false);
void makeHeading(QLabel* label); // bold navy caption of a group of fields

// A filled command button (blue, white text) and a quiet one (white, blue border).
void makePrimary(QPushButton* button);
void makeSecondary(QPushButton* button);

// A pale blue gradient behind the window's controls.
void paintBackground(QWidget* window);

// Decorative backgrounds, drawn under the controls that are created after them.
QFrame* brandBand(QWidget* parent, const QRect& geometry);  // deep blue gradient
QFrame* headerBand(QWidget* parent, const QRect& geometry); // pale blue, rule at the foot
QFrame* footerBand(QWidget* parent, const QRect& geometry); // light grey, rule at the top

} // namespace platform::look
