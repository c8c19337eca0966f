#pragma once

#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace platform {

// Digits 0-9, Backspace, Delete and the Left/Right arrows are typed; Enter is left to the
// Enter chain; every other key (Tab included) is swallowed. Pasting non-digits is refused too.
void digitsOnly(QLineEdit* field);

// After each change the text becomes its trimmed (and upper-cased) form.
void trimmedWhileTyping(QLineEdit* field);
void upperTrimmedWhileTyping(QLineEdit* field);
// The same when a key is released.
void upperTrimmedOnKeyRelease(QLineEdit* field);

// The Italian province codes offered by the province fields, in list order.
const QStringList& provinceCodes();

// An editable two-letter province field: any two letters may be typed (upper-cased), the list
// only helps; its list selection is cleared when it takes the focus, the text stays.
QComboBox* makeProvinceCombo(QWidget* parent, const QString& name);

} // namespace platform
