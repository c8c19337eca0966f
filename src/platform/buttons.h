#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace platform {

// A text button named `name` at `place` in its parent, with our artwork beside the text when
// `art` names it (":/art/trova.svg").
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const QString& art = {});

// As makeButton, but not an auto-default button: Enter never presses it, Space and the mouse do.
QPushButton* dialogButton(QDialog* dialog, const QString& name, const QString& text, QRect place);

// The hidden line "Elaborazione in corso. Attendere..." (`lblAttendere`) of the print windows.
QLabel* addWaitLine(QWidget* parent, QRect place);
// Shows the wait line and lets it paint before the work starts.
void showWaitLine(QLabel* line);

// The printer picture of the print and preview windows.
QLabel* addPrinterPicture(QWidget* parent, const QString& name, QRect place);

} // namespace platform
