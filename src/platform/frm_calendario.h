#pragma once

#include "platform/context.h"

#include <QDate>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <span>

class QCalendarWidget;
class QLabel;
class QLineEdit;

namespace platform {

// One row of a window's date hand-over table: the mode word written into the picker's
// `lblMemory` and the objectName of the control of that window that receives the date.
// Each window that uses the picker keeps its own table next to its other bindings, e.g.
//   constexpr DateTarget kMemberDates[] = {{"dataril", "txtDataRil"}, {"datascade",
//   "txtDataScade"}};
struct DateTarget {
    const char* mode;
    const char* control;
};
using DateTargets = std::span<const DateTarget>;

// The date picker. It starts on today every time; "Importa" accepts it with the selected
// day only when the mode in `lblMemory` is one its opener knows; the opener writes the date.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    TfrmCalendario(Context& ctx, QWidget* parent, DateTargets targets);

    void setMode(const QString& mode);
    QString mode() const;
    QDate selectedDate() const;

private:
    void importDate();

    DateTargets targets_;
    QCalendarWidget* calendar_;
    QLabel* memory_;
};

// Opens a fresh picker over `window` with `mode`; when the user imports a day, writes it as
// "dd/mm/yyyy" into the control that `targets` names for that mode and returns the day.
std::optional<QDate> pickDate(Context& ctx, QWidget* window, const QString& mode,
                              DateTargets targets);

// A read-only field that takes its date from the picker: Backspace or Delete empty it, any
// other key runs `openPicker` (which normally calls pickDate with the field's mode).
void makePickerDateField(QLineEdit* field, std::function<void()> openPicker);

} // namespace platform
