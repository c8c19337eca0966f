#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace book {

// Small pieces shared by the members' book windows.

// A text button with one of our pictures beside its caption.
QPushButton* textButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& art);

// A hidden label that holds a window's mode word.
QLabel* modeLabel(QWidget* parent, const QString& mode);

// The book's edit fields: AliceBlue, yellow while focused, a SkyBlue outline.
void styleBookField(QLineEdit* field);

} // namespace book
