#pragma once

#include <QStringList>
#include <QStringView>

#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace platform {

// The characters a key rule lets through.
bool isDigit(QChar c);
bool isAmountCharacter(QChar c); // digits and the comma
bool isCodeCharacter(QChar c);   // digits and the letters A-Z, a-z

// Whether `text` reads as an amount: trimmed, digits with at most one comma, or nothing at all.
bool isAmountText(QStringView text);

// What the user puts into a field other than by typing (pasting, dropping) goes through the
// field's typing rule: control characters are removed, a line break or tab becoming one blank,
// and so are the characters `keep` refuses. Text already in the field is left as it is.
void cleanInsertions(QLineEdit* field, bool (*keep)(QChar) = nullptr);
// The text an insertion becomes under that rule.
QString cleanInserted(QStringView inserted, bool (*keep)(QChar) = nullptr);

// Entering the field selects its text, so that typing replaces it (amounts shown as "0,00").
void selectOnEntry(QLineEdit* field);

// A key rule: a single character typed without Ctrl or Alt that `accepts` takes, Backspace,
// Delete and the Left/Right arrows pass; Enter is left to the Enter chain; every other key is
// swallowed, Tab too unless `tab` lets it move the focus on. Pasted text keeps only what
// `accepts` takes.
enum class TabKey { Swallowed, MovesOn };
void acceptKeys(QLineEdit* field, bool (*accepts)(QChar), TabKey tab = TabKey::Swallowed);

// The key rule of isDigit, and pasting non-digits is refused too.
void digitsOnly(QLineEdit* field);
// The key rule of isAmountCharacter, and pasting anything else is refused too.
void amountOnly(QLineEdit* field);

// A drop-down box that takes no typed characters: a value comes only from its list. The arrow
// keys, Enter and the keys that open the list still work.
void listOnly(QWidget* combo);

// Runs `leave` each time the field loses the focus (an amount is normalised so).
void onLeave(QWidget* field, std::function<void()> leave);

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
