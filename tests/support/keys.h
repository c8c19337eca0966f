#pragma once

#include <QString>
#include <Qt>

class QWidget;

namespace testing_support {

// Sends a key press and its release straight to `target`, as the keyboard would.
void press(QWidget* target, int key, const QString& text = {},
           Qt::KeyboardModifiers mods = Qt::NoModifier);

// Presses one key per character: letters and digits by their key code, the rest by their own
// code, each with the character as its text.
void type(QWidget* target, const QString& text);

} // namespace testing_support
