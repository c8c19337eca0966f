#pragma once

#include "core/archive.h"
#include "core/navigation.h"
#include "platform/context.h"
#include "platform/frm_calendario.h"
#include "platform/problem.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace platform {

// How a bound control takes its input (the rules themselves are in platform/input_rules.h).
enum class InputRule {
    Plain,
    Bold,       // plain, shown in bold
    PickerDate, // read-only, filled by the date picker (its mode from the window's date table)
    Digits,     // digits only, pasting too
    Amount,     // digits and the comma, pasting too; the window normalises it on leaving
    Fee,        // digits and the comma typed; pasting is not checked
    FeeTabbing, // as Fee, and Tab moves the focus on
    Code,       // letters and digits typed, trimmed and upper-cased after each change
    ListOnly,   // a drop-down box that takes no typed characters
    Province,   // editable province list, upper-cased
    UpperOnRelease,
    Trimmed,      // trimmed while typing
    UpperTrimmed, // trimmed and upper-cased while typing
};

// One control of a record window: its objectName, the record field it loads and stores (-1: not
// stored), its typing limit (0: none), its input rule and the control Enter moves to (nullptr:
// Enter does nothing here). Edit fields, combo boxes, check boxes ("Sì"/"No") and labels bind.
struct Binding {
    const char* control;
    int field;
    int limit;
    InputRule rule;
    const char* next;
};

// The record-number label's value: the number shown, 0 on a new sheet.
qint64 positionOf(const QLabel* label);

// The access message of every archive window, shown as `kind` (an error unless the window's own
// rules name another kind).
void showAccessMessage(Context& ctx, QWidget* window, MsgKind kind = MsgKind::Error);

// The shared navigation rule (first, previous, next, last) over `archive` from the label: reads
// the record whole and hands it to `show`; at an end does nothing; on an empty archive shows the
// information message; on a failure shows the access message and changes nothing.
using ShowRecord = std::function<void(qint64 number, const QStringList& values)>;
void navigateArchive(Context& ctx, QWidget* window, const core::Archive& archive,
                     core::NavCommand command, QLabel* position, const ShowRecord& show,
                     MsgKind accessKind = MsgKind::Error);

// The information texts after a save that overwrote (true) or appended (false) a record.
QString savedMessage(bool overwritten);

// The binding table of a record window, resolved once against its controls. Loads and stores
// the record through it; New, navigation, save and Duplicate follow the shared archive rules.
// The window adds only its tables, its defaults and its save checks.
class RecordForm {
public:
    RecordForm(Context& ctx, QWidget* window, const core::RecordLayout& layout,
               std::span<const Binding> bindings, DateTargets dates = {});

    // After the window built its controls: finds each bound control, sets limits, input rules,
    // highlight frames, the Enter chain and the tab order. `statusLine` gets the picker hint.
    void bind(QLabel* position, QLabel* statusLine = nullptr);

    QString text(int field) const; // trimmed
    void setText(int field, const QString& value);
    QStringList values() const; // one text per record field, as it would be stored
    qint64 position() const;
    QLabel* positionLabel() const { return position_; }
    QWidget* control(const char* name) const;

    // Every field from `values` and the label to `number`, all together.
    void show(qint64 number, const QStringList& values);
    // Empties every bound field and the label (New); the window then puts its defaults.
    void clear();

    // Reads record `number` whole and shows it; the access message and no change on failure.
    bool load(const core::Archive& archive, qint64 number);
    void navigate(const core::Archive& archive, core::NavCommand command);
    // Stores every field over the record shown, or appends on a new sheet, and sets the label.
    // The access message on failure. The caller shows its own confirmation.
    std::optional<qint64> save(const core::Archive& archive);
    // Keeps the fields, resets `resetFields` (empty) and empties the label so that the next save
    // appends; touches the file once; focuses `focus` and tells the user. Refuses with the
    // warning when no saved record is shown.
    // `alsoReset` puts the window's own values into fields that are not simply emptied.
    bool duplicate(const core::Archive& archive, std::span<const int> resetFields,
                   const char* focus, const std::function<void()>& alsoReset = {});

    // Runs after a record was shown by load or navigation (photos and the like).
    std::function<void(qint64 number)> onShown;
    MsgKind accessKind = MsgKind::Error;

private:
    struct Bound {
        const Binding* binding;
        QWidget* widget;
    };
    const Bound* boundField(int field) const;
    void pickDate(const QString& mode);

    Context& ctx_;
    QWidget* window_;
    const core::RecordLayout& layout_;
    std::span<const Binding> bindings_;
    DateTargets dates_;
    std::vector<Bound> bound_;
    std::vector<int> byField_; // record field -> index in bound_, -1 when unbound
    QStringList loaded_;       // what the last shown record held (kept for unbound fields)
    QLabel* position_ = nullptr;
};

} // namespace platform
