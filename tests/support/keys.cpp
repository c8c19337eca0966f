#include "keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace testing_support {

void press(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers mods) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(target, &up);
}

void type(QWidget* target, const QString& text) {
    // Qt's key codes for letters are their capitals; digits and symbols are their own code.
    for (QChar c : text)
        press(target, c.toUpper().unicode(), QString(c));
}

} // namespace testing_support
